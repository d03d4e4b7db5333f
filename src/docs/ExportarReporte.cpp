#include "docs/ExportarReporte.h"

#include "docs/LectorRtf.h"

#include <memory>

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>

namespace brovel {
namespace {

constexpr int kResolucion = 300;
// Millimetres: the page's margins and the footer's band inside the bottom margin.
const QMarginsF kMargenes(20, 18, 20, 20);
constexpr double kPie = 9;

std::string Motivo(const QSaveFile& archivo, const QString& ruta) {
    return QStringLiteral("No se pudo guardar «%1»: %2").arg(ruta, archivo.errorString()).toStdString();
}

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

std::string GuardarReporte(std::string_view rtf, const QString& ruta, const QString& titulo, const QString& proyecto,
                           const TPaginaFinal& paginaFinal) {
    if (!EsRutaPdf(ruta)) return GuardarRtf(rtf, ruta);
    QTextDocument documento;
    LeerRtf(rtf, documento);
    return GuardarPdf(documento, ruta, titulo, proyecto, paginaFinal);
}

bool EsRutaPdf(const QString& ruta) { return QFileInfo(ruta).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0; }

std::string GuardarRtf(std::string_view rtf, const QString& ruta) {
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly) || archivo.write(rtf.data(), static_cast<qint64>(rtf.size())) !=
                                                    static_cast<qint64>(rtf.size()))
        return Motivo(archivo, ruta);
    if (!archivo.commit()) return Motivo(archivo, ruta);
    return {};
}

std::string GuardarPdf(const QTextDocument& documento, const QString& ruta, const QString& titulo,
                       const QString& proyecto, const TPaginaFinal& paginaFinal) {
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly)) return Motivo(archivo, ruta);
    {
        QPdfWriter pdf(&archivo);
        pdf.setResolution(kResolucion);
        pdf.setTitle(titulo);
        pdf.setCreator(QStringLiteral("Brovel"));
        if (PaginarReporte(pdf, kResolucion, documento, titulo, proyecto, paginaFinal) < 0)
            return QStringLiteral("No se pudo escribir el PDF «%1»").arg(ruta).toStdString();
    }
    if (!archivo.commit()) return Motivo(archivo, ruta);
    return {};
}

int PaginarReporte(QPagedPaintDevice& dispositivo, int resolucion, const QTextDocument& documento,
                   const QString& titulo, const QString& proyecto, const TPaginaFinal& paginaFinal) {
    const auto Milimetros = [resolucion](double mm) { return mm / 25.4 * resolucion; };
    dispositivo.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kMargenes, QPageLayout::Millimeter));
    // The footer sits in the band at the bottom of the text area.
    const QRectF area = dispositivo.pageLayout().paintRectPixels(resolucion).translated(
        -dispositivo.pageLayout().paintRectPixels(resolucion).topLeft());
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
