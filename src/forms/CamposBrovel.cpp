#include "forms/CamposBrovel.h"

#include <stdexcept>
#include <string>

namespace brovel {
namespace {

// Unit lists shared by several fields. The first item is the base unit.
constexpr std::string_view kAdimensional = "-|1|0";
constexpr std::string_view kPendiente = "%|1|0;1V/xH|2|0";
constexpr std::string_view kLongitud = "m|1|0;km|0.001|0";
constexpr std::string_view kDiametro = "mm|1|0;cm|0.1|0;m|0.001|0;µm|1000|0";
constexpr std::string_view kPorcentaje = "%|1|0";
constexpr std::string_view kBiomasa = "kg/ha/cm|1|0;g/ha/cm|1000|0;g/m2/cm|0.1|0";
constexpr std::string_view kPaso = "min|1|0;seg|60|0;hrs|0.016666666666666666666666666666667|0";
constexpr std::string_view kLluvia = "mm|1|0;cm|0.1|0;m|0.001|0";
constexpr std::string_view kErosividad = "MJ/ha mm/hr|1|0";
constexpr std::string_view kFraccion = "-|1|0;%|100|0";
constexpr std::string_view kAltura = "cm|1|0;mm|10|0;m|0.01|0";
constexpr std::string_view kAnios = "años|1|0;meses|12|0;días|365|0";
constexpr std::string_view kAnio = "año|1|0;meses|12|0;días|365|0";
constexpr std::string_view kTasa = "ton/ha/año|1|0;kg/ha/año|1000|0;kg/m²/año|0.1|0";
constexpr std::string_view kMasa = "ton|1|0;kg|1000|0";

constexpr long double kInf = kSinLimite;
constexpr auto E = TClaseCampo::Entrada;
constexpr auto L = TClaseCampo::EntradaLibre;
constexpr auto S = TClaseCampo::EntradaSinAviso;
constexpr auto R = TClaseCampo::Resultado;
constexpr long double N = kSinValor;

}  // namespace

const std::vector<TDefinicionCampo>& CamposBrovel() {
    // clang-format off
    static const std::vector<TDefinicionCampo> campos = {
        // name             caption                                                         units         dec  min  max   default  kind
        // Geometría
        {"euDt",    "Pendiente del Brovel",                                             kPendiente,    3,  0,   kInf, 6,       E},
        {"euLt",    "Longitud del Brovel",                                              kLongitud,     3,  0.9, 120,  60,      E},
        // Suelo
        {"euCpcg",  "Cantidad de puntos de curva granométrica",                         kAdimensional, 3,  0,   20,   9,       E},
        {"euDg",    "Diámetro de grano",                                                kDiametro,     5,  0,   kInf, N,       E},
        {"euPp",    "Porcentaje pasante",                                               kPorcentaje,   3,  0,   100,  N,       E},
        {"euDm",    "Diámetro medio",                                                   kDiametro,     3,  0,   kInf, 0.05,    E},
        {"euPl",    "Porcentaje de limos (15-20 cm superiores)",                        kPorcentaje,   3,  0,   100,  60,      E},
        {"euPlm",   "Porcentaje de limos modificado (15-20 cm superiores)",             kPorcentaje,   3,  0,   100,  80,      E},
        {"euPa",    "Porcentaje de arenas (15-20 cm superiores)",                       kPorcentaje,   3,  0,   100,  30,      E},
        {"euPmo",   "Porcentaje de materia orgánica (15-20 cm superiores)",             kPorcentaje,   3,  0,   100,  5,       E},
        {"euShs",   "Subfactor de humedad del suelo (SM)",                              kAdimensional, 3,  0,   1,    1,       E},
        {"euBvs",   "Biomasa vegetal subsuperficial",                                   kBiomasa,      3,  0,   kInf, 60,      E},
        {"euBrvs",  "Biomasa de residuo vegetal subsuperficial",                        kBiomasa,      3,  0,   kInf, 5,       E},
        {"euFesResultado", "Factor de erosibilidad del suelo (K)",                      "ton h/MJ/mm|1|0", 3, 0, 0,   N,       R},
        {"euFtResultado",  "Factor topográfico (LS)",                                   kAdimensional, 3,  0,   0,    N,       R},
        {"euDMResultado",  "Diametro Medio",                                            kDiametro,     3,  0,   0,    N,       R},
        // Forzantes
        {"euPth",   "Paso temporal del hietograma",                                     kPaso,         3,  0,   kInf, 10,      E},
        {"euCta",   "Cantidad de tormentas por año",                                    kAdimensional, 3,  0,   kInf, 15,      E},
        {"euPths",  "Paso temporal de los hietogramas",                                 kPaso,         3,  0,   0,    30,      L},
        {"euEt",    "Energía de la tormenta",                                           "MJ/ha|1|0;kJ/ha|1000|0;kJ/m²|0.1|0", 3, 0, 0, 50, L},
        {"euMi30m", "Máxima intensidad de 30 minutos",                                  "mm/h|1|0;cm/h|0.1|0;m/h|0.001|0", 3, 0, 0, 55, L},
        {"euFele",  "Factor de erosividad de lluvia escorrentía",                       kErosividad,   3,  0,   kInf, 41100,   E},
        {"euCll",   "Cantidad de lluvia",                                               kLluvia,       5,  0,   kInf, N,       E},
        {"euCll1",  "Cantidad de lluvia",                                               kLluvia,       5,  0,   kInf, N,       S},
        {"euPth2",  "Paso temporal del hietograma",                                     kPaso,         3,  0,   kInf, 30,      E},
        {"euCll2",  "Cantidad de lluvia",                                               kLluvia,       5,  0,   kInf, N,       E},
        {"euCe",    "Cantidad de escorrentía",                                          "mm|1|0",      3,  0,   kInf, 66,      E},
        {"euPth3",  "Paso temporal del hietograma",                                     kPaso,         3,  0,   kInf, 30,      E},
        {"euCll3",  "Cantidad de lluvia",                                               kLluvia,       5,  0,   kInf, N,       E},
        {"euVp",    "Volumen Precipitado",                                              "m³|1|0;hm³|0.000001|0;lts|1000|0", 3, 0, kInf, 2000, E},
        {"euCp",    "Caudal Pico",                                                      "m³/s|1|0;lts/s|1000|0", 3, 0, kInf, 100, E},
        {"euFdeResultado",   "Factor de energía (EI)",                                  kErosividad,   3,  0,   0,    N,       R},
        {"euFelleResultado", "Factor de erosividad de lluvia-escorrentía (R)",          kErosividad,   3,  0,   0,    N,       R},
        {"euVeeResultado",   "Volumen escurrido para el evento",                        "m³|1|0",      3,  0,   0,    N,       R},
        {"euCpeResultado",   "Caudal pico del evento",                                  "m³/s|1|0",    3,  0,   0,    N,       R},
        {"euFpResultado",    "Factor de producción (X)",                                "MJ mm/h|1|0", 3,  0,   0,    N,       R},
        {"euTecrResultado",  "Tasa de erosión para condiciones de referencia (A)",      kTasa,         3,  0,   0,    N,       R},
        {"euPspcrResultado", "Producción de sedimentos para condiciones de referencia (T)", kMasa,     3,  0,   0,    N,       R},
        {"euCEResultado",    "Cantidad de escorrentía",                                 "mm|1|0",      3,  0,   0,    N,       R},
        // Condicionantes
        {"euFatc",  "Fracción de área del terreno cubierta",                            kFraccion,     3,  0,   kInf, 0.8,     E},
        {"euAmf",   "Altura media del follaje",                                         kAltura,       3,  0,   kInf, 52,      E},
        {"euTtfo",  "Tiempo transcurrido desde la finalización de las operaciones",     kAnios,        3,  0,   kInf, 2,       E},
        {"euFapo",  "Fracción de área perturbada por las operaciones",                  kFraccion,     3,  0,   kInf, 1,       E},
        {"euRacmr", "Relación área cubierta a masa de residuo",                         "ha/kg|1|0;ha/g|0.001|0;m²/g|10|0", 6, 0, kInf, 0.00034, E},
        {"euPsrua", "Peso seco del residuo por unidad de área",                         "kg/ha|1|0;g/ha|1000|0;g/m²|0.1|0", 3, 0, kInf, 1065, E},
        {"euPs",    "Pendiente de los surcos",                                          kPendiente,    6,  0,   kInf, 4,       E},
        {"euAl",    "Altura de los lomos",                                              kAltura,       3,  0,   kInf, 6,       E},
        {"euFps",   "Factor de práctica de soporte",                                    kAdimensional, 6,  0,   1,    1,       E},
        {"euEet",   "Espaciamiento entre terrazas",                                     "m|1|0",       3,  0,   kInf, 4,       E},
        {"euPt",    "Pendiente de la terraza",                                          kPendiente,    6,  0,   kInf, 1,       E},
        {"euTfp",   "Tiempo desde que fue perturbado",                                  kAnio,         3,  0,   kInf, 4,       E},
        {"euCtc",   "Constante de tiempo de consolidación",                             kAnio,         6,  0,   kInf, 1,       E},
        {"euFliii", "Fracción de lluvia infiltrada en el instante inicial",             kAdimensional, 6,  0,   kInf, 0.4,     E},
        {"euFcss",  "Factor de consolidación del suelo superficial (Cf)",               kAdimensional, 3,  0,   0,    N,       R},
        {"euSups",  "Subfactor de uso previo del suelo (PLU)",                          kAdimensional, 3,  0,   0,    N,       R},
        {"euScf",   "Subfactor de cobertura de follaje (CC)",                           kAdimensional, 3,  0,   0,    N,       R},
        {"euFpsb",  "Factor de práctica de soporte básico (Pb)",                        kAdimensional, 3,  0,   0,    N,       R},
        {"euFpset", "Factor de práctica de soporte con efecto de tormentas (Pt)",       kAdimensional, 3,  0,   0,    N,       R},
        {"euFpsed", "Factor de práctica de soporte con efecto de desnivel (Pg)",        kAdimensional, 3,  0,   0,    N,       R},
        {"euFdPdS", "Factor de práctica de soporte (P)",                                kAdimensional, 3,  0,   0,    N,       R},
        // Disipación
        {"euRast",  "Rugosidad aleatoria de la superficie del terreno",                 kAltura,       3,  0,   kInf, 2,       E},
        {"euCmst",  "Coeficiente de Manning de la superficie del terreno",              "m^(-1/3)s|1|0", 3, 0,  kInf, 0.05,    E},
        {"euIrst",  "Indice de rugosidad de la superficie del terreno",                 kAltura,       3,  0,   kInf, 5,       E},
        {"euScsResultado", "Subfactor de cobertura superficial (SC)",                   kAdimensional, 3,  0,   0,    N,       R},
        {"euSrsResultado", "Subfactor de rugosidad superficial (SR)",                   kAdimensional, 3,  0,   0,    N,       R},
        {"euFcmResultado", "Factor de cobertura-manejo (C)",                            kAdimensional, 3,  0,   0,    N,       R},
        {"euLctResultado", "Longitud crítica del brovel (Lambda c)",                    kLongitud,     3,  0,   0,    N,       R},
        {"euFpsResultado", "Factor de práctica de soporte (P)",                         kAdimensional, 3,  0,   0,    N,       R},
        // Erosión
        {"euFeleEResultado",  "Factor de erosividad de lluvia-escorrentía (R)",         kErosividad,   3,  0,   0,    N,       R},
        {"euFpEResultado",    "Factor de producción (X)",                               "MJ mm/h|1|0", 3,  0,   0,    N,       R},
        {"euFesEResultado",   "Factor de erosibilidad del suelo (K)",                   "ton h/MJ/mm|1|0", 3, 0, 0,   N,       R},
        {"euFtEResultado",    "Factor topográfico (LS)",                                kAdimensional, 3,  0,   0,    N,       R},
        {"euFcmEResultado",   "Factor de cobertura-manejo (C)",                         kAdimensional, 3,  0,   0,    N,       R},
        {"euSupsEResultado",  "Subfactor de uso previo del suelo (PLU)",                kAdimensional, 3,  0,   0,    N,       R},
        {"euScfEResultado",   "Subfactor de cobertura de follaje (CC)",                 kAdimensional, 3,  0,   0,    N,       R},
        {"euScsEResultado",   "Subfactor de cobertura superficial (SC)",                kAdimensional, 3,  0,   0,    N,       R},
        {"euSrsEResultado",   "Subfactor de rugosidad superficial (SR)",                kAdimensional, 3,  0,   0,    N,       R},
        {"euShsEResultado",   "Subfactor de humedad del suelo (SM)",                    kAdimensional, 3,  0,   0,    N,       R},
        {"euFpsEResultado",   "Factor de práctica de soporte (P)",                      kAdimensional, 3,  0,   0,    N,       R},
        {"euFpsbEResultado",  "Factor de práctica de soporte básico (Pb)",              kAdimensional, 3,  0,   0,    N,       R},
        {"euFpsetEResultado", "Factor de práctica de soporte con efecto de tormentas (Pt)", kAdimensional, 3, 0, 0,    N,       R},
        {"euFpsedEResultado", "Factor de práctica de soporte con efecto de desnivel (Pg)", kAdimensional, 3, 0, 0,     N,       R},
        {"euTeEResultado",    "Tasa de erosión (A)",                                    kTasa,         5,  0,   0,    N,       R},
        {"euPsEResultado",    "Producción de sedimentos (T)",                           kMasa,         3,  0,   0,    N,       R},
    };
    // clang-format on
    return campos;
}

const TDefinicionCampo& CampoBrovel(std::string_view nombre) {
    for (const auto& campo : CamposBrovel())
        if (campo.nombre == nombre) return campo;
    throw std::out_of_range("campo desconocido: " + std::string(nombre));
}

std::vector<std::string> UnidadesDe(const TDefinicionCampo& campo) {
    std::vector<std::string> items;
    std::string_view resto = campo.unidades;
    while (!resto.empty()) {
        const size_t corte = resto.find(';');
        items.emplace_back(resto.substr(0, corte));
        if (corte == std::string_view::npos) break;
        resto.remove_prefix(corte + 1);
    }
    return items;
}

}  // namespace brovel
