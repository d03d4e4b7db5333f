#include "forms/CamposZumbrel.h"

#include <stdexcept>
#include <string>

namespace brovel {
namespace {

constexpr long double kInf = kSinLimite;
constexpr auto E = TClaseCampo::Entrada;
constexpr auto L = TClaseCampo::EntradaLibre;
constexpr auto R = TClaseCampo::Resultado;
constexpr long double N = kSinValor;

}  // namespace

const std::vector<TDefinicionCampo>& CamposZumbrel() {
    // clang-format off
    static const std::vector<TDefinicionCampo> campos = {
        // Geometría
        {"euDdpmrhls", "Distancia desde el punto más remoto hasta la salida", "km|1|0;m|1000|0", 3, 0, kInf, 21.79, E,
         "Longitud del recorrido del agua desde el punto más alejado de la cuenca hasta su salida, en kilómetros; debe ser mayor o igual que 0."},
        {"euDntepmrys", "Diferencia de nivel del terreno entre el punto más remoto y la salida", "m|1|0;cm|100|0", 3, 0, kInf, 1020, E,
         "Desnivel entre el punto más alejado de la cuenca y su salida, en metros; debe ser mayor que 0."},
        {"euAc", "Area de la cuenca", "km²|1|0;ha|100|0;m²|1000000|0", 3, 0, kInf, 70.26, E,
         "Superficie de la cuenca que drena hacia la salida, en kilómetros cuadrados; debe ser mayor o igual que 0."},
        {"euTccResultado", "Tiempo de concentración de la cuenca", "hrs|1|0;min|60|0;seg|3600|0", 3, 0, 0, N, R,
         "Tiempo que tarda en llegar a la salida el agua caída en el punto más remoto, en horas (fórmula de Kirpich)."},
        // Suelo
        {"euAi", "Abstracción inicial", "mm|1|0;cm|0.1|0", 3, 0, 0, 18, L,
         "Lluvia que la cuenca retiene antes de que empiece a escurrir (intercepción, almacenamiento en depresiones, infiltración inicial), en milímetros."},
        // Forzantes
        {"euPtsd", "Paso de tiempo de la serie de datos", "min|1|0;seg|60|0;hrs|0.016666666666666666666666666666667|0", 3, 0, kInf, 30, E,
         "Duración de cada paso de la serie de lluvia, en minutos; debe ser mayor que 0."},
        {"euAll", "Altura de lluvia parcial", "mm|1|0;cm|0.1|0;m|0.001|0", 3, 0, kInf, N, E,
         "Lluvia del paso elegido, en milímetros: la caída en ese paso (serie parcial) o la caída desde el comienzo (serie acumulada); debe ser mayor o igual que 0."},
        // Condicionantes
        {"euNc", "Número de curva", "-|1|0", 3, 0, 100, 85, E,
         "Número de curva del método del Servicio de Conservación de Suelos, según el uso, la cobertura y el grupo hidrológico del suelo; se usa su parte entera, de 0 a 100."},
        {"euRpmResultado", "Retención potencial máxima", "mm|1|0;cm|0.1|0", 3, 0, 0, N, R,
         "Lluvia que el suelo puede retener como máximo una vez empezada la escorrentía, en milímetros: 25400 / NC - 254."},
        // Escorrentía
        {"euVteResultado", "Volumen total de escorrentía", "m³|1|0;hm³|0.000001|0;lts|1000|0", 3, 0, 0, N, R,
         "Volumen de agua que escurre por la salida de la cuenca durante toda la tormenta, en metros cúbicos."},
        {"euVtespResultado", "Volumen total específico", "mm|1|0;cm|0.1|0;m|0.001|0", 3, 0, 0, N, R,
         "El volumen total de escorrentía repartido sobre el área de la cuenca, como lámina de agua en milímetros."},
        {"euCpResultado", "Caudal pico", "m³/s|1|0;l/s|1000|0", 3, 0, 0, N, R,
         "El mayor caudal del hidrograma de escorrentía en la salida de la cuenca, en metros cúbicos por segundo."},
    };
    // clang-format on
    return campos;
}

const TDefinicionCampo& CampoZumbrel(std::string_view nombre) {
    for (const auto& campo : CamposZumbrel())
        if (campo.nombre == nombre) return campo;
    throw std::out_of_range("campo desconocido: " + std::string(nombre));
}

}  // namespace brovel
