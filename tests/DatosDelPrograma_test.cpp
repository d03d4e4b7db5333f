#include "docs/DatosDelPrograma.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <stdlib.h>

namespace brovel {
namespace {

namespace fs = std::filesystem;

class DatosDelPrograma : public ::testing::Test {
protected:
    void SetUp() override {
        std::string plantilla = (fs::temp_directory_path() / "brovel-datos-XXXXXX").string();
        ASSERT_NE(::mkdtemp(plantilla.data()), nullptr) << std::strerror(errno);
        raiz_ = plantilla;
    }
    void TearDown() override {
        std::error_code error;
        if (!raiz_.empty()) fs::remove_all(raiz_, error);
    }

    // A file, or with a final "/" a folder, under the test's root.
    void Crear(const std::string& relativa) const {
        const fs::path ruta = raiz_ / relativa;
        if (relativa.ends_with('/')) {
            fs::create_directories(ruta);
        } else {
            fs::create_directories(ruta.parent_path());
            std::ofstream(ruta) << "x";
        }
    }

    fs::path raiz_;
};

// Beside the program first, then the installation's data folder next to "bin";
// when neither holds it, beside the program.
TEST_F(DatosDelPrograma, BuscaJuntoAlProgramaYLuegoEnLaCarpetaDeDatos) {
    const std::string ayuda = "Ayuda/Ayuda Brovel y Zumbrel.pdf";
    struct TCaso {
        const char* nombre;
        std::vector<std::string> existentes;
        std::string programa;
        std::string buscado;
        std::string esperado;
    };
    const TCaso casos[] = {
        {"en ninguna parte", {}, "usr/bin", ayuda, "usr/bin/" + ayuda},
        {"junto al programa", {"build/bin/" + ayuda}, "build/bin", ayuda, "build/bin/" + ayuda},
        {"instalado", {"usr/share/brovel/" + ayuda}, "usr/bin", ayuda, "usr/share/brovel/" + ayuda},
        {"en los dos lugares", {"usr/bin/" + ayuda, "usr/share/brovel/" + ayuda}, "usr/bin", ayuda, "usr/bin/" + ayuda},
        {"una carpeta instalada",
         {"opt/brovel/share/brovel/Reportes/"},
         "opt/brovel/bin",
         "Reportes",
         "opt/brovel/share/brovel/Reportes"},
        {"la carpeta junto al programa, vacía",
         {"usr/bin/Ayuda/", "usr/share/brovel/" + ayuda},
         "usr/bin",
         ayuda,
         "usr/share/brovel/" + ayuda},
        {"en share sin la carpeta del programa", {"usr/share/" + ayuda}, "usr/bin", ayuda, "usr/bin/" + ayuda},
        {"dos niveles más arriba", {"share/brovel/" + ayuda}, "usr/bin", ayuda, "usr/bin/" + ayuda},
    };
    for (const TCaso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        fs::remove_all(raiz_);
        fs::create_directories(raiz_ / caso.programa);
        for (const std::string& existente : caso.existentes) Crear(existente);
        EXPECT_EQ(BuscarDato(raiz_ / caso.programa, caso.buscado), raiz_ / caso.esperado);
    }
}

// The test program finds its own folder, as the programs find theirs.
TEST(CarpetaDelEjecutable, EsLaDelProgramaEnMarcha) {
    const fs::path carpeta = CarpetaDelEjecutable();
    ASSERT_FALSE(carpeta.empty());
    EXPECT_TRUE(carpeta.is_absolute()) << carpeta;
    EXPECT_TRUE(fs::is_regular_file(carpeta / "pruebas_nucleo")) << carpeta;
}

}  // namespace
}  // namespace brovel
