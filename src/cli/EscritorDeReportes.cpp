#include "cli/EscritorDeReportes.h"

#include <QFile>
#include <QGuiApplication>
#include <QString>
#include <QTextDocument>

#include <cstring>
#include <string>

#include "docs/ExportarReporte.h"
#include "docs/LectorRtf.h"

namespace {

// Qt's warnings would break brovel-calc's promise of one line per failure.
void Callar(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

extern "C" int brovel_escribir_reporte(const char* rtf, std::size_t tamano, const char* ruta, const char* titulo,
                                       const char* proyecto, char* motivo, std::size_t tamanoMotivo) {
    const std::string_view texto(rtf, tamano);
    const QString destino = QFile::decodeName(ruta);
    std::string error;
    if (brovel::EsRutaPdf(destino)) {
        // The PDF is laid out by Qt's text document, which needs its fonts: an
        // application without any display.
        qInstallMessageHandler(Callar);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char nombre[] = "brovel-calc";
        static char* argv[] = {nombre, nullptr};
        QGuiApplication aplicacion(argc, argv);
        QTextDocument documento;
        brovel::LeerRtf(texto, documento);
        error = brovel::GuardarPdf(documento, destino, QString::fromUtf8(titulo), QString::fromUtf8(proyecto));
    } else {
        error = brovel::GuardarRtf(texto, destino);
    }
    if (error.empty()) return 0;
    if (tamanoMotivo > 0) {
        const std::size_t n = std::min(error.size(), tamanoMotivo - 1);
        std::memcpy(motivo, error.data(), n);
        motivo[n] = '\0';
    }
    return 1;
}
