#include "Paginas.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <QTextObjectInterface>
#include <QTextTable>

namespace brovel::ayuda {
namespace {

constexpr int kPasadasMaximas = 6;
// Device pixels a heading may lie above the top of its page.
constexpr double kHolgura = 1;

// Page geometry in millimetres.
constexpr double kMargenIzquierdo = 24, kMargenDerecho = 22, kMargenSuperior = 24, kMargenInferior = 24;
constexpr int kResolucionPdf = 600;

// Without ligatures, so that "fi" stays two letters a reader can search for and
// copy; the document's styles change the family and size, not this.
QFont Letra(const QString& familia, int puntos) {
    QFont letra(familia, puntos);
    letra.setStyleStrategy(QFont::PreferNoShaping);
    return letra;
}

QString TextoLlano(const QString& html) { return QTextDocumentFragment::fromHtml(html).toPlainText().trimmed(); }

}  // namespace

// Draws every <img> of the document from its SVG text, as vectors; a picture's
// size is given in CSS pixels, like a screen's, and follows the device.
class TManejadorSvg : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    TManejadorSvg(const TImagenes& imagenes, QPaintDevice* dispositivo, double anchoCuerpo)
        : imagenes_(imagenes), dispositivo_(dispositivo), anchoCuerpo_(anchoCuerpo) {}

    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat& formato) override {
        const QTextImageFormat imagen = formato.toImageFormat();
        QSvgRenderer dibujo(imagenes_.value(imagen.name()));
        const QSizeF natural = dibujo.isValid() ? QSizeF(dibujo.defaultSize()) : QSizeF(100, 100);
        double ancho = imagen.width() > 0 ? imagen.width() : natural.width();
        double alto = imagen.height() > 0 ? imagen.height() : ancho * natural.height() / natural.width();
        const double escala = dispositivo_ ? dispositivo_->logicalDpiX() / 96.0 : 1.0;
        ancho *= escala;
        alto *= escala;
        if (ancho > anchoCuerpo_) {
            alto *= anchoCuerpo_ / ancho;
            ancho = anchoCuerpo_;
        }
        return {ancho, alto};
    }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat& formato) override {
        QSvgRenderer dibujo(imagenes_.value(formato.toImageFormat().name()));
        dibujo.setAspectRatioMode(Qt::KeepAspectRatio);
        dibujo.render(painter, rect);
    }

private:
    TImagenes imagenes_;
    QPaintDevice* dispositivo_;
    double anchoCuerpo_;
};

QString NumerarEncabezados(const QString& fuente, std::vector<TEncabezado>& encabezados) {
    static const QRegularExpression encabezado(QStringLiteral("<h([12])(\\s[^>]*)?>(.*?)</h\\1>"),
                                               QRegularExpression::DotMatchesEverythingOption);
    // A comment may speak of headings; it is dropped first.
    static const QRegularExpression comentario(QStringLiteral("<!--.*?-->"),
                                               QRegularExpression::DotMatchesEverythingOption);
    const QString html = QString(fuente).remove(comentario);
    encabezados.clear();
    QString resultado;
    int capitulo = 0, seccion = 0;
    qsizetype desde = 0;
    for (auto it = encabezado.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        TEncabezado e;
        e.nivel = m.captured(1).toInt();
        e.titulo = m.captured(3).trimmed();
        if (e.nivel == 1) {
            ++capitulo;
            seccion = 0;
            e.numero = QString::number(capitulo);
        } else {
            e.numero = QStringLiteral("%1.%2").arg(capitulo).arg(++seccion);
        }
        resultado += html.mid(desde, m.capturedStart() - desde);
        resultado += QStringLiteral("<h%1%2><span class=\"numero\">%3</span>&#160;&#160;&#160;%4</h%1>")
                         .arg(m.captured(1), m.captured(2), e.numero, e.titulo);
        desde = m.capturedEnd();
        encabezados.push_back(e);
    }
    resultado += html.mid(desde);
    return resultado;
}

QString HtmlDelIndice(const std::vector<TEncabezado>& encabezados) {
    QString filas;
    for (const TEncabezado& e : encabezados) {
        const QString clase = e.nivel == 1 ? QStringLiteral("indice1") : QStringLiteral("indice2");
        filas += QStringLiteral(
                     "<tr><td class=\"%1\" width=\"%2\">%3</td><td class=\"%1\">%4</td>"
                     "<td class=\"%1\" align=\"right\">%5</td></tr>\n")
                     .arg(clase, e.nivel == 1 ? QStringLiteral("7%") : QStringLiteral("9%"),
                          e.nivel == 1 ? e.numero : QString(),
                          e.nivel == 1 ? e.titulo : e.numero + QStringLiteral("&#160;&#160;") + e.titulo)
                     .arg(e.pagina);
    }
    return QStringLiteral("<table class=\"indice\" width=\"100%\" cellspacing=\"0\" cellpadding=\"3\">\n") + filas +
           QStringLiteral("</table>\n");
}

TDocumentoPaginado::TDocumentoPaginado(const QString& html, const QString& estilo, const TImagenes& imagenes,
                                       QPaintDevice* dispositivo, QSizeF cuerpo)
    : estilo_(estilo), imagenes_(imagenes), dispositivo_(dispositivo), cuerpo_(cuerpo) {
    const QString numerado = NumerarEncabezados(html, encabezados_);
    if (!numerado.contains(QLatin1String(kMarcaIndice)))
        throw TErrorPaginas("el documento no dice dónde va el índice ({{indice}})");
    for (pasadas_ = 1; pasadas_ <= kPasadasMaximas; ++pasadas_) {
        QString conIndice = numerado;
        Componer(conIndice.replace(QLatin1String(kMarcaIndice), HtmlDelIndice(encabezados_)));
        const std::vector<int> paginas = PaginasDeEncabezados();
        bool quietas = true;
        for (size_t i = 0; i < encabezados_.size(); ++i) {
            quietas = quietas && encabezados_[i].pagina == paginas[i];
            encabezados_[i].pagina = paginas[i];
        }
        if (quietas) return;
    }
    throw TErrorPaginas("las páginas del índice no se asientan");
}

TDocumentoPaginado::~TDocumentoPaginado() = default;

void TDocumentoPaginado::Componer(const QString& html) {
    documento_ = std::make_unique<QTextDocument>();
    documento_->setDocumentMargin(0);
    documento_->setDefaultFont(Letra(QStringLiteral("DejaVu Serif"), 10));
    documento_->setDefaultStyleSheet(estilo_);
    QAbstractTextDocumentLayout* disposicion = documento_->documentLayout();
    if (dispositivo_) disposicion->setPaintDevice(dispositivo_);
    manejadorImagenes_ = std::make_unique<TManejadorSvg>(imagenes_, dispositivo_, cuerpo_.width());
    disposicion->registerHandler(QTextFormat::ImageObject, manejadorImagenes_.get());
    documento_->setPageSize(cuerpo_);
    documento_->setHtml(html);

    for (QTextBlock bloque = documento_->begin(); bloque.isValid(); bloque = bloque.next()) {
        for (auto it = bloque.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat formato = it.fragment().charFormat();
            if (!formato.isImageFormat()) continue;
            const QString nombre = formato.toImageFormat().name();
            if (!imagenes_.contains(nombre) || !QSvgRenderer(imagenes_.value(nombre)).isValid())
                throw TErrorPaginas("no hay una imagen SVG válida llamada «" + nombre.toStdString() + "»");
        }
    }
    EmpezarCapitulosEnSuPagina();
    (void)disposicion->documentSize();
    MantenerTitulosConSuTexto();
}

void TDocumentoPaginado::EmpezarCapitulosEnSuPagina() {
    // A table always ends in an empty paragraph. Before a chapter, which starts a
    // page of its own, that paragraph could spill over onto a page by itself and
    // leave it blank; so it is hidden, and the table ends the page instead.
    for (QTextBlock bloque = documento_->begin(); bloque.isValid(); bloque = bloque.next()) {
        QTextBlock anterior = bloque.previous();
        if (bloque.blockFormat().headingLevel() != 1 || !anterior.isValid() || !anterior.text().isEmpty()) continue;
        QTextTable* tabla = QTextCursor(anterior.previous()).currentTable();
        if (!tabla) continue;
        QTextFrameFormat formatoTabla = tabla->frameFormat();
        formatoTabla.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
        tabla->setFrameFormat(formatoTabla);
        QTextBlockFormat sinSalto;
        sinSalto.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
        QTextCursor(bloque).mergeBlockFormat(sinSalto);
        anterior.setVisible(false);
    }
    documento_->markContentsDirty(0, documento_->characterCount());
}

int TDocumentoPaginado::PaginaDe(const QTextBlock& bloque) const {
    // The first line's place, not the block's: a block pushed to the next page
    // leaves its top margin behind. The layout rounds places to 1/64 of a pixel,
    // so a line at the top of a page may sit a hair above its edge.
    double y = documento_->documentLayout()->blockBoundingRect(bloque).top();
    const QTextLayout* disposicion = bloque.layout();
    if (disposicion && disposicion->lineCount() > 0) y += disposicion->lineAt(0).y();
    return static_cast<int>((y + kHolgura) / cuerpo_.height()) + 1;
}

void TDocumentoPaginado::MantenerTitulosConSuTexto() {
    // A heading left alone at the foot of a page moves to the next one, one at a
    // time, since each move shifts everything after it.
    for (bool movido = true; movido;) {
        movido = false;
        for (QTextBlock bloque = documento_->begin(); bloque.isValid() && !movido; bloque = bloque.next()) {
            const QTextBlockFormat formato = bloque.blockFormat();
            const QTextBlock siguiente = bloque.next();
            if (formato.headingLevel() < 1 || formato.headingLevel() > 3 || !siguiente.isValid()) continue;
            if (formato.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) continue;
            if (PaginaDe(bloque) == PaginaDe(siguiente)) continue;
            QTextBlockFormat salto;
            salto.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(bloque).mergeBlockFormat(salto);
            movido = true;
        }
    }
}

std::vector<int> TDocumentoPaginado::PaginasDeEncabezados() const {
    std::vector<int> paginas;
    for (QTextBlock bloque = documento_->begin(); bloque.isValid(); bloque = bloque.next()) {
        const int nivel = bloque.blockFormat().headingLevel();
        if (nivel < 1 || nivel > 2) continue;
        paginas.push_back(PaginaDe(bloque));
    }
    if (paginas.size() != encabezados_.size())
        throw TErrorPaginas("se numeraron " + std::to_string(encabezados_.size()) + " títulos y el documento tiene " +
                            std::to_string(paginas.size()));
    return paginas;
}

int TDocumentoPaginado::Paginas() const { return documento_->pageCount(); }

QString TDocumentoPaginado::CapituloDePagina(int pagina) const {
    QString capitulo;
    for (const TEncabezado& e : encabezados_)
        if (e.nivel == 1 && e.pagina <= pagina) capitulo = e.numero + QStringLiteral("  ") + TextoLlano(e.titulo);
    return capitulo;
}

void EscribirPdf(const QString& html, const QString& estilo, const TImagenes& imagenes, const QString& titulo,
                 const QString& ruta) {
    QPdfWriter pdf(ruta);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(kResolucionPdf);
    pdf.setTitle(titulo);
    pdf.setCreator(QStringLiteral("Brovel"));
    const double mm = kResolucionPdf / 25.4;
    const QSizeF cuerpo(pdf.width() - (kMargenIzquierdo + kMargenDerecho) * mm,
                        pdf.height() - (kMargenSuperior + kMargenInferior) * mm);
    TDocumentoPaginado documento(html, estilo, imagenes, &pdf, cuerpo);

    QPainter pintor;
    if (!pintor.begin(&pdf)) throw TErrorPaginas("no se puede escribir «" + ruta.toStdString() + "»");
    const QFont letraMarginal = Letra(QStringLiteral("DejaVu Sans"), 8);
    const QColor gris(0x55, 0x5f, 0x6d);
    const int paginas = documento.Paginas();
    for (int p = 1; p <= paginas; ++p) {
        if (p > 1) pdf.newPage();
        pintor.save();
        pintor.translate(kMargenIzquierdo * mm, kMargenSuperior * mm - (p - 1) * cuerpo.height());
        documento.Documento().drawContents(&pintor, QRectF(QPointF(0, (p - 1) * cuerpo.height()), cuerpo));
        pintor.restore();
        if (p == 1) continue;

        // The running header names the chapter; the footer numbers the page.
        pintor.setFont(letraMarginal);
        pintor.setPen(QPen(gris, 0.25 * mm));
        const double izquierda = kMargenIzquierdo * mm, derecha = pdf.width() - kMargenDerecho * mm;
        const double arriba = (kMargenSuperior - 8) * mm, abajo = pdf.height() - (kMargenInferior - 10) * mm;
        pintor.drawLine(QPointF(izquierda, arriba + 1.5 * mm), QPointF(derecha, arriba + 1.5 * mm));
        pintor.drawLine(QPointF(izquierda, abajo - 4.5 * mm), QPointF(derecha, abajo - 4.5 * mm));
        const QRectF lineaSuperior(izquierda, arriba - 5 * mm, derecha - izquierda, 5 * mm);
        const QRectF lineaInferior(izquierda, abajo - 3.5 * mm, derecha - izquierda, 5 * mm);
        pintor.drawText(lineaSuperior, Qt::AlignLeft | Qt::AlignBottom, titulo);
        const QString capitulo = documento.CapituloDePagina(p);
        pintor.drawText(lineaSuperior, Qt::AlignRight | Qt::AlignBottom,
                        capitulo.isEmpty() ? QStringLiteral("Índice") : capitulo);
        pintor.drawText(lineaInferior, Qt::AlignRight | Qt::AlignTop,
                        QStringLiteral("Página %1 de %2").arg(p).arg(paginas));
    }
    if (!pintor.end()) throw TErrorPaginas("no se pudo terminar «" + ruta.toStdString() + "»");
}

}  // namespace brovel::ayuda

#include "Paginas.moc"
