// Projects that come back the same, and files that are no project: what the form
// does with a pipe, a folder or a huge file, with a destination it must not write
// over, and with numbers that cannot be saved.
#include <sys/stat.h>

#include "docs/ErroresDelSistema.h"
#include "forms/ReconocerProyecto.h"
#include "ProyectoDePrueba.h"

using namespace brovel;
using namespace brovel::pruebas;

namespace {

// What a recalculated project shows: the status and every factor and result.
std::vector<std::string> Resultados(const TFormaBrovel& f) {
    const TEstadoBrovel& e = f.Estado;
    std::vector<std::string> r = {f.TextoEstado()};
    for (const double v :
         {e.Dm,  e.Fes,  e.Ft,    e.Et,    e.Mi30m, e.Fde, e.Felle, e.Tecr, e.Fp,  e.Pspcr, e.Fcss, e.Sups,
          e.Scf, e.Fpsb, e.Fpset, e.Fpsed, e.Fps,   e.Scs, e.Srs,   e.Fcm,  e.Lct, e.TeE,   e.PsE})
        r.push_back(Numero(v));
    return r;
}

struct TCasoPuntoFijo {
    const char* nombre;
    const char* texto;
};

// Entries that an editor shows, and rounds, with more decimals than its fields.
const TCasoPuntoFijo kPuntosFijos[] = {
    {"punto de la curva con muchas cifras",
     "[Suelo]\nOpcion=1\nCant_puntos=3\ndiam_punto_1=2.123456789\nporc_pasa_1=54.363531569584424\n"
     "diam_punto_2=0.5\nporc_pasa_2=30.123456789012345\ndiam_punto_3=0.01\nporc_pasa_3=5\n"},
    // Rounded, the first point passes less than the second: the curve is wrong
    // from the moment it is read, not only after its results were computed.
    {"curva que el redondeo desordena",
     "[Suelo]\nOpcion=1\nCant_puntos=3\ndiam_punto_1=2\nporc_pasa_1=54.36349\n"
     "diam_punto_2=0.5\nporc_pasa_2=54.3634\ndiam_punto_3=0.01\nporc_pasa_3=5\n"},
    {"diámetro que el redondeo baja",
     "[Suelo]\nOpcion=1\nCant_puntos=2\ndiam_punto_1=2.000004\nporc_pasa_1=90\ndiam_punto_2=0.1\nporc_pasa_2=10\n"},
    {"primer paso del hietograma representativo",
     "[Forzantes]\nOpcion=1\nPaso_temporal=10\nPasos_hieto=3\nCantidad_tormentas=12\n"
     "cant_lluvia_1=3.123456789\ncant_lluvia_2=4.987654321\ncant_lluvia_3=1\n"},
    {"primer paso de la serie",
     "[Forzantes]\nOpcion=2\nPaso_temporal=30\nCantidad_hieto=2\nPasos_hieto=2\nCantidad_tormentas=9\n"
     "cant_lluvia_1_1=7.777777777\ncant_lluvia_1_2=2\ncant_lluvia_2_1=0.333333333\ncant_lluvia_2_2=1\n"},
};

}  // namespace

// Open, compute, save, open again: the same results and the same file.
TEST_F(FormaBrovelProyecto, UnProyectoAbiertoYGuardadoVuelveIgual) {
    for (const TCasoPuntoFijo& caso : kPuntosFijos) {
        const std::string original = Ruta("original.bvx"), primera = Ruta("primera.bvx"), segunda = Ruta("segunda.bvx");
        Escribir(original, ConCrLf(caso.texto));
        TOtraForma a, b;
        ASSERT_TRUE(a.forma.AbrirProyecto(original)) << caso.nombre;
        a.forma.MostrarPestana(TPestanaBrovel::Erosion);
        ASSERT_TRUE(a.forma.GuardarValores(primera, "primera.bvx")) << caso.nombre;
        ASSERT_TRUE(b.forma.AbrirProyecto(primera)) << caso.nombre;
        b.forma.MostrarPestana(TPestanaBrovel::Erosion);
        ASSERT_TRUE(b.forma.GuardarValores(segunda, "segunda.bvx")) << caso.nombre;
        EXPECT_EQ(Resultados(b.forma), Resultados(a.forma)) << caso.nombre;
        EXPECT_EQ(Contenido(segunda), Contenido(primera)) << caso.nombre;
        EXPECT_TRUE(a.persona.errores.empty() && b.persona.errores.empty()) << caso.nombre;
    }
}

// A file that is there but is no project is refused with a message, and the form
// keeps the project it had: its name, its caption, its numbers.
TEST_F(FormaBrovelProyecto, LoQueNoEsUnProyectoNoSeAbre) {
    const std::string fifo = Ruta("tuberia.bvx");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0) << std::strerror(errno);
    const std::string grande = Ruta("grande.bvx");
    Escribir(grande, "");
    fs::resize_file(grande, kTamanoMaximoProyecto + 1);
    fs::create_directory(Ruta("carpeta.bvx"));
    const std::string foto = Ruta("foto.png"), notas = Ruta("notas.bvx");
    Escribir(foto, std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR[Geometria]\n", 28));
    Escribir(notas, "Declive=6\r\nLongitud=40\r\n");
    const std::pair<std::string, std::string> casos[] = {
        {foto, kMensajeNoEsProyecto},
        {notas, kMensajeNoEsProyecto},
        {fifo, "No es un archivo: es una tubería (FIFO)"},
        {"/dev/zero", "No es un archivo: es un dispositivo"},
        {Ruta("carpeta.bvx"), TextoDelError(EISDIR)},
        {grande, kMensajeDemasiadoGrande},
    };
    forma.euLt.SetBaseValue(33);
    const std::string titulo = forma.Titulo();
    for (const auto& [ruta, motivo] : casos) {
        persona.errores.clear();
        std::string razon;
        EXPECT_FALSE(forma.AbrirProyecto(ruta, &razon)) << ruta;
        EXPECT_EQ(razon, motivo) << ruta;
        EXPECT_EQ(persona.errores, std::vector<std::string>{"No se pudo abrir \"" + ruta + "\": " + motivo}) << ruta;
        EXPECT_EQ(forma.Titulo(), titulo) << ruta;
        EXPECT_TRUE(forma.RutaProyecto.empty()) << ruta;
        EXPECT_EQ(forma.Estado.Lt, 33) << ruta;
    }
}

// A file with nothing in it is a new project under that name, and saving writes
// one into it.
TEST_F(FormaBrovelProyecto, UnArchivoVacioSeAbreComoProyectoNuevo) {
    const std::string vacio = Ruta("vacio.bvx");
    Escribir(vacio, "");
    forma.euLt.SetBaseValue(33);
    EXPECT_TRUE(forma.AbrirProyecto(vacio));
    EXPECT_EQ(forma.RutaProyecto, vacio);
    EXPECT_NE(forma.Estado.Lt, 33);
    EXPECT_TRUE(forma.GuardarValores(vacio, "vacio.bvx"));
    EXPECT_TRUE(persona.errores.empty());
    EXPECT_TRUE(Contenido(vacio).starts_with("[Geometria]"));
}

// Saving onto a file that holds no project is refused: a picture chosen by mistake
// keeps every byte.
TEST_F(FormaBrovelProyecto, NoSeGuardaSobreLoQueNoEsUnProyecto) {
    const std::string foto = Ruta("foto.png");
    const std::string imagen("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
    Escribir(foto, imagen);
    EXPECT_FALSE(forma.GuardarValores(foto, "foto.png"));
    EXPECT_EQ(persona.errores,
              std::vector<std::string>{"No se pudo guardar \"" + foto + "\": " + kMensajeNoEsProyecto});
    EXPECT_EQ(Contenido(foto), imagen);
}

// Saving onto a pipe is refused before anything is read from it or written.
TEST_F(FormaBrovelProyecto, NoSeGuardaSobreUnaTuberia) {
    const std::string fifo = Ruta("tuberia.bvx");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0) << std::strerror(errno);
    EXPECT_FALSE(forma.GuardarValores(fifo, "tuberia.bvx"));
    EXPECT_EQ(persona.errores,
              std::vector<std::string>{"No se pudo guardar \"" + fifo + "\": No es un archivo: es una tubería (FIFO)"});
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(Archivos(), std::vector<std::string>{"tuberia.bvx"});
}

// A number beyond what a file can hold is not written: its entry keeps the text it
// had, the rest is saved, and the message names what was not.
TEST_F(FormaBrovelProyecto, LoQueNoEsFinitoNoSeGuardaYSeDice) {
    const std::string ruta = Ruta("ladera.bvx");
    ASSERT_TRUE(forma.GuardarValores(ruta, "ladera.bvx"));
    forma.euLt.SetText("1E+400");
    forma.euDt.SetBaseValue(7);
    ASSERT_TRUE(forma.GuardarValores(ruta, "ladera.bvx"));
    EXPECT_EQ(persona.errores, std::vector<std::string>{"Estos valores no son números finitos y no se guardaron; el "
                                                        "archivo conserva los anteriores: Geometria.Longitud"});
    TArchivoIni guardado;
    ASSERT_TRUE(guardado.Cargar(ruta));
    EXPECT_EQ(guardado.LeerReal("Geometria", "Longitud", 0), 60);
    EXPECT_EQ(guardado.LeerReal("Geometria", "Declive", 0), 7);
}
