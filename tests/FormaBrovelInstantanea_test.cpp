// A form put back into the state it had as a new project opens every project as a
// new form does, whatever was done with it in between; and a form that does not
// remember its project never claims that it is unchanged.
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <variant>

#include "ProyectoDePrueba.h"
#include "forms/CamposZumbrel.h"
#include "model/MiembrosBrovel.h"

using namespace brovel;
using namespace brovel::pruebas;

namespace {

std::string Bits(long double x) {
    char texto[64];
    std::snprintf(texto, sizeof texto, "%La", x);
    return texto;
}

// Everything a form shows or holds that a project can change, as text.
std::string Huella(TFormaBrovel& f) {
    std::string h;
    const auto linea = [&h](const std::string& que, const std::string& valor) { h += que + "=" + valor + "\n"; };
    for (const TFilaMiembroBrovel& fila : MiembrosBrovel()) {
        std::string valor;
        std::visit(
            [&](auto puntero) {
                const auto& v = f.Estado.*puntero;
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, TSerie>) {
                    for (double x : v) valor += Bits(x) + " ";
                } else if constexpr (std::is_same_v<T, TSerieDeSeries>) {
                    for (const TSerie& s : v)
                        for (double x : s) valor += Bits(x) + " ";
                } else {
                    valor = Bits(static_cast<long double>(v));
                }
            },
            fila.miembro);
        linea(fila.nombre, valor + " " + f.MotivoDe(fila.nombre));
    }
    for (const TDefinicionCampo& d : CamposBrovel()) {
        const TCantidad& c = f.Campo(d.nombre);
        linea(std::string(d.nombre), c.Text() + " " + std::to_string(c.CurrentUnit()) + " " + Bits(c.BaseMin) + " " +
                                         Bits(c.BaseMax) + " " + std::to_string(c.UseRange()) + " " +
                                         f.MotivoDeCampo(c));
    }
    for (const auto& [control, visible] : f.Visibilidad()) linea(control, std::to_string(visible));
    for (TGrupoOpciones g : kGruposDeOpciones) linea(BotonesDe(g).front(), std::to_string(f.Opcion(g)));
    for (TCasilla c : kCasillas) linea(NombreDe(c), std::to_string(f.Marcada(c)));
    for (int l = 0; l < kCantidadDeListas; ++l) {
        const TLista& lista = f.Lista(static_cast<TListaBrovel>(l));
        linea(NombreDe(static_cast<TListaBrovel>(l)),
              std::to_string(lista.items.size()) + " " + std::to_string(lista.indice) + " " + lista.Texto());
    }
    for (const std::string& m : f.MensajesSuelo()) linea("mensaje", m);
    for (const std::string& v : f.SinActualizar()) linea("sin actualizar", v);
    linea("estado", f.TextoEstado() + " " + std::to_string(f.EstadoEnError()));
    linea("titulo", f.Titulo() + " " + f.RutaProyecto + " " + f.NombreProyecto);
    linea("marcas", std::to_string(f.RecalculoSuspendido) + std::to_string(f.ErrorRango) +
                        std::to_string(f.FaltaVerificar) + std::to_string(f.ErrorLimos) + std::to_string(f.ErrorArena) +
                        std::to_string(f.FaltaZumbrel));
    linea("pestana", std::to_string(static_cast<int>(f.PestanaActual())));
    const auto graficado = f.HietogramaGraficado();
    linea("graficado", graficado ? std::to_string(static_cast<int>(*graficado)) : "ninguno");

    TFormaZumbrel& z = f.Zumbrel;
    for (const TDefinicionCampo& d : CamposZumbrel()) {
        const TCantidad& c = z.Campo(d.nombre);
        linea("Zumbrel." + std::string(d.nombre), c.Text() + " " + std::to_string(c.CurrentUnit()) + " " +
                                                      Bits(c.BaseMin) + " " + Bits(c.BaseMax) + " " +
                                                      z.MotivoDeCampo(c));
    }
    for (const auto& [control, visible] : z.Visibilidad()) linea("Zumbrel." + control, std::to_string(visible));
    for (const std::string& v : z.SinActualizar()) linea("Zumbrel sin actualizar", v);
    linea("Zumbrel estado", z.TextoEstado() + " " + std::to_string(z.EstadoEnError()) + " " + z.NombreProyecto);
    for (const TGrillaResultados* g : {&z.GrillaLluvia(), &z.GrillaEscorrentia(), &z.GrillaHidrograma()}) {
        std::string celdas;
        for (int fila = 0; fila <= g->Filas(); ++fila)
            for (size_t col = 0; col < g->columnas.size(); ++col) celdas += g->Celda(fila, static_cast<int>(col)) + " ";
        linea("Zumbrel grilla", celdas + g->motivoViejo);
    }
    return h;
}

// A project with every option but the first chosen, and silt that narrows the
// ranges of modified silt and sand.
constexpr std::string_view kOtrasOpciones =
    "[Geometria]\nDeclive=35\nLongitud=140\n"
    "[Suelo]\nOpcion=3\nClase_estr=2\nP_limos=45\nP_limos_mod=50\nClase_perm=4\nDescongelamiento=1\n"
    "[Forzantes]\nOpcion=2\nCantidad_hieto=3\nPasos_hieto=4\ncant_lluvia_1_1=2.5\ncant_lluvia_2_3=7\n"
    "Opcion2=2\nCantidad_escorrentia=12\nOpcion3=2\nVolumen_precip=300\nCaudal_pico=0.4\n"
    "[Condicionantes]\nLabranza=1\nMulching=0\nPractica_soporte=1\nTipo_practica=3\nTiempo_perturbado=6\n"
    "[Disipacion]\nManning_terreno=0.2\n";

struct TAntes {
    const char* nombre;
    // What is done with the form before it is put back as new.
    std::function<void(TFormaBrovel&, const std::string& carpeta)> hacer;
};

class FormaBrovelInstantanea : public FormaBrovelProyecto, public ::testing::WithParamInterface<TAntes> {};

const TAntes kAntes[] = {
    {"OtroProyectoAbierto",
     [](TFormaBrovel& f, const std::string& carpeta) {
         Escribir(carpeta + "/otras.bvx", ConCrLf(kOtrasOpciones));
         ASSERT_TRUE(f.AbrirProyecto(carpeta + "/otras.bvx"));
     }},
    {"EscorrentiaTomadaDeZumbrel",
     [](TFormaBrovel& f, const std::string&) {
         f.btUsarZumbrelClick();
         f.btUsarZumbrel2Click();
     }},
    {"EntradaFueraDeRango", [](TFormaBrovel& f, const std::string&) { f.euLt.SetBaseValue(-5); }},
    {"TextoQueNoEsNumero", [](TFormaBrovel& f, const std::string&) { EXPECT_ANY_THROW(f.euLt.TextoEditado("1.2.3")); }},
    {"OtraPestanaYOtrasUnidades",
     [](TFormaBrovel& f, const std::string&) {
         f.MostrarPestana(TPestanaBrovel::Suelo);
         f.euLt.CambiarUnidad(1);
         f.ElegirEnLista(TListaBrovel::cbTp, 2);
     }},
    {"CurvaPorVerificar",
     [](TFormaBrovel& f, const std::string&) {
         f.ElegirEnLista(TListaBrovel::cbPcg, 2);
         f.euDg.SetBaseValue(0.0001);
     }},
    {"ProyectoQueNoSeAbrio",
     [](TFormaBrovel& f, const std::string& carpeta) { EXPECT_FALSE(f.AbrirProyecto(carpeta + "/no-existe.bvx")); }},
};

}  // namespace

TEST_P(FormaBrovelInstantanea, AbreCadaProyectoComoUnaFormaNueva) {
    const std::string carpeta = Ruta(".");
    TOtraForma usada;
    const auto nueva = usada.forma.Instantanea();
    GetParam().hacer(usada.forma, carpeta);
    usada.forma.Restaurar(*nueva);
    {
        TOtraForma recien;
        EXPECT_EQ(Huella(usada.forma), Huella(recien.forma)) << "el proyecto nuevo";
    }

    const std::pair<const char*, std::string> despues[] = {
        {"el mismo proyecto de otras opciones", ConCrLf(kOtrasOpciones)},
        {"uno de las primeras opciones", ConCrLf("[Suelo]\nOpcion=1\nCant_puntos=3\n[Forzantes]\nOpcion=1\n"
                                                 "Pasos_hieto=4\nOpcion2=1\nOpcion3=1\nPasos_hieto3=5\n")},
        {"un archivo vacío", ""},
    };
    for (const auto& [que, texto] : despues) {
        const std::string ruta = Ruta("despues.bvx");
        Escribir(ruta, texto);
        usada.forma.Restaurar(*nueva);
        GetParam().hacer(usada.forma, carpeta);
        usada.forma.Restaurar(*nueva);
        ASSERT_TRUE(usada.forma.AbrirProyecto(ruta)) << que;
        usada.forma.MostrarPestana(TPestanaBrovel::Erosion);
        TOtraForma recien;
        ASSERT_TRUE(recien.forma.AbrirProyecto(ruta)) << que;
        recien.forma.MostrarPestana(TPestanaBrovel::Erosion);
        EXPECT_EQ(Huella(usada.forma), Huella(recien.forma)) << que;

        // And each saves the same file.
        ASSERT_TRUE(usada.forma.GuardarValores(Ruta("usada.bvx"), "usada.bvx"));
        ASSERT_TRUE(recien.forma.GuardarValores(Ruta("recien.bvx"), "recien.bvx"));
        EXPECT_EQ(Contenido(Ruta("usada.bvx")), Contenido(Ruta("recien.bvx"))) << que;
    }
}

INSTANTIATE_TEST_SUITE_P(Antes, FormaBrovelInstantanea, ::testing::ValuesIn(kAntes), NombreDeCaso<TAntes>);

// A state goes back only to the form it was taken from, whose handlers it holds.
TEST_F(FormaBrovelProyecto, ElEstadoVuelveSoloASuForma) {
    TOtraForma otra;
    const auto estado = otra.forma.Instantanea();
    EXPECT_THROW(forma.Restaurar(*estado), std::logic_error);
    EXPECT_NO_THROW(otra.forma.Restaurar(*estado));
}

// Without remembering the project, nothing can say it is unchanged: leaving it asks.
TEST_F(FormaBrovelProyecto, SinRecordarElProyectoSiempreEstaModificado) {
    const std::string ruta = Ruta("ladera.bvx");
    ASSERT_TRUE(forma.GuardarValores(ruta, "ladera.bvx"));
    TOtraForma olvidadiza;
    olvidadiza.forma.RecordarProyecto = false;
    ASSERT_TRUE(olvidadiza.forma.AbrirProyecto(ruta));
    EXPECT_TRUE(olvidadiza.forma.Modificado());
    olvidadiza.forma.ConfirmarCambios();
    EXPECT_EQ(olvidadiza.persona.preguntas.size(), 1u);
    olvidadiza.forma.RecordarProyecto = true;
    ASSERT_TRUE(olvidadiza.forma.AbrirProyecto(ruta));
    EXPECT_FALSE(olvidadiza.forma.Modificado());
}

// The state taken from a form is its data records; a form holds every other
// member in its bindings, never in its own body, and the build stops when one is
// declared there (SoloSusBases). The check itself tells a class that holds only
// its bases from one with a member of its own, wherever the member would sit.
namespace {

struct TDatos {
    long double numero = 0;
    std::string texto;
    bool marca = false;
};
struct TEnlaces {
    int* puntero = nullptr;
    char letra = 0;
};
struct TSoloDatosYEnlaces : TDatos, TEnlaces, TFinDe<TSoloDatosYEnlaces> {};
struct TConUnaMarcaPropia : TDatos, TEnlaces, TFinDe<TConUnaMarcaPropia> {
    bool propia = false;
};
struct TConUnNumeroPropio : TDatos, TEnlaces, TFinDe<TConUnNumeroPropio> {
    double propio = 0;
};
// Without the end marker, a member could sit in the room the last base leaves.
struct TSinFin : TDatos, TEnlaces {};
struct TPolimorfa : TDatos, TFinDe<TPolimorfa> {
    virtual ~TPolimorfa() = default;
};
struct TPolimorfaConMiembro : TDatos, TFinDe<TPolimorfaConMiembro> {
    virtual ~TPolimorfaConMiembro() = default;
    char propio = 0;
};

struct TCasoSoloBases {
    const char* nombre;
    bool soloBases;
    bool esperado;
};

class SoloSusBasesDeUnaClase : public ::testing::TestWithParam<TCasoSoloBases> {};

const TCasoSoloBases kCasosSoloBases[] = {
    {"SoloDatosYEnlaces", SoloSusBases<TSoloDatosYEnlaces, TDatos, TEnlaces>(), true},
    {"UnaMarcaPropia", SoloSusBases<TConUnaMarcaPropia, TDatos, TEnlaces>(), false},
    {"UnNumeroPropio", SoloSusBases<TConUnNumeroPropio, TDatos, TEnlaces>(), false},
    {"UnaBaseSinNombrar", SoloSusBases<TSoloDatosYEnlaces, TDatos>(), false},
    {"SinMarcaDeFin", SoloSusBases<TSinFin, TDatos, TEnlaces>(), false},
    {"Polimorfa", SoloSusBases<TPolimorfa, TDatos>(), true},
    {"PolimorfaConMiembro", SoloSusBases<TPolimorfaConMiembro, TDatos>(), false},
    {"FormaDeLadera", SoloSusBases<TFormaBrovel, TControlesLadera, TDatosLadera, TEnlacesLadera>(), true},
    {"FormaDeEscorrentia", SoloSusBases<TFormaZumbrel, TControlesEscorrentia, TDatosEscorrentia>(), true},
    {"BaseDeLasFormas", SoloSusBases<TFormaBase, TDatosDeForma, TEnlacesDeForma>(), true},
};

}  // namespace

TEST_P(SoloSusBasesDeUnaClase, DistingueUnMiembroPropio) { EXPECT_EQ(GetParam().soloBases, GetParam().esperado); }

INSTANTIATE_TEST_SUITE_P(Clases, SoloSusBasesDeUnaClase, ::testing::ValuesIn(kCasosSoloBases),
                         NombreDeCaso<TCasoSoloBases>);
