// The report templates shipped beside the program: what the report engine
// needs of them (each identifier once, no other "]"), and what the reader
// makes of them, raw and with pieces filled in.
#include "docs/LectorRtf.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace brovel {
namespace {

struct TModelo {
    const char* archivo;
    int identificadores;  // [$1] to [$n]
    std::vector<const char*> titulos;
    // The identifiers that stand after a label and a tab, whose values line up.
    std::vector<int> valores;
    // The identifiers whose lines are tables of columns parted by two tabs.
    std::vector<int> tablas;
};

const TModelo kModelos[] = {
    {"ModeloRep.rtf",
     32,
     {"Reporte de Brovel", "Proyecto:", "Fecha:", "1. Geometría", "2. Suelo", "3. Forzantes", "4. Condicionantes",
      "5. Disipación", "6. Erosión"},
     {1, 2, 3, 5, 6, 7, 8, 9, 10, 13, 15, 17, 20, 21, 22, 24, 26},
     {}},
    {"ModeloRepZumbrel.rtf",
     13,
     {"Reporte de Zumbrel", "Proyecto:", "Fecha:", "1. Cuenca", "2. Suelo y abstracción", "3. Lluvia",
      "4. Uso del suelo", "5. Escorrentía", "6. Hidrograma"},
     {6, 10},
     {9, 12, 13}},
};

// The largest template the program has ever read whole.
constexpr size_t kTamanoMaximo = 18000;

std::string LeerArchivo(const std::string& nombre) {
    std::ifstream archivo(std::string(BROVEL_REPORTES) + "/" + nombre, std::ios::binary);
    EXPECT_TRUE(archivo) << nombre;
    std::ostringstream contenido;
    contenido << archivo.rdbuf();
    return contenido.str();
}

// The identifiers as the report engine finds them: "[" followed by "#", "&" or
// "$" opens one, and every "]" closes one, also where none was opened.
std::vector<std::string> Identificadores(std::string_view modelo) {
    std::vector<std::string> encontrados;
    std::string actual;
    bool juntando = false;
    for (size_t i = 0; i < modelo.size(); ++i) {
        const char c = modelo[i];
        if (c == '[' && i + 1 < modelo.size() &&
            std::string_view("#&$").find(modelo[i + 1]) != std::string_view::npos) {
            juntando = true;
        } else if (c == ']') {
            encontrados.push_back(actual);
            actual.clear();
            juntando = false;
        } else if (juntando) {
            actual += c;
        }
    }
    return encontrados;
}

// Every identifier of a template: [$1] to [$n], then the heading's project and
// date, and the line about results not calculated.
std::vector<int> NumerosDe(const TModelo& m) {
    std::vector<int> ids;
    for (int n = 1; n <= m.identificadores; ++n) ids.push_back(n);
    ids.insert(ids.end(), {50, 51, 52});
    return ids;
}

std::string Identificador(int n) { return "[$" + std::to_string(n) + "]"; }

// The template with each identifier replaced by its piece, as the engine does.
std::string Llenar(std::string modelo, const std::map<int, std::string>& piezas) {
    for (const auto& [n, pieza] : piezas) {
        const auto posicion = modelo.find(Identificador(n));
        if (posicion != std::string::npos) modelo.replace(posicion, Identificador(n).size(), pieza);
    }
    return modelo;
}

std::unique_ptr<QTextDocument> Leer(const std::string& rtf) {
    auto documento = std::make_unique<QTextDocument>();
    LeerRtf(rtf, *documento);
    // An A4 page with 2 cm margins at 96 dpi, as it is printed.
    documento->setDocumentMargin(76);
    documento->setPageSize(QSizeF(794, 1123));
    return documento;
}

// Where each appearance of `marca` begins on its line, from the page's margin.
std::vector<int> Columnas(const QTextDocument& documento, const QString& marca) {
    std::vector<int> columnas;
    for (QTextBlock bloque = documento.begin(); bloque.isValid(); bloque = bloque.next()) {
        for (int i = bloque.text().indexOf(marca); i >= 0; i = bloque.text().indexOf(marca, i + 1)) {
            const QTextLine linea = bloque.layout()->lineForTextPosition(i);
            columnas.push_back(qRound(linea.cursorToX(i) + bloque.layout()->position().x()));
        }
    }
    return columnas;
}

TEST(ModelosReporte, TienenCadaIdentificadorUnaVezYNingunOtroCorchete) {
    for (const auto& m : kModelos) {
        const std::string modelo = LeerArchivo(m.archivo);
        EXPECT_LE(modelo.size(), kTamanoMaximo) << m.archivo;
        std::map<std::string, int> veces;
        for (const auto& id : Identificadores(modelo)) ++veces[id];
        for (int n = 1; n <= m.identificadores; ++n)
            EXPECT_EQ(veces["$" + std::to_string(n)], 1) << m.archivo << " [$" << n << "]";
        // The heading's project, date and notice, the same numbers in both templates.
        for (const int n : {50, 51, 52}) EXPECT_EQ(veces["$" + std::to_string(n)], 1) << m.archivo << " [$" << n << "]";
        EXPECT_EQ(veces.size(), static_cast<size_t>(m.identificadores) + 3) << m.archivo;
        // Accented letters go escaped, so that the file reads the same in any editor.
        for (const char c : modelo) EXPECT_LT(static_cast<unsigned char>(c), 0x80) << m.archivo;
    }
}

TEST(ModelosReporte, SeLeenConSusTitulosYSusIdentificadores) {
    for (const auto& m : kModelos) {
        const QString texto = Leer(LeerArchivo(m.archivo))->toPlainText();
        for (const char* titulo : m.titulos) EXPECT_TRUE(texto.contains(QString::fromUtf8(titulo))) << titulo;
        for (const int n : NumerosDe(m))
            EXPECT_EQ(texto.count(QString::fromStdString(Identificador(n))), 1) << m.archivo << " " << n;
        EXPECT_FALSE(texto.contains(u"brovelnota")) << m.archivo;
    }
}

TEST(ModelosReporte, DestacanLosTitulos) {
    for (const auto& m : kModelos) {
        const auto documento = Leer(LeerArchivo(m.archivo));
        const QString texto = documento->toPlainText();
        for (const char* titulo : m.titulos) {
            if (std::string_view(titulo).ends_with(':')) continue;
            QTextCursor cursor(documento.get());
            cursor.setPosition(texto.indexOf(QString::fromUtf8(titulo)) + 1);
            EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold) << titulo;
            EXPECT_GE(cursor.charFormat().fontPointSize(), 12) << titulo;
        }
    }
}

// Pieces with paragraphs, tabs and raw Windows-1252 bytes, as the windows write them.
TEST(ModelosReporte, MuestranLasPiezas) {
    for (const auto& m : kModelos) {
        std::map<int, std::string> piezas;
        for (const int n : NumerosDe(m))
            piezas[n] = "Pieza " + std::to_string(n) + ": 2 m\xB3\\par \\tab Segunda l\xEDnea " + std::to_string(n);
        const QString texto = Leer(Llenar(LeerArchivo(m.archivo), piezas))->toPlainText();
        EXPECT_FALSE(texto.contains(u"[$")) << m.archivo;
        for (const int n : NumerosDe(m)) {
            EXPECT_TRUE(texto.contains(QStringLiteral("Pieza %1: 2 m³\n").arg(n))) << m.archivo << " " << n;
            EXPECT_TRUE(texto.contains(QStringLiteral("\tSegunda línea %1").arg(n))) << m.archivo << " " << n;
        }
    }
}

// The values after the labels start at one column, and so do the columns of
// the tables, whatever the width of what comes before them.
TEST(ModelosReporte, AlineanLosValoresYLasColumnas) {
    for (const auto& m : kModelos) {
        std::map<int, std::string> piezas;
        for (const int n : m.valores) piezas[n] = "VALOR";
        for (const int n : m.tablas)
            piezas[n] =
                "Tiempo: 0.5\\tab \\tab Parcial: 9.4\\tab \\tab Acum.: 9.4\\tab \\tab Hietograma: 18.8\\par "
                "Tiempo : 10.08333\\tab \\tab Parcial: 123.45678\\tab \\tab Acum.: 1234.56789\\tab \\tab "
                "Hietograma: 246.91356\\par "
                "Tiempo : 1\\tab \\tab Vol/Area: 0\\tab \\tab Acum.: 0\\tab \\tab Hietograma: 0";
        const auto documento = Leer(Llenar(LeerArchivo(m.archivo), piezas));
        for (const char* marca : {"VALOR", "Parcial", "Vol/Area", "Acum.", "Hietograma"}) {
            const auto columnas = Columnas(*documento, marca);
            for (const int x : columnas) EXPECT_EQ(x, columnas.front()) << m.archivo << " " << marca;
        }
        EXPECT_EQ(Columnas(*documento, "VALOR").size(), m.valores.size()) << m.archivo;
        EXPECT_EQ(Columnas(*documento, "Hietograma").size(), 3 * m.tablas.size()) << m.archivo;
    }
}

}  // namespace
}  // namespace brovel
