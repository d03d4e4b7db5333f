// The slope window, with its runoff window, as the report tests use it: the
// templates are the repository's, whatever the tests' own folder holds.
#pragma once

#include <memory>

#include "ui/windows/MainBrovel.h"
#include "ui/windows/MainZumbrel.h"

inline std::unique_ptr<brovel::TMainFormBrovel> VentanaConReportes() {
    auto ventana = std::make_unique<brovel::TMainFormBrovel>(false);
    ventana->RutaModeloReporte = QStringLiteral(BROVEL_REPORTES "/ModeloRep.rtf");
    ventana->Zumbrel()->RutaModeloReporte = QStringLiteral(BROVEL_REPORTES "/ModeloRepZumbrel.rtf");
    return ventana;
}
