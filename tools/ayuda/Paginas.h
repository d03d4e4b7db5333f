// The help's pages: headings numbered, the contents with the real page of each
// heading, and the document laid out on A4 pages with a running header and
// footer, written as PDF. Only QtGui and QtSvg: it runs without a display.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QSizeF>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>

#include <memory>
#include <stdexcept>
#include <vector>

#include "Marcadores.h"

class QPaintDevice;

namespace brovel::ayuda {

// A document that cannot be laid out (a picture it names and nobody supplied, no
// place for the contents); the message says what.
class TErrorPaginas : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TEncabezado {
    int nivel = 1;   // 1 for <h1>, 2 for <h2>
    QString numero;  // "3", "3.2"
    QString titulo;  // as written, without its number
    int pagina = 0;  // 1 is the title page
};

// Numbers the <h1> and <h2> headings of `html` in order ("1", "1.1", "1.2", "2")
// and writes the number before each title; `encabezados` receives them all.
// Comments are left out.
QString NumerarEncabezados(const QString& html, std::vector<TEncabezado>& encabezados);

// The contents: one row per heading with its number, title and page.
QString HtmlDelIndice(const std::vector<TEncabezado>& encabezados);

// Pictures by the name an <img> gives: SVG text, drawn as vectors.
using TImagenes = QMap<QString, QByteArray>;

// The page body in the units of `dispositivo` (its pixels), and the document laid
// out on it.
class TDocumentoPaginado {
public:
    // Lays `html` out (numbered, with its contents filled in at kMarcaIndice) on
    // pages of `cuerpo`, again and again until no heading changes page: filling the
    // contents in can push what follows onto later pages. `dispositivo` gives the
    // resolution the fonts and pictures are measured in; it may be null (the
    // screen's).
    TDocumentoPaginado(const QString& html, const QString& estilo, const TImagenes& imagenes, QPaintDevice* dispositivo,
                       QSizeF cuerpo);
    ~TDocumentoPaginado();

    const std::vector<TEncabezado>& Encabezados() const { return encabezados_; }
    int Paginas() const;
    QTextDocument& Documento() { return *documento_; }
    // The chapter (level-1 heading) a page belongs to, or empty before the first.
    QString CapituloDePagina(int pagina) const;
    // How many layouts it took until the pages stayed put.
    int Pasadas() const { return pasadas_; }

private:
    void Componer(const QString& html);
    void EmpezarCapitulosEnSuPagina();
    void MantenerTitulosConSuTexto();
    int PaginaDe(const QTextBlock& bloque) const;
    std::vector<int> PaginasDeEncabezados() const;

    QString estilo_;
    TImagenes imagenes_;
    QPaintDevice* dispositivo_;
    QSizeF cuerpo_;
    std::unique_ptr<QTextDocument> documento_;
    std::unique_ptr<QObject> manejadorImagenes_;
    std::vector<TEncabezado> encabezados_;
    int pasadas_ = 0;
};

// The document as an A4 PDF at `ruta`: the title page bare, every other page with
// the chapter's title above and "Página n de N" below. Throws TErrorPaginas when
// the file cannot be written.
void EscribirPdf(const QString& html, const QString& estilo, const TImagenes& imagenes, const QString& titulo,
                 const QString& ruta);

}  // namespace brovel::ayuda
