// Saving a report: its RTF as the template engine wrote it, or the report view's
// document as an A4 PDF with the project's name and page numbers in the footer.
// Both are made whole in memory and then saved as every file of the program is
// (ReemplazarArchivo): the destination is replaced only once all of it is on the
// disk, and a device, a pipe, a folder or a read-only file is never written over.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include <QByteArray>
#include <QString>

class QPagedPaintDevice;
class QPainter;
class QRectF;
class QTextDocument;

namespace brovel {

// Draws extra content (the plots) on a page of its own after the report.
using TPaginaFinal = std::function<void(QPainter& pintor, const QRectF& area)>;

// The document as the bytes of an A4 PDF.
QByteArray PdfDelDocumento(const QTextDocument& documento, const QString& titulo, const QString& proyecto,
                           const TPaginaFinal& paginaFinal = {});

// A report's RTF saved as its path's extension says: as it is, or read into a text
// document and written as PDF (which needs a QGuiApplication). The path is the
// file system's own bytes. Empty on success, otherwise the reason in a sentence.
std::string GuardarReporte(std::string_view rtf, const std::string& ruta, const QString& titulo,
                           const QString& proyecto, const TPaginaFinal& paginaFinal = {});

// Lays `documento` out on A4 pages of `dispositivo` (a PDF or a printer, drawing
// at `resolucion` dots per inch), the page of `paginaFinal` after it, each with the
// footer: `titulo` and `proyecto` on the left, "Página n de m" on the right. The
// number of pages, or -1 when the device cannot be painted on.
int PaginarReporte(QPagedPaintDevice& dispositivo, int resolucion, const QTextDocument& documento,
                   const QString& titulo, const QString& proyecto, const TPaginaFinal& paginaFinal = {});

// Turns off the ligatures of the document's fonts ("fi" set as one glyph), which a
// PDF's text would otherwise hold as one character: "específico" could not be found.
void SinLigaduras(QTextDocument& documento);

// Whether a path names a PDF (by its extension, in any case); otherwise RTF.
bool EsRutaPdf(std::string_view ruta);

}  // namespace brovel
