#include "web/TablasWeb.h"

#include <stdexcept>

#include "tables/TablasReferencia.h"
#include "web/Valores.h"

namespace brovel::web {
namespace {

struct TBotonTabla {
    const char* nombre;
    const char* codigo;
    const char* destino;
};

// clang-format off
const TBotonTabla kBotonesTabla[] = {
    {"BitBtn4", "TS3", "euBvs"},  {"BitBtn3", "TS4", "euBvs"},   {"BitBtn5", "TC4", "euFatc"},
    {"BitBtn6", "TC5", "euAmf"},  {"bbSTC1",  "TC1", "euRacmr"}, {"BitBtn7", "TC6", "euPsrua"},
    {"bbSTC2",  "TC2", "euFps"},  {"bbSTC3",  "TC3", "euFps"},   {"BitBtn1", "TD1", "euRast"},
    {"BitBtn2", "TD2", "euRast"}, {"bbSTD3",  "TD3", "euCmst"},  {"bbSTD4",  "TD4", "euIrst"},
};
// clang-format on

const TBotonTabla& Boton(const std::string& nombre) {
    for (const TBotonTabla& boton : kBotonesTabla)
        if (nombre == boton.nombre) return boton;
    throw std::invalid_argument("no hay botón de tabla " + nombre);
}

}  // namespace

val TablaDeCodigo(const std::string& codigo) {
    const TEntradaCatalogo* entrada = EntradaDeCatalogo(codigo);
    const std::optional<TTablaReferencia> tabla = CargarTabla(codigo);
    if (!entrada || !tabla) throw std::invalid_argument("tabla desconocida: " + codigo);
    return TablaDe(*tabla, *entrada);
}

val TablaParaBoton(const std::string& boton) { return TablaDeCodigo(Boton(boton).codigo); }

std::string CampoDeBoton(const std::string& boton) { return Boton(boton).destino; }

std::optional<double> ValorDeCodigo(const std::string& codigo, int fila, int columna) {
    const TEntradaCatalogo* entrada = EntradaDeCatalogo(codigo);
    const std::optional<TTablaReferencia> tabla = CargarTabla(codigo);
    if (!entrada || !tabla) throw std::invalid_argument("tabla desconocida: " + codigo);
    if (fila < 0 || fila >= tabla->CantidadFilas()) return std::nullopt;
    if (tabla->EligeFila()) return static_cast<double>(fila);
    const std::optional<double> valor = tabla->NumeroElegible(fila, columna + TTablaReferencia::kPrimeraColumnaVisible);
    if (!valor) return std::nullopt;
    return *valor / entrada->divisor;
}

std::optional<double> ValorElegido(const std::string& boton, int fila, int columna) {
    return ValorDeCodigo(Boton(boton).codigo, fila, columna);
}

}  // namespace brovel::web
