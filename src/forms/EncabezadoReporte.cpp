#include "forms/EncabezadoReporte.h"

#include <algorithm>

#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "forms/FormaBrovel.h"

namespace brovel {

std::string NombreDelProyecto(const TFormaBrovel& forma) {
    // The title reads "Brovel - NOMBRE" once the project has a name, new or saved.
    const std::string& titulo = forma.Titulo();
    constexpr std::string_view kPrefijo = "Brovel - ";
    if (titulo.starts_with(kPrefijo)) return titulo.substr(kPrefijo.size());
    return "Sin Nombre";
}

std::string TextoLiteralRtf(std::string_view texto) {
    std::string r;
    for (const char c : texto) {
        if (c == '\\' || c == '{' || c == '}') r += '\\';
        r += c;
    }
    return r;
}

std::string FechaComoTexto(const std::tm& dia) {
    char texto[40];  // room for any int in each part
    std::snprintf(texto, sizeof texto, "%02d/%02d/%04d", dia.tm_mday, dia.tm_mon + 1, dia.tm_year + 1900);
    return texto;
}

std::string FechaDelReporte() {
    std::tm dia{};
    if (const char* epoca = std::getenv("SOURCE_DATE_EPOCH"); epoca && *epoca) {
        long long segundos = 0;
        const char* fin = epoca + std::char_traits<char>::length(epoca);
        const auto [resto, error] = std::from_chars(epoca, fin, segundos);
        const std::time_t t = static_cast<std::time_t>(segundos);
        if (error == std::errc() && resto == fin && segundos >= 0 && gmtime_r(&t, &dia)) return FechaComoTexto(dia);
    }
    const std::time_t ahora = std::time(nullptr);
    localtime_r(&ahora, &dia);
    return FechaComoTexto(dia);
}

std::string AvisoSinCalcular(const std::vector<std::string>& motivos) {
    std::vector<std::string> distintos;
    for (const std::string& motivo : motivos)
        if (std::find(distintos.begin(), distintos.end(), motivo) == distintos.end()) distintos.push_back(motivo);
    if (distintos.empty()) return "";
    std::string texto = "Algunos resultados no se pudieron calcular con los datos actuales y figuran como «" +
                        std::string(kSinCalcular) + "»:";
    for (const std::string& motivo : distintos) texto += " " + TextoLiteralRtf(motivo) + ".";
    return texto + "\\par ";
}

}  // namespace brovel
