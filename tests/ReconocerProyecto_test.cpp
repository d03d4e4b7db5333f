// Which documents open as projects: text with a project's sections, or nothing at
// all; never binary data or a text of something else.
#include <gtest/gtest.h>

#include <string>

#include "docs/ArchivoIni.h"
#include "forms/ReconocerProyecto.h"

using namespace brovel;

namespace {

struct TCaso {
    const char* nombre;
    std::string texto;
    bool proyecto;
};

const TCaso kCasos[] = {
    {"vacío", "", true},
    {"solo blancos", " \r\n\t\r\n", true},
    {"solo la marca de orden de bytes", "\xEF\xBB\xBF\r\n", true},
    {"un proyecto", "[Geometria]\r\nDeclive=6\r\n", true},
    {"secciones en minúsculas y con blancos", "  [ disipacion ]  \nManning_terreno=0.1\n", true},
    {"solo los datos de Zumbrel", "[Zumbrel_Brovel]\nVersion=1\n", true},
    {"una sección de proyecto entre otras", "[Otra]\nx=1\n[Condicionantes]\n", true},
    {"un proyecto de Windows con su marca de fin", "[Suelo]\r\nOpcion=1\r\n\x1A", true},
    {"un proyecto con tabuladores", "[Forzantes]\r\n\tOpcion=1\r\n", true},
    {"una imagen PNG", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), false},
    {"un proyecto con un NUL", std::string("[Geometria]\r\nDeclive=6\0\r\n", 23), false},
    {"un proyecto con un byte de control", "[Geometria]\r\nDeclive=6\x01\r\n", false},
    {"un proyecto con DEL", "[Geometria]\r\nDeclive=6\x7F\r\n", false},
    {"notas sin secciones", "Lista de compras\r\nDeclive=6\r\n", false},
    {"otro INI", "[Desktop Entry]\nName=Brovel\n", false},
    {"una tabla CSV", "Declive;Longitud\n6;40\n", false},
    {"una sección de nombre parecido", "[Geometrias]\nDeclive=6\n", false},
    {"una sección que empieza como Zumbrel sin serlo", "[Zumbrel]\nVersion=1\n", false},
    {"un corchete sin cerrar", "[Geometria\nDeclive=6\n", false},
};

}  // namespace

TEST(ReconocerProyecto, SoloLosProyectosSeAbrenComoProyectos) {
    for (const TCaso& caso : kCasos) {
        TArchivoIni ini;
        ini.CargarTexto(caso.texto);
        EXPECT_EQ(EsProyecto(ini), caso.proyecto) << caso.nombre;
    }
}

TEST(ReconocerProyecto, LasSeccionesSonLasDeSusEncabezados) {
    TArchivoIni ini;
    ini.CargarTexto("x=1\n[Suelo]\na=1\n[Otra]\n[SUELO]\nb=2\n; [Geometria]\n[Forzantes] nota\n");
    EXPECT_EQ(ini.Secciones(), (std::vector<std::string>{"suelo", "otra", "forzantes"}));
}
