// Any bytes as a report template of either window: filling it in never crashes or
// hangs; a template without brackets comes out unchanged; what the resolvers do
// not accept fails with their messages only; and the report, read as the view
// reads it, can be laid out on a page.
#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "SinPantalla.h"
#include "docs/LectorRtf.h"
#include "docs/Reporte.h"
#include "fields/Numeros.h"
#include "forms/FormaBrovel.h"
#include "forms/ReporteBrovel.h"
#include "forms/ReporteZumbrel.h"

namespace {

class TCallado : public brovel::TInterlocutor {
public:
    void MostrarError(const std::string&) override {}
    std::string ElegirProyectoParaAbrir() override { return {}; }
    std::string ElegirProyectoParaGuardar() override { return {}; }
    brovel::TRespuesta PreguntarGuardarCambios(const std::string&) override { return brovel::TRespuesta::No; }
    void MostrarZumbrel() override {}
};

TCallado callado;
std::unique_ptr<brovel::TFormaBrovel> forma;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    CrearAplicacionSinPantalla();
    forma = std::make_unique<brovel::TFormaBrovel>(callado);
    forma->tsErosionShow();
    forma->Zumbrel.EscorrentiaShow();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    if (tamano == 0) return 0;
    // The first byte chooses the window.
    const bool ladera = datos[0] & 1;
    const std::string_view plantilla(reinterpret_cast<const char*>(datos) + 1, tamano - 1);
    std::string reporte;
    try {
        if (ladera)
            brovel::GenerarReporte(
                plantilla, [](std::string_view id) { return brovel::ValorIdentificador(*forma, id); }, reporte);
        else
            brovel::GenerarReporte(
                plantilla, [](std::string_view id) { return brovel::ValorIdentificador(forma->Zumbrel, id); }, reporte);
    } catch (const brovel::ErrorReporte& e) {
        if (std::string_view(e.what()) != brovel::kMensajeIdentificadorInvalido) std::abort();
        return 0;
    } catch (const brovel::ErrorDeConversion& e) {
        // The message quotes the identifier's characters, which may hold a NUL.
        if (!std::string_view(e.what()).starts_with("'")) std::abort();
        return 0;
    }
    if (plantilla.find_first_of("[]") == std::string_view::npos && reporte != plantilla) std::abort();
    QTextDocument documento;
    brovel::LeerRtf(reporte, documento);
    documento.setPageSize(QSizeF(600, 800));
    (void)documento.documentLayout()->documentSize();
    return 0;
}
