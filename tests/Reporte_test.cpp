// The report engine: how a template's identifiers are found and replaced, the
// identifiers' common rules, reading the template, and the code page of the pieces.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "docs/Reporte.h"
#include "fields/Numeros.h"

using namespace brovel;

namespace {

// A resolver that writes down what it is asked and answers "<id>".
struct TResolvedorDePrueba {
    std::vector<std::string> pedidos;
    std::string operator()(std::string_view id) {
        pedidos.emplace_back(id);
        return "<" + std::string(id) + ">";
    }
};

std::string Generar(std::string_view plantilla, TResolvedorDePrueba& r) {
    std::string reporte;
    GenerarReporte(plantilla, std::ref(r), reporte);
    return reporte;
}

struct TCasoPlantilla {
    const char* plantilla;
    const char* reporte;
    std::vector<std::string> pedidos;
};

TEST(GenerarReporte, CopiaYReemplaza) {
    const TCasoPlantilla casos[] = {
        {"", "", {}},
        {R"({\rtf1\ansi {\b T\'edtulo}\par x})", R"({\rtf1\ansi {\b T\'edtulo}\par x})", {}},
        {"Pendiente: [$1]\\par ", "Pendiente: <$1>\\par ", {"$1"}},
        {"[$1][$2]", "<$1><$2>", {"$1", "$2"}},
        // "#" and "&" open identifiers too; the resolver decides they are not valid.
        {"a[#1]b[&2]c", "a<#1>b<&2>c", {"#1", "&2"}},
        // A "[" that opens nothing is copied; the "]" still asks the resolver.
        {"[x]", "[x<>", {""}},
        {"a]b", "a<>b", {""}},
        {"[[$1]", "[<$1>", {"$1"}},
        // A second opening inside an identifier is collected as text.
        {"[$1[$2]", "<$1$2>", {"$1$2"}},
        // An identifier never closed is dropped at the end.
        {"fin [$7", "fin ", {}},
        {"[", "[", {}},
        {"[$", "", {}},
        // Bytes beyond ASCII and NULs pass untouched.
        {"\xe1\xb3", "\xe1\xb3", {}},
    };
    for (const auto& caso : casos) {
        TResolvedorDePrueba r;
        EXPECT_EQ(Generar(caso.plantilla, r), caso.reporte) << caso.plantilla;
        EXPECT_EQ(r.pedidos, caso.pedidos) << caso.plantilla;
    }
    TResolvedorDePrueba r;
    const std::string conNul("a\0[$1]b", 7);
    EXPECT_EQ(Generar(conNul, r), std::string("a\0<$1>b", 7));
}

TEST(GenerarReporte, UnaPlantillaGrandeSeLeeEntera) {
    // Larger than any fixed buffer a template might be thought to fit in.
    std::string plantilla(40000, 'x');
    plantilla += "[$32]";
    TResolvedorDePrueba r;
    const std::string reporte = Generar(plantilla, r);
    EXPECT_EQ(reporte.size(), 40000u + 5u);
    EXPECT_EQ(reporte.substr(40000), "<$32>");
}

TEST(GenerarReporte, UnErrorDelResolvedorTerminaLaConstruccion) {
    std::string reporte;
    const auto resolver = [](std::string_view id) -> std::string {
        if (id == "$2") throw ErrorReporte("mal");
        return "ok";
    };
    EXPECT_THROW(GenerarReporte("a[$1]b[$2]c[$3]", resolver, reporte), ErrorReporte);
    EXPECT_EQ(reporte, "aokb");
}

TEST(GenerarReporte, LasPiezasSeEscribenEnWindows1252) {
    const std::pair<const char*, const char*> casos[] = {
        {"Diámetro", "Di\xe1metro"},
        {"m³/s", "m\xb3/s"},
        {"Año · ñ Ú", "A\xf1o \xb7 \xf1 \xda"},
        {"€ — “x”", "\x80 \x97 \x93x\x94"},
        {"\\par \\tab ", "\\par \\tab "},
        // Characters beyond the code page are written as RTF Unicode escapes.
        {"≤ λ", "\\u8804? \\u955?"},
        {"\xef\xbf\xbd", "\\u-3?"},
        {"😀", "\\u-10179?\\u-8704?"},
        // Bytes that are not UTF-8 become "?".
        {"a\xe1z", "a?z"},
        {"\xc0\x80", "??"},
        {"\xe2\x82", "??"},
        {"\xed\xa0\x80", "???"},
    };
    for (const auto& [utf8, cp1252] : casos) {
        std::string salida;
        AgregarEnCp1252(utf8, salida);
        EXPECT_EQ(salida, cp1252) << utf8;
    }
}

TEST(NumeroDeIdentificador, ReglasComunes) {
    struct TCaso {
        const char* id;
        int numero;
        // Empty when the identifier reads; otherwise the message of its error.
        const char* mensaje;
    };
    const char* const invalido = "Identificador de reporte [$--] no válido";
    const TCaso casos[] = {
        {"$1", 1, ""},
        {"$32", 32, ""},
        {"$99", 99, ""},
        {"$0", 0, ""},
        {"$-4", -4, ""},
        {"$+7", 7, ""},
        {"$ 12", 12, ""},
        // Characters 2 to 11: what follows the tenth after "$" is not read.
        {"$0000000012xyz", 12, ""},
        {"$2147483647", 2147483647, ""},
        {"", 0, invalido},
        {"#1", 0, invalido},
        {"&1", 0, invalido},
        {"x", 0, invalido},
        {"$1x", 0, "'1x' is not a valid integer value"},
        {"$", 0, "'' is not a valid integer value"},
        {"$12 ", 0, "'12 ' is not a valid integer value"},
        {"$2147483648", 0, "'2147483648' is not a valid integer value"},
        {"$99999999999", 0, "'9999999999' is not a valid integer value"},
        {"$1.5", 0, "'1.5' is not a valid integer value"},
    };
    for (const auto& caso : casos) {
        const std::string mensaje = caso.mensaje;
        try {
            EXPECT_EQ(NumeroDeIdentificador(caso.id), caso.numero) << caso.id;
            EXPECT_EQ(mensaje, "") << caso.id;
        } catch (const ErrorReporte& e) {
            EXPECT_EQ(e.what(), mensaje) << caso.id;
            EXPECT_EQ(mensaje, invalido) << caso.id;
        } catch (const ErrorDeConversion& e) {
            EXPECT_EQ(e.what(), mensaje) << caso.id;
            EXPECT_NE(mensaje, invalido) << caso.id;
        }
    }
}

TEST(LeerPlantilla, LeeTodoOFallaConElNombre) {
    const auto carpeta = std::filesystem::temp_directory_path() / "brovel-plantilla";
    std::filesystem::create_directories(carpeta);
    const auto ruta = (carpeta / "ModeloRep.rtf").string();
    std::string contenido(30000, 'a');
    contenido[100] = '\0';
    contenido += "\xe1[$1]";
    std::ofstream(ruta, std::ios::binary) << contenido;
    EXPECT_EQ(LeerPlantilla(ruta), contenido);

    for (const std::string& mala : {(carpeta / "no-existe.rtf").string(), carpeta.string()}) {
        try {
            LeerPlantilla(mala);
            ADD_FAILURE() << mala;
        } catch (const ErrorReporte& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open file " + mala);
        }
    }
    std::filesystem::remove_all(carpeta);
}

}  // namespace
