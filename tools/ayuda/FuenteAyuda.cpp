#include "FuenteAyuda.h"

#include "Glosario.h"
#include "forms/CamposZumbrel.h"

namespace brovel::ayuda {

TResolverMarcador ResolverDeAyuda(TEjemploAyuda& ejemplo, std::string version) {
    return [&ejemplo, version = std::move(version)](std::string_view nombre) -> std::optional<std::string> {
        if (nombre == "indice") return std::string(kMarcaIndice);
        if (nombre == "version") return EscaparHtml(version);
        if (nombre == "glosario.brovel") return FilasDeGlosario(CamposBrovel());
        if (nombre == "glosario.zumbrel") return FilasDeGlosario(CamposZumbrel());
        if (nombre == "tablas") return FilasDeTablas();
        return ejemplo.Resolver(nombre);
    };
}

std::string LlenarFuente(std::string_view fuente, TEjemploAyuda& ejemplo, std::string version) {
    return LlenarMarcadores(fuente, ResolverDeAyuda(ejemplo, std::move(version)));
}

}  // namespace brovel::ayuda
