#include "forms/ReconocerProyecto.h"

#include <algorithm>
#include <array>
#include <string>

namespace brovel {

namespace {

// The sections a project writes, in lower case; the runoff window's data go in
// sections of their own, all starting "zumbrel_".
constexpr std::array<std::string_view, 5> kSecciones = {"geometria", "suelo", "forzantes", "condicionantes",
                                                        "disipacion"};
constexpr std::string_view kPrefijoZumbrel = "zumbrel_";

bool EsDeProyecto(std::string_view seccion) {
    return std::find(kSecciones.begin(), kSecciones.end(), seccion) != kSecciones.end() ||
           seccion.starts_with(kPrefijoZumbrel);
}

bool EnBlanco(std::string_view texto) { return texto.find_first_not_of(" \t\r\n\v\f") == std::string_view::npos; }

}  // namespace

bool EsTextoBinario(std::string_view texto) {
    // The control bytes no text has: all below 0x20 but the blanks and the old end
    // of file (0x1A), and DEL. Looked up, since every byte of every file is.
    static constexpr auto kBinario = [] {
        std::array<bool, 256> binario{};
        for (int b = 0; b < 0x20; ++b) binario[b] = true;
        for (const int b : {int{'\t'}, int{'\n'}, int{'\r'}, int{'\v'}, int{'\f'}, 0x1A}) binario[b] = false;
        binario[0x7F] = true;
        return binario;
    }();
    return std::any_of(texto.begin(), texto.end(), [](char c) { return kBinario[static_cast<unsigned char>(c)]; });
}

bool EsProyecto(const TArchivoIni& ini) {
    const std::string texto = ini.Texto();
    if (EsTextoBinario(texto)) return false;
    // Texto gives back the byte-order mark the file began with.
    if (EnBlanco(std::string_view(texto).substr(texto.starts_with("\xEF\xBB\xBF") ? 3 : 0))) return true;
    const std::vector<std::string> secciones = ini.Secciones();
    return std::any_of(secciones.begin(), secciones.end(), [](const std::string& s) { return EsDeProyecto(s); });
}

TCarga LeerProyecto(TArchivoIni& ini, const std::string& ruta, std::string& razon) {
    TCarga carga = ini.Leer(ruta, &razon);
    if (carga == TCarga::Leido && !EsProyecto(ini)) {
        carga = TCarga::Rechazado;
        razon = kMensajeNoEsProyecto;
    }
    return carga;
}

}  // namespace brovel
