// Saving a report as PDF or RTF goes through the one way files are replaced: what
// is not a file is never written over, a read-only file is not replaced, a full
// disk leaves the old report whole, and the name is used as the bytes it is.
#include "docs/ExportarReporte.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <string>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "CarpetaDePrueba.h"
#include "docs/ErroresDelSistema.h"

namespace brovel {
namespace {

using namespace prueba;

const std::string kRtf = "{\\rtf1\\ansi Reporte de prueba\\par}";

std::string Exportar(const fs::path& ruta) {
    return GuardarReporte(kRtf, ruta.string(), QStringLiteral("Reporte"), QStringLiteral("prueba.bvx"));
}

TEST(ExportarReporte, NoSeEscribeSobreLoQueNoEsUnArchivoNiSobreUnoDeSoloLectura) {
    TCarpetaTemporal carpeta;
    const fs::path c = carpeta.Ruta();
    struct Caso {
        const char* que;
        std::function<bool(const fs::path&)> preparar;
        std::string motivo;
    };
    const Caso casos[] = {
        {"un dispositivo", [](const fs::path& r) { return ::mknod(r.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0; },
         "No es un archivo: es un dispositivo"},
        {"una tubería", [](const fs::path& r) { return ::mkfifo(r.c_str(), 0644) == 0; },
         "No es un archivo: es una tubería (FIFO)"},
        {"un enlace a un dispositivo",
         [&](const fs::path& r) {
             const fs::path nulo = r.string() + ".nulo";
             if (::mknod(nulo.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) return false;
             fs::create_symlink(nulo.filename(), r);
             return true;
         },
         "No es un archivo: es un dispositivo"},
        {"un archivo de solo lectura",
         [](const fs::path& r) {
             EscribirBytes(r, "viejo");
             return ::chmod(r.c_str(), 0444) == 0;
         },
         TextoDelError(EACCES)},
        {"un ciclo de enlaces",
         [](const fs::path& r) {
             const fs::path otro = r.string() + ".otro" + r.extension().string();
             fs::create_symlink(otro.filename(), r);
             fs::create_symlink(r.filename(), otro);
             return true;
         },
         TextoDelError(ELOOP)},
    };
    int n = 0;
    for (const char* extension : {".pdf", ".rtf"}) {
        for (const Caso& caso : casos) {
            const fs::path ruta = c / ("r" + std::to_string(++n) + extension);
            if (!caso.preparar(ruta)) {
                EXPECT_NE(::geteuid(), 0u) << caso.que;
                continue;
            }
            const auto antes = Contenido(c);
            EXPECT_EQ(Exportar(ruta), "No se pudo guardar \"" + ruta.string() + "\": " + caso.motivo)
                << caso.que << extension;
            EXPECT_EQ(Contenido(c), antes) << caso.que << extension;
        }
    }
}

// The name goes to the system as the bytes given: not text, not shortened by a
// long temporary name.
TEST(ExportarReporte, CualquierNombreQueElSistemaAdmiteSeGuardaTalCual) {
    TCarpetaTemporal carpeta;
    for (const std::string& nombre : {std::string("\xFF\xFE.rtf"), std::string("\xFF\xFE.pdf"),
                                      std::string(251, 'n') + ".rtf", std::string(251, 'n') + ".pdf"}) {
        const fs::path ruta = carpeta / nombre;
        EscribirBytes(ruta, "viejo");
        ASSERT_EQ(::chmod(ruta.c_str(), 0640), 0);
        EXPECT_EQ(Exportar(ruta), "") << nombre;
        const std::string guardado = LeerBytes(ruta);
        EXPECT_TRUE(nombre.ends_with(".pdf") ? guardado.starts_with("%PDF-") : guardado == kRtf) << nombre;
        struct stat datos {};
        ASSERT_EQ(::stat(ruta.c_str(), &datos), 0);
        EXPECT_EQ(datos.st_mode & 07777, 0640u) << nombre;
    }
    EXPECT_EQ(Contenido(carpeta.Ruta()).size(), 4u);
}

// A full disk fails the export and leaves the previous report whole.
TEST(ExportarReporte, UnDiscoLlenoDejaElReporteAnterior) {
    for (const char* nombre : {"r.rtf", "r.pdf"}) {
        TCarpetaTemporal carpeta;
        if (const std::string motivo = carpeta.MontarDiscoChico(64); !motivo.empty()) GTEST_SKIP() << motivo;
        const fs::path ruta = carpeta / nombre;
        const std::string viejo(9647, 'v');
        EscribirBytes(ruta, viejo);
        EscribirBytes(carpeta / "relleno", std::string(64 * 1024 - 12 * 1024 - 2048, 'r'));
        // More than the room left: a long report.
        std::string rtf = "{\\rtf1\\ansi ";
        for (int i = 0; i < 2000; ++i) rtf += "Tasa de erosion " + std::to_string(i) + "\\par ";
        rtf += "}";
        const auto antes = Contenido(carpeta.Ruta());
        EXPECT_EQ(GuardarReporte(rtf, ruta.string(), QStringLiteral("Reporte"), QString()),
                  "No se pudo guardar \"" + ruta.string() + "\": " + TextoDelError(ENOSPC))
            << nombre;
        EXPECT_EQ(Contenido(carpeta.Ruta()), antes) << nombre;
    }
}

}  // namespace
}  // namespace brovel
