#include "docs/ExportarReporte.h"

#include "docs/Archivos.h"
#include "docs/LectorRtf.h"

#include <memory>

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>

namespace brovel {
namespace {

constexpr int kResolucion = 300;
// Millimetres: the page's margins and the footer's band inside the bottom margin.
const QMarginsF kMargenes(20, 18, 20, 20);
constexpr double kPie = 9;

void DibujarPie(QPainter& pintor, const QRectF& pagina, const QString& izquierda, const QString& derecha,
                int resolucion) {
    const auto Milimetros = [resolucion](double mm) { return mm / 25.4 * resolucion; };
    const double y = pagina.bottom() + Milimetros(kPie - 4);
    pintor.save();
    pintor.setPen(QPen(QColor(150, 150, 150), Milimetros(0.2)));
    pintor.drawLine(QPointF(pagina.left(), y), QPointF(pagina.right(), y));
    QFont letra(QStringLiteral("DejaVu Sans"));
    letra.setPointSizeF(7.5);
    pintor.setFont(letra);
    pintor.setPen(QColor(90, 90, 90));
    const QRectF banda(pagina.left(), y + Milimetros(1), pagina.width(), Milimetros(5));
    pintor.drawText(banda, Qt::AlignLeft | Qt::AlignTop, izquierda);
    pintor.drawText(banda, Qt::AlignRight | Qt::AlignTop, derecha);
    pintor.restore();
}

}  // namespace

void SinLigaduras(QTextDocument& documento) {
    QTextCharFormat formato;
    formato.setFontLetterSpacingType(QFont::AbsoluteSpacing);
    // Letter spacing turns them off; a twentieth of a pixel changes nothing else.
    formato.setFontLetterSpacing(0.05);
    QTextCursor cursor(&documento);
    cursor.select(QTextCursor::Document);
    cursor.mergeCharFormat(formato);
}

std::string GuardarReporte(std::string_view rtf, const std::string& ruta, const QString& titulo,
                           const QString& proyecto, const TPaginaFinal& paginaFinal) {
    try {
        if (!EsRutaPdf(ruta)) {
            ReemplazarArchivo(ruta, rtf);
        } else {
            QTextDocument documento;
            LeerRtf(rtf, documento);
            const QByteArray pdf = PdfDelDocumento(documento, titulo, proyecto, paginaFinal);
            ReemplazarArchivo(ruta, std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())));
        }
    } catch (const TErrorArchivo& e) {
        return e.what();
    }
    return {};
}

bool EsRutaPdf(std::string_view ruta) {
    if (ruta.size() < 4) return false;
    std::string extension(ruta.substr(ruta.size() - 4));
    for (char& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return extension == ".pdf";
}

QByteArray PdfDelDocumento(const QTextDocument& documento, const QString& titulo, const QString& proyecto,
                           const TPaginaFinal& paginaFinal) {
    QByteArray bytes;
    QBuffer archivo(&bytes);
    archivo.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&archivo);
        pdf.setResolution(kResolucion);
        pdf.setTitle(titulo);
        pdf.setCreator(QStringLiteral("Brovel"));
        if (PaginarReporte(pdf, kResolucion, documento, titulo, proyecto, paginaFinal) < 0)
            throw TErrorArchivo("No se pudo armar el PDF del reporte");
    }
    return bytes;
}

int PaginarReporte(QPagedPaintDevice& dispositivo, int resolucion, const QTextDocument& documento,
                   const QString& titulo, const QString& proyecto, const TPaginaFinal& paginaFinal) {
    const auto Milimetros = [resolucion](double mm) { return mm / 25.4 * resolucion; };
    dispositivo.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kMargenes, QPageLayout::Millimeter));
    // The footer sits in the band at the bottom of the text area.
    const QRectF area = dispositivo.pageLayout()
                            .paintRectPixels(resolucion)
                            .translated(-dispositivo.pageLayout().paintRectPixels(resolucion).topLeft());
    const QRectF cuerpo(area.topLeft(), QSizeF(area.width(), area.height() - Milimetros(kPie)));

    std::unique_ptr<QTextDocument> copia(documento.clone());
    SinLigaduras(*copia);
    copia->documentLayout()->setPaintDevice(&dispositivo);
    copia->setPageSize(cuerpo.size());
    const int paginas = copia->pageCount() + (paginaFinal ? 1 : 0);

    QPainter pintor;
    if (!pintor.begin(&dispositivo)) return -1;
    const QString pieIzquierdo = proyecto.isEmpty() ? titulo : titulo + QStringLiteral(" — ") + proyecto;
    for (int pagina = 0; pagina < paginas; ++pagina) {
        if (pagina > 0) dispositivo.newPage();
        const bool final = paginaFinal && pagina == paginas - 1;
        if (final) {
            paginaFinal(pintor, cuerpo);
        } else {
            pintor.save();
            pintor.setClipRect(cuerpo);
            pintor.translate(0, -pagina * cuerpo.height());
            QAbstractTextDocumentLayout::PaintContext contexto;
            contexto.clip = QRectF(0, pagina * cuerpo.height(), cuerpo.width(), cuerpo.height());
            copia->documentLayout()->draw(&pintor, contexto);
            pintor.restore();
        }
        DibujarPie(pintor, cuerpo, pieIzquierdo, QStringLiteral("Página %1 de %2").arg(pagina + 1).arg(paginas),
                   resolucion);
    }
    return pintor.end() ? paginas : -1;
}

}  // namespace brovel
