// The forms save their files the one safe way: a project or the runoff window's
// data is never written over what is not a file, nor over a read-only one, never
// made too large to open again, and the file keeps what it had.
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "CarpetaDePrueba.h"
#include "FormaDePrueba.h"
#include "docs/ArchivoIni.h"
#include "docs/ErroresDelSistema.h"
#include "forms/FormaZumbrel.h"

namespace brovel {
namespace {

using namespace prueba;
using pruebas::TInterlocutorDePrueba;

struct TDestinoMalo {
    const char* que;
    std::function<bool(const fs::path&)> preparar;
    std::string motivo;
};

std::vector<TDestinoMalo> DestinosMalos() {
    return {
        {"un dispositivo", [](const fs::path& r) { return ::mknod(r.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0; },
         "No es un archivo: es un dispositivo"},
        {"una tubería", [](const fs::path& r) { return ::mkfifo(r.c_str(), 0644) == 0; },
         "No es un archivo: es una tubería (FIFO)"},
        {"un archivo de solo lectura",
         [](const fs::path& r) {
             EscribirBytes(r, "[Geometria]\r\nDeclive=6\r\n[Zumbrel]\r\nVersion=1\r\n");
             return ::chmod(r.c_str(), 0444) == 0;
         },
         TextoDelError(EACCES)},
        {"un ciclo de enlaces",
         [](const fs::path& r) {
             fs::create_symlink(r.filename().string() + ".otro", r);
             fs::create_symlink(r.filename(), r.string() + ".otro");
             return true;
         },
         TextoDelError(ELOOP)},
        {"una carpeta que no existe", [](const fs::path&) { return true; }, TextoDelError(ENOENT)},
    };
}

fs::path Destino(const TCarpetaTemporal& carpeta, const TDestinoMalo& d, const char* extension) {
    const std::string nombre = std::string(d.que) + extension;
    return d.motivo == TextoDelError(ENOENT) ? carpeta / "no-existe" / nombre : carpeta / nombre;
}

TEST(GuardarDatosDeZumbrel, NoSeEscribeSobreLoQueNoEsUnArchivoNiSobreUnoDeSoloLectura) {
    TCarpetaTemporal carpeta;
    for (const TDestinoMalo& d : DestinosMalos()) {
        const fs::path ruta = Destino(carpeta, d, ".zbr");
        if (!d.preparar(ruta)) {
            EXPECT_NE(::geteuid(), 0u) << d.que;
            continue;
        }
        TInterlocutorDePrueba persona;
        TFormaBrovel forma(persona);
        const auto antes = Contenido(carpeta.Ruta());
        EXPECT_FALSE(forma.Zumbrel.GuardarDatos(ruta.string())) << d.que;
        EXPECT_EQ(persona.errores,
                  std::vector<std::string>{"No se pudo guardar \"" + ruta.string() + "\": " + d.motivo})
            << d.que;
        EXPECT_EQ(Contenido(carpeta.Ruta()), antes) << d.que;
    }
}

TEST(GuardarProyecto, NoSeEscribeSobreLoQueNoEsUnArchivoNiSobreUnoDeSoloLectura) {
    TCarpetaTemporal carpeta;
    for (const TDestinoMalo& d : DestinosMalos()) {
        const fs::path ruta = Destino(carpeta, d, ".bvx");
        if (!d.preparar(ruta)) {
            EXPECT_NE(::geteuid(), 0u) << d.que;
            continue;
        }
        TInterlocutorDePrueba persona;
        TFormaBrovel forma(persona);
        const auto antes = Contenido(carpeta.Ruta());
        EXPECT_FALSE(forma.GuardarValores(ruta.string(), ruta.filename().string())) << d.que;
        ASSERT_EQ(persona.errores.size(), 1u) << d.que;
        EXPECT_EQ(persona.errores.front(), "No se pudo guardar \"" + ruta.string() + "\": " + d.motivo) << d.que;
        EXPECT_EQ(Contenido(carpeta.Ruta()), antes) << d.que;
    }
}

// Open → save → open gives the same project, or the save is refused: one that
// would grow past what opens (a project of comments, its lines grown to CR LF) is
// not saved, and the old file stays and still opens.
TEST(GuardarProyecto, UnProyectoQueNoSePodriaAbrirNoSeGuardaYElAnteriorQueda) {
    TCarpetaTemporal carpeta;
    const fs::path ruta = carpeta / "T.bvx";
    std::string texto = "[Geometria]\nLongitud=33\n";
    while (texto.size() < kTamanoMaximoProyecto - 10) texto += "; una nota\n";
    texto.resize(kTamanoMaximoProyecto - 10, ';');
    EscribirBytes(ruta, texto);

    TInterlocutorDePrueba persona;
    TFormaBrovel forma(persona);
    ASSERT_TRUE(forma.AbrirProyecto(ruta.string()));
    EXPECT_EQ(forma.Estado.Lt, 33);
    EXPECT_FALSE(forma.GuardarValores(ruta.string(), "T.bvx"));
    ASSERT_EQ(persona.errores.size(), 1u);
    EXPECT_TRUE(persona.errores.front().starts_with("No se pudo guardar \"" + ruta.string() + "\": tendría "))
        << persona.errores.front();
    EXPECT_EQ(LeerBytes(ruta), texto);
    EXPECT_EQ(Contenido(carpeta.Ruta()).size(), 1u);
    TFormaBrovel otra(persona);
    EXPECT_TRUE(otra.AbrirProyecto(ruta.string()));
}

// A byte-order mark at the start of a project stays there, as every line the
// program does not write.
TEST(GuardarProyecto, LaMarcaDeOrdenDeBytesQueda) {
    TCarpetaTemporal carpeta;
    const fs::path ruta = carpeta / "marca.bvx";
    EscribirBytes(ruta, "\xEF\xBB\xBF; nota\r\n[Geometria]\r\nLongitud=33\r\n");
    TInterlocutorDePrueba persona;
    TFormaBrovel forma(persona);
    ASSERT_TRUE(forma.AbrirProyecto(ruta.string()));
    ASSERT_TRUE(forma.GuardarValores(ruta.string(), "marca.bvx"));
    EXPECT_TRUE(LeerBytes(ruta).starts_with("\xEF\xBB\xBF; nota\r\n[Geometria]\r\nLongitud=33\r\n")) << LeerBytes(ruta);
}

// The runoff window's messages speak of its own data, not of projects.
TEST(CargarDatosDeZumbrel, UnArchivoDemasiadoGrandeSeRechazaComoDatosDeZumbrel) {
    TCarpetaTemporal carpeta;
    const fs::path ruta = carpeta / "grande.zbr";
    EscribirBytes(ruta, "");
    fs::resize_file(ruta, kTamanoMaximoProyecto + 1);
    TInterlocutorDePrueba persona;
    TFormaBrovel forma(persona);
    EXPECT_FALSE(forma.Zumbrel.CargarDatos(ruta.string()));
    EXPECT_EQ(persona.errores, std::vector<std::string>{"No se pudo abrir \"" + ruta.string() +
                                                        "\": El archivo es demasiado grande para ser un archivo de "
                                                        "datos de Zumbrel"});
}

}  // namespace
}  // namespace brovel
