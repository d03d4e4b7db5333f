// The help's source filled from the program: markers, the worked examples'
// numbers against a form of their own, the glossary and the table list.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "FormaDePrueba.h"
#include "FuenteAyuda.h"
#include "Glosario.h"
#include "forms/CamposZumbrel.h"
#include "tables/TablasReferencia.h"

using namespace brovel;
using namespace brovel::ayuda;

namespace {

std::optional<std::string> Conocidos(std::string_view nombre) {
    if (nombre == "a") return std::string("uno");
    if (nombre == "b") return std::string("dos");
    if (nombre == "eco") return std::string("{{a}}");
    if (nombre == "vacio") return std::string();
    return std::nullopt;
}

int Apariciones(const std::string& texto, const std::string& buscado) {
    int n = 0;
    for (size_t p = texto.find(buscado); p != std::string::npos; p = texto.find(buscado, p + buscado.size())) ++n;
    return n;
}

// A field as a form of its own shows it, "número unidad".
std::string ComoLoMuestra(const TCantidad& campo) {
    return campo.UnitAsString() == "-" ? campo.Text() : campo.Text() + "\u00a0" + campo.UnitAsString();
}

TEST(Marcadores, SeReemplazanPorLoQueDiceElResolutor) {
    struct Caso {
        const char* fuente;
        const char* esperado;
    };
    const Caso casos[] = {
        {"sin marcadores", "sin marcadores"},
        {"{{a}}", "uno"},
        {"x {{a}} y {{b}} z", "x uno y dos z"},
        {"{{ a }}", "uno"},
        {"{{a}}{{b}}", "unodos"},
        {"[{{vacio}}]", "[]"},
        // What a marker stands for is not searched again.
        {"{{eco}}", "{{a}}"},
        {"una llave { sola y }} suelta", "una llave { sola y }} suelta"},
    };
    for (const auto& c : casos) EXPECT_EQ(LlenarMarcadores(c.fuente, Conocidos), c.esperado) << c.fuente;
}

TEST(Marcadores, UnMarcadorQueNadieConoceDetieneTodoYDiceCualYDonde) {
    struct Caso {
        const char* fuente;
        const char* mensaje;
    };
    const Caso casos[] = {
        {"<p>\n<p>\n{{desconocido}}", "línea 3: marcador desconocido «{{desconocido}}»"},
        {"{{a}} {{euNoExiste.numero}}", "línea 1: marcador desconocido «{{euNoExiste.numero}}»"},
        {"x\n{{}}", "línea 2: marcador vacío «{{}}»"},
        {"{{  }}", "línea 1: marcador vacío «{{}}»"},
        {"{{a", "línea 1: «{{» sin su «}}»"},
        {"{{a\n}}", "línea 1: «{{» sin su «}}»"},
    };
    for (const auto& c : casos) {
        try {
            LlenarMarcadores(c.fuente, Conocidos);
            ADD_FAILURE() << "no falló: " << c.fuente;
        } catch (const TErrorMarcador& error) {
            EXPECT_EQ(std::string(error.what()), c.mensaje) << c.fuente;
        }
    }
}

class EjemploAyudaPrueba : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ejemplo = new TEjemploAyuda(); }
    static void TearDownTestSuite() { delete ejemplo; }
    static TEjemploAyuda* ejemplo;

    // A new project on its Erosión tab, as the window shows it, apart from the example's.
    pruebas::TInterlocutorDePrueba persona;
    TFormaBrovel forma{persona};
    void SetUp() override {
        forma.MostrarPestana(TPestanaBrovel::Erosion);
        forma.Zumbrel.MostrarPestana(TPestanaZumbrel::Escorrentia);
    }
};
TEjemploAyuda* EjemploAyudaPrueba::ejemplo = nullptr;

TEST_F(EjemploAyudaPrueba, CadaCampoDeLasVentanasDaElNumeroYLaUnidadQueMuestra) {
    for (const auto& fila : CamposBrovel()) {
        const std::string nombre(fila.nombre);
        const TCantidad& campo = forma.Campo(nombre);
        EXPECT_EQ(ejemplo->Resolver(nombre), ComoLoMuestra(campo)) << nombre;
        EXPECT_EQ(ejemplo->Resolver(nombre + ".numero"), campo.Text()) << nombre;
        EXPECT_EQ(ejemplo->Resolver(nombre + ".unidad"), campo.UnitAsString()) << nombre;
        EXPECT_EQ(ejemplo->Resolver(nombre + ".titulo"), std::string(fila.titulo)) << nombre;
    }
    for (const auto& fila : CamposZumbrel()) {
        const std::string nombre(fila.nombre);
        EXPECT_EQ(ejemplo->Resolver(nombre), ComoLoMuestra(forma.Zumbrel.Campo(nombre))) << nombre;
    }
}

TEST_F(EjemploAyudaPrueba, LosResultadosDelEjemploSonLosDeUnProyectoNuevo) {
    // The two results the document quotes most, written out.
    EXPECT_EQ(ejemplo->Resolver("euTeEResultado"), forma.euTeEResultado.Text() + "\u00a0ton/ha/año");
    EXPECT_EQ(ejemplo->Resolver("euPsEResultado"), forma.euPsEResultado.Text() + "\u00a0ton");
    EXPECT_EQ(ejemplo->Resolver("euFtEResultado"), forma.euFtEResultado.Text());
    EXPECT_EQ(ejemplo->Resolver("estado.CantidadHe"), std::to_string(forma.Zumbrel.Estado.CantidadHe));
}

TEST_F(EjemploAyudaPrueba, LasGrillasDanUnaFilaDeUnidadesYUnaPorDato) {
    struct Caso {
        const char* nombre;
        const TGrillaResultados& grilla;
    };
    const Caso casos[] = {
        {"filas.lluvia", forma.Zumbrel.GrillaLluvia()},
        {"filas.escorrentia", forma.Zumbrel.GrillaEscorrentia()},
        {"filas.hidrograma", forma.Zumbrel.GrillaHidrograma()},
    };
    for (const auto& c : casos) {
        const std::string filas = ejemplo->Resolver(c.nombre).value_or("");
        EXPECT_EQ(Apariciones(filas, "<tr"), c.grilla.Filas() + 1) << c.nombre;
        EXPECT_NE(filas.find(">" + c.grilla.Celda(0, 1) + "<"), std::string::npos) << c.nombre;
        EXPECT_NE(filas.find(">" + c.grilla.Celda(c.grilla.Filas(), 1) + "<"), std::string::npos) << c.nombre;
    }
    EXPECT_GT(forma.Zumbrel.GrillaHidrograma().Filas(), 1);
}

TEST_F(EjemploAyudaPrueba, ElGraficoDelHidrogramaEsUnaImagenQueElEjemploTrae) {
    const std::string img = ejemplo->Resolver("grafico.hidrograma").value_or("");
    ASSERT_EQ(ejemplo->Imagenes().size(), 1u);
    const auto& [nombre, svg] = *ejemplo->Imagenes().begin();
    EXPECT_NE(img.find("src=\"" + nombre + "\""), std::string::npos) << img;
    EXPECT_TRUE(svg.starts_with("<svg")) << svg.substr(0, 40);
    // One circle per ordinate of the hydrograph.
    EXPECT_EQ(Apariciones(svg, "<circle"), forma.Zumbrel.Estado.CantidadHe);
}

TEST_F(EjemploAyudaPrueba, LoQueNoConoceNoLoInventa) {
    for (const char* nombre : {"euNoExiste", "euTeEResultado.color", "estado.Nada", "estado.", "filas.otra", "", "."})
        EXPECT_EQ(ejemplo->Resolver(nombre), std::nullopt) << nombre;
    EXPECT_THROW(LlenarFuente("<p>{{euTeEResultado}} {{euTeEResultadoo}}</p>", *ejemplo, "1"), TErrorMarcador);
    EXPECT_EQ(LlenarFuente("{{version}} {{indice}}", *ejemplo, "1.2<3"), "1.2&lt;3 " + std::string(kMarcaIndice));
}

TEST(Glosario, CadaCampoAparecePorSuTituloUnaVezPorAyuda) {
    struct Caso {
        const char* ventana;
        const std::vector<TDefinicionCampo>& campos;
    };
    const Caso casos[] = {{"Brovel", CamposBrovel()}, {"Zumbrel", CamposZumbrel()}};
    for (const auto& c : casos) {
        const std::string filas = FilasDeGlosario(c.campos);
        std::set<std::pair<std::string_view, std::string_view>> distintos;
        for (const auto& campo : c.campos) {
            distintos.insert({campo.titulo, campo.ayuda});
            EXPECT_NE(filas.find("<b>" + EscaparHtml(campo.titulo) + "</b>"), std::string::npos) << campo.nombre;
            EXPECT_NE(filas.find(EscaparHtml(campo.ayuda)), std::string::npos) << campo.nombre;
        }
        EXPECT_EQ(Apariciones(filas, "<tr>"), static_cast<int>(distintos.size())) << c.ventana;
    }
}

TEST(Glosario, VaEnOrdenAlfabeticoSinMirarAcentosNiMayusculas) {
    const std::string filas = FilasDeGlosario(CamposZumbrel());
    std::vector<std::string> claves;
    for (size_t p = filas.find("<b>"); p != std::string::npos; p = filas.find("<b>", p + 3))
        claves.push_back(ClaveDeOrden(filas.substr(p + 3, filas.find("</b>", p) - p - 3)));
    EXPECT_TRUE(std::is_sorted(claves.begin(), claves.end()));
    struct Caso {
        const char* antes;
        const char* despues;
    };
    const Caso casos[] = {{"Área", "Biomasa"}, {"abstracción", "Altura"}, {"Índice", "Kilo"}, {"Año", "Anzuelo"}};
    for (const auto& c : casos) EXPECT_LT(ClaveDeOrden(c.antes), ClaveDeOrden(c.despues)) << c.antes;
}

TEST(Glosario, ElRangoSaleDeLaTablaDeCampos) {
    struct Caso {
        const char* campo;
        const char* rango;
    };
    const Caso casos[] = {
        {"euLt", "de 0.9 a 120\u00a0m"},   {"euDt", "desde 0\u00a0%"}, {"euShs", "de 0 a 1"},
        {"euRacmr", "desde 0\u00a0ha/kg"}, {"euTeEResultado", ""},     {"euEt", ""},
    };
    for (const auto& c : casos) EXPECT_EQ(RangoDeCampo(CampoBrovel(c.campo)), c.rango) << c.campo;
    EXPECT_EQ(RangoDeCampo(CampoZumbrel("euNc")), "de 0 a 100");
}

TEST(Glosario, LasTablasVanTodasConSusFilasYSuConversion) {
    const std::string filas = FilasDeTablas();
    EXPECT_EQ(Apariciones(filas, "<tr>"), static_cast<int>(CatalogoDeTablas().size()));
    for (const auto& entrada : CatalogoDeTablas()) {
        const auto tabla = CargarTabla(entrada.codigo);
        ASSERT_TRUE(tabla) << entrada.codigo;
        EXPECT_NE(filas.find(std::string(">") + entrada.codigo + "</td><td>" + EscaparHtml(entrada.titulo) +
                             "</td><td class=\"numero\">" + std::to_string(tabla->CantidadFilas()) + "<"),
                  std::string::npos)
            << entrada.codigo;
    }
    EXPECT_EQ(Apariciones(filas, "÷ 100"), 1);
    EXPECT_EQ(Apariciones(filas, "÷ 10:"), 2);
}

TEST(Glosario, EscaparHtmlNoDejaPasarMarcas) {
    EXPECT_EQ(EscaparHtml("a < b & c > \"d\""), "a &lt; b &amp; c &gt; &quot;d&quot;");
}

}  // namespace
