#include "forms/BotonesDeTabla.h"

namespace brovel {

const std::vector<TBotonDeTabla>& BotonesDeTablaBrovel() {
    // clang-format off
    static const std::vector<TBotonDeTabla> botones = {
        // button     table  field
        {"BitBtn4", "TS3", "euBvs"},
        {"BitBtn3", "TS4", "euBvs"},
        {"BitBtn5", "TC4", "euFatc"},
        {"BitBtn6", "TC5", "euAmf"},
        {"bbSTC1",  "TC1", "euRacmr"},
        {"BitBtn7", "TC6", "euPsrua"},
        {"bbSTC2",  "TC2", "euFps"},
        {"bbSTC3",  "TC3", "euFps"},
        {"BitBtn1", "TD1", "euRast"},
        {"BitBtn2", "TD2", "euRast"},
        {"bbSTD3",  "TD3", "euCmst"},
        {"bbSTD4",  "TD4", "euIrst"},
    };
    // clang-format on
    return botones;
}

const TBotonDeTabla* BotonDeTablaBrovel(std::string_view nombre) {
    for (const TBotonDeTabla& boton : BotonesDeTablaBrovel())
        if (boton.nombre == nombre) return &boton;
    return nullptr;
}

std::optional<TTablaZumbrel> TablaDeBotonZumbrel(std::string_view nombre) {
    static constexpr std::pair<std::string_view, TTablaZumbrel> kBotones[] = {
        {"bbSTC1", TTablaZumbrel::GruposHidrologicos},
        {"BitBtn1", TTablaZumbrel::GruposPerturbados},
        {"BitBtn6", TTablaZumbrel::Abstraccion},
        {"BitBtn2", TTablaZumbrel::NumeroDeCurva},
    };
    for (const auto& [boton, tabla] : kBotones)
        if (boton == nombre) return tabla;
    return std::nullopt;
}

}  // namespace brovel
