#include "forms/CamposBrovel.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "fields/MensajesRango.h"

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

// Help shared by a result shown on two tabs.
constexpr std::string_view kAyudaK =
    "Factor de erosibilidad del suelo (K): pérdida de suelo por unidad de erosividad en la parcela de referencia, "
    "calculada según la descripción del suelo elegida, en ton h/MJ/mm.";
constexpr std::string_view kAyudaLS =
    "Factor topográfico (LS), que combina el efecto de la longitud y de la pendiente de la ladera respecto de la "
    "parcela de referencia (22.1 m y 9 %), sin unidad.";
constexpr std::string_view kAyudaR =
    "Factor de erosividad de lluvia-escorrentía (R) anual, producto del factor de energía EI por la cantidad de "
    "tormentas por año, o el valor ingresado, en MJ/ha mm/hr.";
constexpr std::string_view kAyudaX =
    "Factor de producción (X) del evento, 99 × (volumen escurrido × caudal pico)^0.56, que reemplaza a R en la "
    "estimación por evento, en MJ mm/h.";
constexpr std::string_view kAyudaPLU =
    "Subfactor de uso previo del suelo (PLU) del factor C, según la consolidación del suelo y su biomasa de raíces y "
    "de residuos enterrados, sin unidad.";
constexpr std::string_view kAyudaCC =
    "Subfactor de cobertura de follaje (CC) del factor C, según la fracción cubierta y la altura del follaje, sin "
    "unidad.";
constexpr std::string_view kAyudaSC =
    "Subfactor de cobertura superficial (SC) del factor C, según el residuo sobre el suelo y la rugosidad, 1 sin "
    "mulching, sin unidad.";
constexpr std::string_view kAyudaSR =
    "Subfactor de rugosidad superficial (SR) del factor C, menor que 1 para una superficie más rugosa que 0.61 cm, "
    "sin unidad.";
constexpr std::string_view kAyudaC =
    "Factor de cobertura-manejo (C), producto de los subfactores PLU, CC, SC, SR y SM, sin unidad.";
constexpr std::string_view kAyudaP =
    "Factor de práctica de soporte (P) de la práctica elegida, 1 cuando no hubo prácticas de soporte, sin unidad.";
constexpr std::string_view kAyudaPb =
    "Factor de práctica de soporte básico (Pb) del perfilado en contorno, según la altura de los lomos y la "
    "pendiente, sin unidad.";
constexpr std::string_view kAyudaPt =
    "Factor de práctica de soporte del perfilado corregido por la escorrentía de la tormenta extrema (Pt), sin "
    "unidad.";
constexpr std::string_view kAyudaPg =
    "Factor de práctica de soporte del perfilado corregido además por la pendiente de los surcos (Pg), sin unidad.";

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
        //      help
        // Geometría
        {"euDt",    "Pendiente del Brovel",                                             kPendiente,    3,  0,   kInf, 6,       E,
         "Pendiente media de la ladera, en porcentaje (100 × desnivel / distancia horizontal); debe ser mayor o "
         "igual que 0."},
        {"euLt",    "Longitud del Brovel",                                              kLongitud,     3,  0.9, 120,  60,      E,
         "Longitud de la ladera medida a lo largo de la pendiente, desde donde comienza el escurrimiento hasta donde "
         "el sedimento se deposita o el flujo entra en un canal, en metros (m); debe estar entre 0.9 y 120."},
        // Suelo
        {"euCpcg",  "Cantidad de puntos de curva granométrica",                         kAdimensional, 3,  0,   20,   9,       E,
         "Cantidad de puntos (diámetro de grano y porcentaje pasante) que describen la curva granométrica del suelo, "
         "sin unidad; debe estar entre 0 y 20."},
        {"euDg",    "Diámetro de grano",                                                kDiametro,     5,  0,   kInf, N,       E,
         "Diámetro de grano del punto elegido de la curva granométrica, ordenada del grano más grueso al más fino, "
         "en milímetros (mm); debe ser mayor o igual que 0."},
        {"euPp",    "Porcentaje pasante",                                               kPorcentaje,   3,  0,   100,  N,       E,
         "Porcentaje en peso de la muestra de suelo más fino que el diámetro de grano del punto elegido, sin "
         "aumentar de un punto al siguiente, en porcentaje (%); debe estar entre 0 y 100."},
        {"euDm",    "Diámetro medio",                                                   kDiametro,     3,  0,   kInf, 0.05,    E,
         "Diámetro medio geométrico de las partículas del suelo, del que se estima el factor de erosibilidad K, en "
         "milímetros (mm); debe ser mayor que 0."},
        {"euPl",    "Porcentaje de limos (15-20 cm superiores)",                        kPorcentaje,   3,  0,   100,  60,      E,
         "Porcentaje de limos en los 15-20 cm superiores del suelo, en porcentaje (%); debe estar entre 0 y 100 y no "
         "superar el porcentaje de limos modificado."},
        {"euPlm",   "Porcentaje de limos modificado (15-20 cm superiores)",             kPorcentaje,   3,  0,   100,  80,      E,
         "Porcentaje de limos modificado en los 15-20 cm superiores del suelo, en porcentaje (%); debe estar entre "
         "el porcentaje de limos y 100 y no ser menor que el porcentaje de arenas."},
        {"euPa",    "Porcentaje de arenas (15-20 cm superiores)",                       kPorcentaje,   3,  0,   100,  30,      E,
         "Porcentaje de arenas en los 15-20 cm superiores del suelo, en porcentaje (%); debe estar entre 0 y 100 "
         "menos el porcentaje de limos y no superar el porcentaje de limos modificado."},
        {"euPmo",   "Porcentaje de materia orgánica (15-20 cm superiores)",             kPorcentaje,   3,  0,   100,  5,       E,
         "Porcentaje de materia orgánica en los 15-20 cm superiores del suelo, en porcentaje (%); debe estar entre 0 "
         "y 100."},
        {"euShs",   "Subfactor de humedad del suelo (SM)",                              kAdimensional, 3,  0,   1,    1,       E,
         "Subfactor de humedad del suelo (SM) del factor C, 1 para un suelo húmedo y menor cuanto más seco está el "
         "perfil antes de las lluvias, sin unidad; debe estar entre 0 y 1."},
        {"euBvs",   "Biomasa vegetal subsuperficial",                                   kBiomasa,      3,  0,   kInf, 60,      E,
         "Masa de raíces vivas en la capa superficial del suelo por unidad de área y por centímetro de espesor (la "
         "masa en los 10 cm superiores dividida por 10), de la que depende el subfactor de uso previo PLU, en "
         "kg/ha/cm; debe ser mayor o igual que 0."},
        {"euBrvs",  "Biomasa de residuo vegetal subsuperficial",                        kBiomasa,      3,  0,   kInf, 5,       E,
         "Masa de residuos vegetales enterrados en la capa superficial del suelo por unidad de área y por centímetro "
         "de espesor, de la que depende el subfactor de uso previo PLU, en kg/ha/cm; debe ser mayor o igual que 0."},
        {"euFesResultado", "Factor de erosibilidad del suelo (K)",                      "ton h/MJ/mm|1|0", 3, 0, 0,   N,       R,
         kAyudaK},
        {"euFtResultado",  "Factor topográfico (LS)",                                   kAdimensional, 3,  0,   0,    N,       R,
         kAyudaLS},
        {"euDMResultado",  "Diametro Medio",                                            kDiametro,     3,  0,   0,    N,       R,
         "Diámetro medio geométrico de las partículas, calculado a partir de la curva granométrica, en milímetros "
         "(mm)."},
        // Forzantes
        {"euPth",   "Paso temporal del hietograma",                                     kPaso,         3,  0,   kInf, 10,      E,
         "Duración de cada paso del hietograma representativo, en minutos (min); debe ser mayor que 0."},
        {"euCta",   "Cantidad de tormentas por año",                                    kAdimensional, 3,  0,   kInf, 15,      E,
         "Cantidad media de tormentas erosivas por año, por la que se multiplica el factor de energía EI para "
         "obtener el factor R, sin unidad; debe ser mayor o igual que 0."},
        {"euPths",  "Paso temporal de los hietogramas",                                 kPaso,         3,  0,   0,    30,      L,
         "Duración de cada paso de los hietogramas de la serie, en minutos (min)."},
        {"euEt",    "Energía de la tormenta",                                           "MJ/ha|1|0;kJ/ha|1000|0;kJ/m²|0.1|0", 3, 0, 0, 50, L,
         "Energía cinética total de la tormenta representativa, en MJ/ha."},
        {"euMi30m", "Máxima intensidad de 30 minutos",                                  "mm/h|1|0;cm/h|0.1|0;m/h|0.001|0", 3, 0, 0, 55, L,
         "Máxima intensidad de lluvia en 30 minutos de la tormenta representativa, en mm/h."},
        {"euFele",  "Factor de erosividad de lluvia escorrentía",                       kErosividad,   3,  0,   kInf, 41100,   E,
         "Factor de erosividad de lluvia-escorrentía (R) anual, cuando se lo conoce y se ingresa directamente, en "
         "MJ/ha mm/hr; debe ser mayor o igual que 0."},
        {"euCll",   "Cantidad de lluvia",                                               kLluvia,       5,  0,   kInf, N,       E,
         "Lluvia caída durante el paso elegido del hietograma representativo, en milímetros (mm); debe ser mayor o "
         "igual que 0."},
        {"euCll1",  "Cantidad de lluvia",                                               kLluvia,       5,  0,   kInf, N,       S,
         "Lluvia caída durante el paso elegido del hietograma elegido de la serie, en milímetros (mm); debe ser "
         "mayor o igual que 0."},
        {"euPth2",  "Paso temporal del hietograma",                                     kPaso,         3,  0,   kInf, 30,      E,
         "Duración de cada paso del hietograma de la tormenta extrema, en minutos (min); debe ser mayor que 0."},
        {"euCll2",  "Cantidad de lluvia",                                               kLluvia,       5,  0,   kInf, N,       E,
         "Lluvia caída durante el paso elegido del hietograma de la tormenta extrema, en milímetros (mm); debe ser "
         "mayor o igual que 0."},
        {"euCe",    "Cantidad de escorrentía",                                          "mm|1|0",      3,  0,   kInf, 66,      E,
         "Lámina de escorrentía de la tormenta extrema, que debilita el efecto del perfilado en contorno, en "
         "milímetros (mm); debe ser mayor que 0."},
        {"euPth3",  "Paso temporal del hietograma",                                     kPaso,         3,  0,   kInf, 30,      E,
         "Duración de cada paso del hietograma del evento de lluvia, en minutos (min); debe ser mayor que 0."},
        {"euCll3",  "Cantidad de lluvia",                                               kLluvia,       5,  0,   kInf, N,       E,
         "Lluvia caída durante el paso elegido del hietograma del evento de lluvia, en milímetros (mm); debe ser "
         "mayor o igual que 0."},
        {"euVp",    "Volumen Precipitado",                                              "m³|1|0;hm³|0.000001|0;lts|1000|0", 3, 0, kInf, 2000, E,
         "Volumen de escorrentía del evento de lluvia, del que depende el factor de producción X, en metros cúbicos "
         "(m³); debe ser mayor o igual que 0."},
        {"euCp",    "Caudal Pico",                                                      "m³/s|1|0;lts/s|1000|0", 3, 0, kInf, 100, E,
         "Caudal pico de escorrentía del evento de lluvia, del que depende el factor de producción X, en metros "
         "cúbicos por segundo (m³/s); debe ser mayor o igual que 0."},
        {"euFdeResultado",   "Factor de energía (EI)",                                  kErosividad,   3,  0,   0,    N,       R,
         "Factor de energía (EI) de la tormenta, producto de su energía cinética por su máxima intensidad en 30 "
         "minutos (el promedio de los hietogramas, con una serie), en MJ/ha mm/hr."},
        {"euFelleResultado", "Factor de erosividad de lluvia-escorrentía (R)",          kErosividad,   3,  0,   0,    N,       R,
         kAyudaR},
        {"euVeeResultado",   "Volumen escurrido para el evento",                        "m³|1|0",      3,  0,   0,    N,       R,
         "Volumen de escorrentía del evento de lluvia con el que se calcula el factor de producción X, ingresado o "
         "tomado de Zumbrel, en metros cúbicos (m³)."},
        {"euCpeResultado",   "Caudal pico del evento",                                  "m³/s|1|0",    3,  0,   0,    N,       R,
         "Caudal pico del evento de lluvia con el que se calcula el factor de producción X, ingresado o tomado de "
         "Zumbrel, en metros cúbicos por segundo (m³/s)."},
        {"euFpResultado",    "Factor de producción (X)",                                "MJ mm/h|1|0", 3,  0,   0,    N,       R,
         kAyudaX},
        {"euTecrResultado",  "Tasa de erosión para condiciones de referencia (A)",      kTasa,         3,  0,   0,    N,       R,
         "Tasa de erosión anual para condiciones de referencia (sin cobertura ni prácticas de soporte), R × K × LS, "
         "en toneladas por hectárea y por año (ton/ha/año)."},
        {"euPspcrResultado", "Producción de sedimentos para condiciones de referencia (T)", kMasa,     3,  0,   0,    N,       R,
         "Producción de sedimentos del evento para condiciones de referencia (sin cobertura ni prácticas de "
         "soporte), X × K × LS, en toneladas (ton)."},
        {"euCEResultado",    "Cantidad de escorrentía",                                 "mm|1|0",      3,  0,   0,    N,       R,
         "Lámina de escorrentía de la tormenta extrema, calculada por Zumbrel a partir de su hietograma, en "
         "milímetros (mm)."},
        // Condicionantes
        {"euFatc",  "Fracción de área del terreno cubierta",                            kFraccion,     3,  0,   kInf, 0.8,     E,
         "Fracción de la superficie del terreno cubierta por el follaje de la vegetación (1 es cobertura completa), "
         "sin unidad; debe ser mayor o igual que 0."},
        {"euAmf",   "Altura media del follaje",                                         kAltura,       3,  0,   kInf, 52,      E,
         "Altura media desde la que caen al suelo las gotas interceptadas por el follaje, en centímetros (cm); debe "
         "ser mayor o igual que 0."},
        {"euTtfo",  "Tiempo transcurrido desde la finalización de las operaciones",     kAnios,        3,  0,   kInf, 2,       E,
         "Tiempo transcurrido desde la última labranza que perturbó el suelo, del que depende su reconsolidación, en "
         "años; debe ser mayor o igual que 0."},
        {"euFapo",  "Fracción de área perturbada por las operaciones",                  kFraccion,     3,  0,   kInf, 1,       E,
         "Fracción de la superficie perturbada por las operaciones de labranza, sin unidad; debe ser mayor o igual "
         "que 0."},
        {"euRacmr", "Relación área cubierta a masa de residuo",                         "ha/kg|1|0;ha/g|0.001|0;m²/g|10|0", 6, 0, kInf, 0.00034, E,
         "Relación entre el área que cubre el residuo y su masa seca, propia de cada tipo de residuo, en hectáreas "
         "por kilogramo (ha/kg); debe ser mayor o igual que 0."},
        {"euPsrua", "Peso seco del residuo por unidad de área",                         "kg/ha|1|0;g/ha|1000|0;g/m²|0.1|0", 3, 0, kInf, 1065, E,
         "Masa seca de residuo (mulch) sobre la superficie del suelo por unidad de área, en kg/ha; debe ser mayor o "
         "igual que 0."},
        {"euPs",    "Pendiente de los surcos",                                          kPendiente,    6,  0,   kInf, 4,       E,
         "Pendiente de los surcos a lo largo de las hileras del perfilado en contorno, en porcentaje (%); debe ser "
         "mayor o igual que 0."},
        {"euAl",    "Altura de los lomos",                                              kAltura,       3,  0,   kInf, 6,       E,
         "Altura de los lomos que forma el perfilado en contorno, en centímetros (cm); debe ser mayor o igual que 0."},
        {"euFps",   "Factor de práctica de soporte",                                    kAdimensional, 6,  0,   1,    1,       E,
         "Factor de práctica de soporte (P) del cultivo en franjas, ingresado o elegido de las tablas, sin unidad; "
         "debe estar entre 0 y 1."},
        {"euEet",   "Espaciamiento entre terrazas",                                     "m|1|0",       3,  0,   kInf, 4,       E,
         "Distancia horizontal entre terrazas sucesivas, en metros (m); debe ser mayor o igual que 0."},
        {"euPt",    "Pendiente de la terraza",                                          kPendiente,    6,  0,   kInf, 1,       E,
         "Pendiente de la terraza a lo largo de su canal, en porcentaje (%); debe ser mayor o igual que 0."},
        {"euTfp",   "Tiempo desde que fue perturbado",                                  kAnio,         3,  0,   kInf, 4,       E,
         "Tiempo transcurrido desde que se perturbó el suelo del campo de pastoreo, en años; debe ser mayor que 0."},
        {"euCtc",   "Constante de tiempo de consolidación",                             kAnio,         6,  0,   kInf, 1,       E,
         "Constante de tiempo de la reconsolidación del suelo perturbado del campo de pastoreo, en años; debe ser "
         "mayor o igual que 0."},
        {"euFliii", "Fracción de lluvia infiltrada en el instante inicial",             kAdimensional, 6,  0,   kInf, 0.4,     E,
         "Fracción de la lluvia que se infiltra en el instante inicial, con el suelo recién perturbado, sin unidad; "
         "debe ser mayor o igual que 0."},
        {"euFcss",  "Factor de consolidación del suelo superficial (Cf)",               kAdimensional, 3,  0,   0,    N,       R,
         "Factor de consolidación del suelo superficial (Cf), 1.22 × e^(−t/7) en los 7 años siguientes a la labranza "
         "y 0.45 con el suelo ya consolidado, sin unidad."},
        {"euSups",  "Subfactor de uso previo del suelo (PLU)",                          kAdimensional, 3,  0,   0,    N,       R,
         kAyudaPLU},
        {"euScf",   "Subfactor de cobertura de follaje (CC)",                           kAdimensional, 3,  0,   0,    N,       R,
         kAyudaCC},
        {"euFpsb",  "Factor de práctica de soporte básico (Pb)",                        kAdimensional, 3,  0,   0,    N,       R,
         kAyudaPb},
        {"euFpset", "Factor de práctica de soporte con efecto de tormentas (Pt)",       kAdimensional, 3,  0,   0,    N,       R,
         kAyudaPt},
        {"euFpsed", "Factor de práctica de soporte con efecto de desnivel (Pg)",        kAdimensional, 3,  0,   0,    N,       R,
         kAyudaPg},
        {"euFdPdS", "Factor de práctica de soporte (P)",                                kAdimensional, 3,  0,   0,    N,       R,
         kAyudaP},
        // Disipación
        {"euRast",  "Rugosidad aleatoria de la superficie del terreno",                 kAltura,       3,  0,   kInf, 2,       E,
         "Rugosidad aleatoria de la superficie del terreno (desvío estándar de sus alturas), en centímetros (cm); "
         "debe ser mayor o igual que 0."},
        {"euCmst",  "Coeficiente de Manning de la superficie del terreno",              "m^(-1/3)s|1|0", 3, 0,  kInf, 0.05,    E,
         "Coeficiente de rugosidad de Manning de la superficie del terreno, del que depende la longitud crítica del "
         "perfilado, en m^(-1/3)s; debe ser mayor o igual que 0."},
        {"euIrst",  "Indice de rugosidad de la superficie del terreno",                 kAltura,       3,  0,   kInf, 5,       E,
         "Índice de rugosidad de la superficie del terreno del campo de pastoreo, en centímetros (cm); debe ser "
         "mayor que 0."},
        {"euScsResultado", "Subfactor de cobertura superficial (SC)",                   kAdimensional, 3,  0,   0,    N,       R,
         kAyudaSC},
        {"euSrsResultado", "Subfactor de rugosidad superficial (SR)",                   kAdimensional, 3,  0,   0,    N,       R,
         kAyudaSR},
        {"euFcmResultado", "Factor de cobertura-manejo (C)",                            kAdimensional, 3,  0,   0,    N,       R,
         kAyudaC},
        {"euLctResultado", "Longitud crítica del brovel (Lambda c)",                    kLongitud,     3,  0,   0,    N,       R,
         "Longitud crítica de la ladera para el perfilado en contorno, más allá de la cual los lomos pierden su "
         "efecto, en metros (m)."},
        {"euFpsResultado", "Factor de práctica de soporte (P)",                         kAdimensional, 3,  0,   0,    N,       R,
         kAyudaP},
        // Erosión
        {"euFeleEResultado",  "Factor de erosividad de lluvia-escorrentía (R)",         kErosividad,   3,  0,   0,    N,       R,
         kAyudaR},
        {"euFpEResultado",    "Factor de producción (X)",                               "MJ mm/h|1|0", 3,  0,   0,    N,       R,
         kAyudaX},
        {"euFesEResultado",   "Factor de erosibilidad del suelo (K)",                   "ton h/MJ/mm|1|0", 3, 0, 0,   N,       R,
         kAyudaK},
        {"euFtEResultado",    "Factor topográfico (LS)",                                kAdimensional, 3,  0,   0,    N,       R,
         kAyudaLS},
        {"euFcmEResultado",   "Factor de cobertura-manejo (C)",                         kAdimensional, 3,  0,   0,    N,       R,
         kAyudaC},
        {"euSupsEResultado",  "Subfactor de uso previo del suelo (PLU)",                kAdimensional, 3,  0,   0,    N,       R,
         kAyudaPLU},
        {"euScfEResultado",   "Subfactor de cobertura de follaje (CC)",                 kAdimensional, 3,  0,   0,    N,       R,
         kAyudaCC},
        {"euScsEResultado",   "Subfactor de cobertura superficial (SC)",                kAdimensional, 3,  0,   0,    N,       R,
         kAyudaSC},
        {"euSrsEResultado",   "Subfactor de rugosidad superficial (SR)",                kAdimensional, 3,  0,   0,    N,       R,
         kAyudaSR},
        {"euShsEResultado",   "Subfactor de humedad del suelo (SM)",                    kAdimensional, 3,  0,   0,    N,       R,
         "Subfactor de humedad del suelo (SM) ingresado en la pestaña Suelo, sin unidad."},
        {"euFpsEResultado",   "Factor de práctica de soporte (P)",                      kAdimensional, 3,  0,   0,    N,       R,
         kAyudaP},
        {"euFpsbEResultado",  "Factor de práctica de soporte básico (Pb)",              kAdimensional, 3,  0,   0,    N,       R,
         kAyudaPb},
        {"euFpsetEResultado", "Factor de práctica de soporte con efecto de tormentas (Pt)", kAdimensional, 3, 0, 0,    N,       R,
         kAyudaPt},
        {"euFpsedEResultado", "Factor de práctica de soporte con efecto de desnivel (Pg)", kAdimensional, 3, 0, 0,     N,       R,
         kAyudaPg},
        {"euTeEResultado",    "Tasa de erosión (A)",                                    kTasa,         5,  0,   0,    N,       R,
         "Tasa de erosión anual (A), R × K × LS × C × P, en toneladas por hectárea y por año (ton/ha/año)."},
        {"euPsEResultado",    "Producción de sedimentos (T)",                           kMasa,         3,  0,   0,    N,       R,
         "Producción de sedimentos del evento (T), X × K × LS × C × P, en toneladas (ton)."},
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

void PrepararCampo(TCantidad& campo, const TDefinicionCampo& d, bool conValorInicial) {
    campo.SetUnits(UnidadesDe(d));
    campo.DecimalPlaces = d.decimales;
    // Every field of the windows converts the shown number on a unit switch and
    // shows numbers from 1E+4 up in scientific notation.
    campo.AutoRecalculate = true;
    campo.SciMin = kSciMinVentana;
    campo.SciMax = kSciMaxVentana;
    campo.BaseMin = d.minimo;
    campo.BaseMax = d.maximo;
    if (conValorInicial && !std::isnan(static_cast<double>(d.porDefecto))) campo.SetBaseValue(d.porDefecto);
    campo.Cargado();
    if (d.clase == TClaseCampo::Entrada || d.clase == TClaseCampo::EntradaSinAviso) campo.SetUseRange(true);
}

std::string FueraDeRangoDe(const TDefinicionCampo& d, long double valor) {
    TCantidad prueba;
    PrepararCampo(prueba, d, false);
    prueba.SetBaseValue(valor);
    return prueba.FueraDeRango() ? MensajeFueraDeRango(d.minimo, d.maximo) : std::string();
}

}  // namespace brovel
