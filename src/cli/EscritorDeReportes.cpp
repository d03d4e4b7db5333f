#include "cli/EscritorDeReportes.h"

#include <QGuiApplication>
#include <QString>

#include <algorithm>
#include <cstring>
#include <string>

#include "docs/ExportarReporte.h"

namespace {

// Qt's warnings would break brovel-calc's promise of one line per failure.
void Callar(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

extern "C" int brovel_escribir_reporte(const char* rtf, std::size_t tamano, const char* ruta, const char* titulo,
                                       const char* proyecto, char* motivo, std::size_t tamanoMotivo) {
    // The PDF is laid out by Qt's text document, which needs its fonts: an
    // application without any display.
    qInstallMessageHandler(Callar);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nombre[] = "brovel-calc";
    static char* argv[] = {nombre, nullptr};
    QGuiApplication aplicacion(argc, argv);
    // The path goes to the file system as the bytes it was given.
    const std::string error = brovel::GuardarReporte(std::string_view(rtf, tamano), ruta, QString::fromUtf8(titulo),
                                                     QString::fromUtf8(proyecto));
    if (error.empty()) return 0;
    if (tamanoMotivo > 0) {
        const std::size_t n = std::min(error.size(), tamanoMotivo - 1);
        std::memcpy(motivo, error.data(), n);
        motivo[n] = '\0';
    }
    return 1;
}
