// No lost work: New, Open and leaving ask whether to save a project that changed,
// and only then; the answer decides, and a save that does not happen stops the
// command.
#include <functional>

#include "ProyectoDePrueba.h"
#include "forms/Preguntas.h"

using namespace brovel;
using namespace brovel::pruebas;

namespace {

// A command that leaves the project, and whether it went on.
struct TOrden {
    const char* nombre;
    std::function<bool(FormaBrovelPrueba&, TFormaBrovel&)> ejecutar;
};

}  // namespace

// What counts as a change is what saving would write differently.
TEST_F(FormaBrovelProyecto, SoloCambiaLoQueSeGuardariaDistinto) {
    EXPECT_FALSE(forma.Modificado());
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    forma.euLt.CambiarUnidad(1);  // 60 m shown as 0.06 km: the same project
    EXPECT_FALSE(forma.Modificado());
    forma.euLt.SetBaseValue(70);
    EXPECT_TRUE(forma.Modificado());
    forma.euLt.SetBaseValue(60);
    EXPECT_FALSE(forma.Modificado());

    const std::pair<const char*, std::function<void(TFormaBrovel&)>> cambios[] = {
        {"una opción", [](TFormaBrovel& f) { f.ElegirOpcion(TGrupoOpciones::Suelo, 1); }},
        {"una casilla", [](TFormaBrovel& f) { f.Marcar(TCasilla::Mulching, false); }},
        {"una lista", [](TFormaBrovel& f) { f.ElegirEnLista(TListaBrovel::cbTp, 2); }},
        {"un punto de la curva", [](TFormaBrovel& f) { f.euDg.SetBaseValue(4.5); }},
        {"un paso del hietograma", [](TFormaBrovel& f) { f.euCll.SetBaseValue(1.5); }},
        // Typed: the text stays while its error is shown.
        {"un texto que no es número", [](TFormaBrovel& f) { EXPECT_ANY_THROW(f.euLt.TextoEditado("1.2.3")); }},
    };
    for (const auto& [que, cambiar] : cambios) {
        TOtraForma otra;
        cambiar(otra.forma);
        EXPECT_TRUE(otra.forma.Modificado()) << que;
    }

    const std::string ruta = Ruta("ladera.bvx");
    forma.euLt.SetBaseValue(70);
    ASSERT_TRUE(forma.GuardarValores(ruta, "ladera.bvx"));
    EXPECT_FALSE(forma.Modificado());
    TOtraForma abierta;
    ASSERT_TRUE(abierta.forma.AbrirProyecto(ruta));
    EXPECT_FALSE(abierta.forma.Modificado());
}

// Each command with an unchanged project, and with a changed one answered each way.
TEST_F(FormaBrovelProyecto, LasOrdenesPreguntanPorLosCambios) {
    const std::string otro = Ruta("otro.bvx");
    Escribir(otro, "[Geometria]\r\nDeclive=9\r\n");
    const TOrden ordenes[] = {
        {"Nuevo",
         [](FormaBrovelPrueba&, TFormaBrovel& f) {
             f.NuevoExecute();
             return f.Estado.Lt == 60;
         }},
        {"Abrir",
         [](FormaBrovelPrueba&, TFormaBrovel& f) {
             f.AbrirExecute();
             return f.Estado.Dt == 9;
         }},
        {"Salir", [](FormaBrovelPrueba&, TFormaBrovel& f) { return f.ConfirmarCambios(); }},
    };
    struct TCaso {
        const char* que;
        bool cambiado;
        std::vector<TRespuesta> respuestas;
        bool sigue;
        bool guardado;
    };
    const TCaso casos[] = {
        {"sin cambios", false, {}, true, false},
        {"cambiado, No", true, {TRespuesta::No}, true, false},
        {"cambiado, Cancelar", true, {TRespuesta::Cancelar}, false, false},
        {"cambiado, Sí", true, {TRespuesta::Si}, true, true},
    };
    for (const TOrden& orden : ordenes) {
        for (const TCaso& caso : casos) {
            const std::string ruta = Ruta(std::string(orden.nombre) + "-" + caso.que + ".bvx");
            TOtraForma o;
            if (caso.cambiado) o.forma.euLt.SetBaseValue(80);
            o.persona.respuestas = caso.respuestas;
            // Sí on a new project asks where to save it; Abrir then asks what to open.
            o.persona.archivosElegidos =
                caso.guardado ? std::vector<std::string>{ruta, otro} : std::vector<std::string>{otro};
            const std::string caption = o.forma.Titulo();
            const bool siguio = orden.ejecutar(*this, o.forma);
            const std::string donde = std::string(orden.nombre) + ", " + caso.que;
            EXPECT_EQ(siguio, caso.sigue) << donde;
            EXPECT_EQ(o.persona.preguntas,
                      caso.cambiado ? std::vector<std::string>{"Sin Nombre"} : std::vector<std::string>{})
                << donde;
            EXPECT_EQ(fs::exists(ruta), caso.guardado) << donde;
            if (!caso.sigue) {
                EXPECT_EQ(o.forma.Estado.Lt, 80) << donde;
                EXPECT_EQ(o.forma.Titulo(), caption) << donde;
                EXPECT_TRUE(o.forma.Modificado()) << donde;
            }
            EXPECT_TRUE(o.persona.errores.empty()) << donde;
        }
    }
}

// A named project is saved where it is, under its name; a save that is cancelled
// or fails stops the command and keeps the form as it was.
TEST_F(FormaBrovelProyecto, UnGuardadoQueNoOcurreDetieneLaOrden) {
    const std::string ruta = Ruta("ladera.bvx");
    ASSERT_TRUE(forma.GuardarValores(ruta, "ladera.bvx"));
    forma.RutaProyecto = ruta;
    forma.NombreProyecto = "ladera.bvx";
    forma.euLt.SetBaseValue(90);
    persona.respuestas = {TRespuesta::Si};
    EXPECT_TRUE(forma.ConfirmarCambios());
    EXPECT_EQ(persona.preguntas, std::vector<std::string>{"ladera"});
    TArchivoIni guardado;
    ASSERT_TRUE(guardado.Cargar(ruta));
    EXPECT_EQ(guardado.LeerReal("Geometria", "Longitud", 0), 90);
    EXPECT_TRUE(persona.dialogos.empty());

    TOtraForma cancelada;
    cancelada.forma.euLt.SetBaseValue(90);
    cancelada.persona.respuestas = {TRespuesta::Si};
    cancelada.forma.NuevoExecute();
    EXPECT_EQ(cancelada.persona.dialogos, std::vector<std::string>{"guardar"});
    EXPECT_EQ(cancelada.forma.Estado.Lt, 90);

    TOtraForma fallida;
    fallida.forma.euLt.SetBaseValue(90);
    fallida.persona.respuestas = {TRespuesta::Si};
    fallida.persona.archivosElegidos = {Ruta("no-existe/ladera.bvx")};
    fallida.forma.NuevoExecute();
    EXPECT_EQ(fallida.persona.errores.size(), 1u);
    EXPECT_EQ(fallida.forma.Estado.Lt, 90);
    EXPECT_TRUE(fallida.forma.Modificado());
}

// The question names the project as the form gives it, whole and unchanged, so
// that each view puts the same sentence.
TEST(PreguntaGuardarCambios, NombraElProyecto) {
    struct TCaso {
        const char* que;
        const char* nombre;
        const char* pregunta;
    };
    const TCaso casos[] = {
        {"proyecto nuevo", "Sin Nombre", "¿Desea guardar los cambios de «Sin Nombre»?"},
        {"nombre con acentos", "Ladera Ñuñoa", "¿Desea guardar los cambios de «Ladera Ñuñoa»?"},
        {"nombre con comillas", "la «otra»", "¿Desea guardar los cambios de «la «otra»»?"},
        {"nombre vacío", "", "¿Desea guardar los cambios de «»?"},
    };
    for (const TCaso& caso : casos) EXPECT_EQ(PreguntaGuardarCambios(caso.nombre), caso.pregunta) << caso.que;
}
