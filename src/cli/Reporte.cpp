#include "cli/Reporte.h"

#include <QFile>
#include <QGuiApplication>
#include <QString>
#include <QTextDocument>

#include <filesystem>
#include <functional>
#include <memory>

#include "docs/ExportarReporte.h"
#include "docs/LectorRtf.h"
#include "docs/DatosDelPrograma.h"
#include "forms/FormaBrovel.h"
#include "forms/ReporteBrovel.h"
#include "forms/ReporteZumbrel.h"

namespace brovel {
namespace {

bool TerminaEn(std::string ruta, std::string_view extension) {
    for (char& c : ruta) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ruta.ends_with(extension);
}

// A data file of the program, beside it or in its installation's data folder.
std::string RutaDeDatos(const char* relativa) { return BuscarDato(CarpetaDelEjecutable(), relativa).string(); }

// Qt's warnings would break the promise of one line per failure.
void Callar(QtMsgType tipo, const QMessageLogContext&, const QString& mensaje) {
    if (tipo == QtFatalMsg) Avisar(mensaje.toStdString());
}

int Escribir(const std::function<std::string()>& construir, const std::string& salida, const QString& titulo,
             const std::string& proyecto) {
    std::string rtf;
    try {
        rtf = construir();
    } catch (const std::exception& e) {
        Avisar(std::string("no se pudo generar el reporte: ") + e.what());
        return 1;
    }
    const QString ruta = QFile::decodeName(salida.c_str());
    std::string motivo;
    if (EsRutaPdf(ruta)) {
        // The PDF is laid out by Qt's text document, which needs its fonts: an
        // application without any display.
        qInstallMessageHandler(Callar);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char nombre[] = "brovel-calc";
        static char* argv[] = {nombre, nullptr};
        QGuiApplication aplicacion(argc, argv);
        QTextDocument documento;
        LeerRtf(rtf, documento);
        motivo = GuardarPdf(documento, ruta, titulo, QString::fromStdString(proyecto));
    } else {
        motivo = GuardarRtf(rtf, ruta);
    }
    if (motivo.empty()) return 0;
    Avisar(motivo);
    return 1;
}

}  // namespace

int SepararSalidaDeReporte(const Argumentos& argumentos, std::string& salida, Argumentos& resto) {
    bool haySalida = false;
    for (size_t i = 0; i < argumentos.size(); ++i) {
        if (argumentos[i] != "-o") {
            resto.push_back(argumentos[i]);
            continue;
        }
        if (haySalida) return ArgumentoErroneo("«-o» se dio más de una vez");
        if (i + 1 >= argumentos.size() || argumentos[i + 1].empty())
            return ArgumentoErroneo("«-o» necesita un archivo de salida");
        salida = argumentos[++i];
        haySalida = true;
    }
    if (!haySalida) return ArgumentoErroneo("falta «-o SALIDA.pdf» o «-o SALIDA.rtf»");
    if (!TerminaEn(salida, ".pdf") && !TerminaEn(salida, ".rtf"))
        return ArgumentoErroneo("«-o» necesita un archivo .pdf o .rtf, no «" + TextoMostrable(salida) + "»");
    return 0;
}

int EscribirReporte(TFormaBrovel& forma, const std::string& salida) {
    const auto construir = [&forma] {
        const auto reporte = ConstruirReporte(forma, RutaDeDatos(kModeloReporteBrovel));
        if (!reporte) throw std::runtime_error(forma.TextoEstado());
        return *reporte;
    };
    return Escribir(construir, salida, QStringLiteral("Reporte de Brovel"), forma.NombreProyecto);
}

int EscribirReporte(TFormaZumbrel& forma, const std::string& salida) {
    const auto construir = [&forma] { return ConstruirReporte(forma, RutaDeDatos(kModeloReporteZumbrel)); };
    return Escribir(construir, salida, QStringLiteral("Reporte de Zumbrel"), "");
}

}  // namespace brovel
