// The help's pages without a display: headings numbered, the contents naming the
// page each heading lands on, no heading left alone at the foot of a page, and
// no blank page before a chapter.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextLayout>

#include "Paginas.h"

using namespace brovel::ayuda;

namespace {

// A small page, so that a few paragraphs fill it.
const QSizeF kCuerpo(400, 300);
const QString kEstilo = QStringLiteral("h1 { page-break-before: always; } p { margin: 0px; }");

QString Parrafos(int cantidad) {
    QString html;
    for (int i = 0; i < cantidad; ++i) html += QStringLiteral("<p>renglón %1</p>").arg(i);
    return html;
}

// A numbered heading's text: its number, three blanks that do not break, its title.
QString Titulo(const QString& numero, const QString& titulo) { return numero + QString(3, QChar(0xa0)) + titulo; }

// The page a block's first line lies on, read from the layout directly.
int PaginaDelTexto(QTextDocument& documento, const QString& inicio) {
    for (QTextBlock b = documento.begin(); b.isValid(); b = b.next()) {
        if (!b.text().startsWith(inicio)) continue;
        const double y = documento.documentLayout()->blockBoundingRect(b).top() + b.layout()->lineAt(0).y();
        return static_cast<int>((y + 1) / kCuerpo.height()) + 1;
    }
    return 0;
}

TEST(NumerarEncabezados, NumeraCapitulosYSeccionesEnOrden) {
    std::vector<TEncabezado> e;
    const QString html = NumerarEncabezados(
        "<!-- <h1>no</h1> --><h1>Uno</h1><h2 class=\"x\">A</h2><h2>B</h2><h3>no</h3><h1>Dos</h1><h2>C</h2>", e);
    struct Caso {
        int nivel;
        const char* numero;
        const char* titulo;
    };
    const Caso casos[] = {{1, "1", "Uno"}, {2, "1.1", "A"}, {2, "1.2", "B"}, {1, "2", "Dos"}, {2, "2.1", "C"}};
    ASSERT_EQ(e.size(), std::size(casos));
    for (size_t i = 0; i < e.size(); ++i) {
        EXPECT_EQ(e[i].nivel, casos[i].nivel) << i;
        EXPECT_EQ(e[i].numero, casos[i].numero) << i;
        EXPECT_EQ(e[i].titulo, casos[i].titulo) << i;
    }
    EXPECT_TRUE(html.contains("<h2 class=\"x\"><span class=\"numero\">1.1</span>")) << html.toStdString();
    EXPECT_FALSE(html.contains("<!--"));
}

TEST(DocumentoPaginado, ElIndiceDiceLaPaginaEnQueCaeCadaTitulo) {
    // Forty chapters: the contents take pages of their own and push every chapter on.
    QString html = QStringLiteral("<p style=\"page-break-after: always;\">Portada</p>") + kMarcaIndice;
    for (int c = 1; c <= 40; ++c)
        html += QStringLiteral("<h1>Capítulo %1</h1>").arg(c) + Parrafos(c % 7) +
                QStringLiteral("<h2>Sección %1</h2>").arg(c) + Parrafos(c % 5);
    TDocumentoPaginado documento(html, kEstilo, {}, nullptr, kCuerpo);
    const auto& encabezados = documento.Encabezados();
    ASSERT_EQ(encabezados.size(), 80u);
    EXPECT_GT(encabezados.front().pagina, 3) << "el índice ocupa más de una página";
    for (const TEncabezado& e : encabezados)
        EXPECT_EQ(e.pagina, PaginaDelTexto(documento.Documento(), Titulo(e.numero, e.titulo)))
            << e.numero.toStdString();
    // The contents the reader sees carry those pages.
    const QString texto = documento.Documento().toPlainText();
    EXPECT_TRUE(texto.contains(QStringLiteral("Capítulo 40\n%1").arg(encabezados[78].pagina)));
    EXPECT_EQ(documento.CapituloDePagina(encabezados[78].pagina), QStringLiteral("40  Capítulo 40"));
    EXPECT_EQ(documento.CapituloDePagina(2), QString());
}

TEST(DocumentoPaginado, UnTituloNoQuedaSoloAlPieDeUnaPagina) {
    for (int antes = 1; antes < 40; ++antes) {
        const QString html = QString(kMarcaIndice) + QStringLiteral("<h1>Capítulo</h1>") + Parrafos(antes) +
                             QStringLiteral("<h2>Sección</h2><p>primer renglón</p><h3>Apartado</h3><p>segundo</p>");
        TDocumentoPaginado documento(html, kEstilo, {}, nullptr, kCuerpo);
        QTextDocument& d = documento.Documento();
        EXPECT_EQ(PaginaDelTexto(d, Titulo("1.1", "Sección")), PaginaDelTexto(d, "primer renglón"))
            << antes << " renglones";
        EXPECT_EQ(PaginaDelTexto(d, "Apartado"), PaginaDelTexto(d, "segundo")) << antes << " renglones";
    }
}

TEST(DocumentoPaginado, UnaTablaQueLlenaLaPaginaNoDejaUnaPaginaEnBlanco) {
    for (int filas = 1; filas < 40; ++filas) {
        QString tabla = QStringLiteral("<table>");
        for (int f = 0; f < filas; ++f) tabla += QStringLiteral("<tr><td>fila %1</td></tr>").arg(f);
        const QString html = QString(kMarcaIndice) + QStringLiteral("<h1>Uno</h1>") + tabla +
                             QStringLiteral("</table><h1>Dos</h1><p>fin</p>");
        TDocumentoPaginado documento(html, kEstilo, {}, nullptr, kCuerpo);
        QTextDocument& d = documento.Documento();
        EXPECT_EQ(PaginaDelTexto(d, Titulo("2", "Dos")),
                  PaginaDelTexto(d, QStringLiteral("fila %1").arg(filas - 1)) + 1)
            << filas << " filas";
    }
}

TEST(DocumentoPaginado, LoQueFaltaSeDiceEnLugarDeDibujarUnHueco) {
    EXPECT_THROW(TDocumentoPaginado("<h1>Sin índice</h1>", kEstilo, {}, nullptr, kCuerpo), TErrorPaginas);
    try {
        TDocumentoPaginado(QString(kMarcaIndice) + "<p><img src=\"falta.svg\"/></p>", kEstilo, {}, nullptr, kCuerpo);
        ADD_FAILURE() << "no falló";
    } catch (const TErrorPaginas& error) {
        EXPECT_NE(std::string(error.what()).find("«falta.svg»"), std::string::npos) << error.what();
    }
    const TImagenes imagenes{{"bien.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\"/>"}};
    EXPECT_NO_THROW(TDocumentoPaginado(QString(kMarcaIndice) + "<p><img src=\"bien.svg\"/></p>", kEstilo, imagenes,
                                       nullptr, kCuerpo));
}

}  // namespace

int main(int argc, char** argv) {
    // Fonts and layout need an application, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacion(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
