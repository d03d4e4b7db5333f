// Root mass, random roughness, Manning and roughness-index tables.
// One line per row: FlagMostrar, FlagColor, then the cells; {} is an empty cell.
#include "tables/DefinicionTabla.h"

namespace brovel {

const std::vector<TDefinicionTabla>& TablasDeSueloYSuperficie() {
    // clang-format off
    static const std::vector<TDefinicionTabla> tablas = {
        {"TS3",
         {{"Cantidad de días luego de plantado", kEntero}, {"Maíz", kNumero}, {"Soja", kNumero}, {"Algodón", kNumero}, {"Sorgo", kNumero}, {"Pequeños granos de invierno", kNumero}, {"Pequeños granos de primavera", kNumero}},
         {
             {1, 0, 15, 56, 22, 34, 56, 34, 110},
             {1, 1, 30, 202, 56, 67, 202, 135, 335},
             {1, 0, 45, 390, 100, 100, 390, 350, 560},
             {1, 1, 60, 600, 200, 200, 600, 360, 790},
             {1, 0, 75, 940, 400, 350, 900, 360, 1000},
             {1, 1, 90, 1200, 400, 400, 1200, 360, {}},
             {1, 0, 105, 1200, 400, 400, {}, 360, {}},
             {1, 1, 120, 1200, 400, 400, {}, 360, {}},
             {1, 0, 135, 1200, 400, 400, {}, 360, {}},
             {1, 1, 150, 1200, {}, {}, {}, 360, {}},
             {1, 0, 165, 1200, {}, {}, {}, 360, {}},
             {1, 1, 180, {}, {}, {}, {}, 380, {}},
             {1, 0, 195, {}, {}, {}, {}, 450, {}},
             {1, 1, 210, {}, {}, {}, {}, 740, {}},
             {1, 0, 225, {}, {}, {}, {}, 1100, {}},
             {1, 1, 240, {}, {}, {}, {}, 1350, {}},
         }},
        {"TS4",
         {{"Tipo", kTexto}, {"Nombre", kTexto}, {"Masa", kNumero}},
         {
             {1, 0, "Hierba", "Bahiagrass", 2100},
             {1, 1, "Hierba", "Bermudagrass costera", 4400},
             {1, 0, "Hierba", "Bermudagrass común", 2700},
             {1, 1, "Hierba", "Bluegrass", 5400},
             {1, 0, "Hierba", "Brome grass", 5000},
             {1, 1, "Hierba", "Dallisgrass", 2800},
             {1, 0, "Hierba", "Cañuela", 7800},
             {1, 1, "Hierba", "Hierba de huerto", 6600},
             {1, 0, "Hierba", "Fleo", 3300},
             {1, 1, "Legumbre", "Alfalfa", 3900},
             {1, 0, "Legumbre", "Trébol ladino", 1600},
             {1, 1, "Legumbre", "Trébol rojo", 2400},
             {1, 0, "Legumbre", "Trébol dulce", 1400},
             {1, 1, "Legumbre", "Trébol blanco", 2100},
             {1, 0, "Legumbre", "Trébol de los prados", 2100},
             {1, 1, "Legumbre", "Trifolio", 2700},
         }},
        {"TD1",
         {{"Operación", kTexto}, {"Rugosidad", kNumero}},
         {
             {1, 0, "Cortador", 3.9},
             {1, 1, "Cultivador", 1.8},
             {1, 0, "Disco", 3},
             {1, 1, "Broca", 1.05},
             {1, 0, "Aplicador de fertilizante", 1.5},
             {1, 1, "Rastra", 1},
             {1, 0, "Arado", 3.4},
             {1, 1, "Inyector de abono", 3.8},
             {1, 0, "Pisador de 'mulch'", 1},
             {1, 1, "Plantador", 1},
             {1, 0, "Desmalezador", 1},
             {1, 1, "Azada", 1},
             {1, 0, "Desgarradora", 3},
         }},
        {"TD2",
         {{"Condición", kTexto}, {"Rugosidad", kNumero}},
         {
             {1, 0, "Llanura herbácea", 0.7},
             {1, 1, "Podado y desnudo", 1.5},
             {1, 0, "Clareado", 1.8},
             {1, 1, "Arbustos naturales", 2},
             {1, 0, "Campo de pastoreo sembrado en surco", 2},
             {1, 1, "Desierto", 2},
             {1, 0, "Clareado y picado", 2.5},
             {1, 1, "Picado", 2.8},
             {1, 0, "Artemisa", 2.8},
             {1, 1, "Arado hasta raíces", 3.3},
         }},
        {"TD3",
         {{"Condición de cobertura-manejo", kTexto}, {"Manning", kNumero}},
         {
             {1, 0, "C1: Pradera establecida (cobertura muy densa)", 0.2},
             {1, 1, "C2: Primer año de pradera (cobertura moderadamente densa)", 0.11},
             {1, 0, "C3: Cobertura densa o muy rugosa", 0.07},
             {1, 1, "C4: Cobertura moderada o rugosa", 0.04},
             {1, 0, "C5: Cobertura liviana o rugosidad moderada", 0.023},
             {1, 1, "C6: Sin cobertura o rugosidad mínima", 0.014},
             {1, 0, "C7: Limpiada de cultivo, suave, sin cultivar", 0.011},
         }},
        {"TD4",
         {{"Condición de cobertura-rugosidad", kTexto}, {"Indice de rugosidad", kNumero}},
         {
             {1, 0, "R1: Muy rugoso; cobertura de plantas y roca mayor que 50%", 5.1},
             {1, 1, "R2: Muy rugoso; cobertura de plantas y roca menor que 50%", 5.1},
             {1, 0, "R3: Rugoso; cobertura de plantas y roca mayor que 50%", 3.6},
             {1, 1, "R5: Moderadamente rugoso;cobertura de plantas y roca menor que 50%", 2.3},
             {1, 0, "R7: Algo rugoso; cobertura de plantas y roca menor que 25%", 1.3},
         }},
    };
    // clang-format on
    return tablas;
}

}  // namespace brovel
