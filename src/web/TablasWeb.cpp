#include "web/TablasWeb.h"

#include <stdexcept>

#include "forms/BotonesDeTabla.h"
#include "tables/TablasReferencia.h"
#include "web/Valores.h"

namespace brovel::web {
namespace {

const TBotonDeTabla& Boton(const std::string& nombre) {
    const TBotonDeTabla* boton = BotonDeTablaBrovel(nombre);
    if (!boton) throw std::invalid_argument("no hay botón de tabla " + nombre);
    return *boton;
}

}  // namespace

val TablaDeCodigo(const std::string& codigo) {
    const TEntradaCatalogo* entrada = EntradaDeCatalogo(codigo);
    const std::optional<TTablaReferencia> tabla = CargarTabla(codigo);
    if (!entrada || !tabla) throw std::invalid_argument("tabla desconocida: " + codigo);
    return TablaDe(*tabla, *entrada);
}

val TablaParaBoton(const std::string& boton) { return TablaDeCodigo(std::string(Boton(boton).tabla)); }

std::string CampoDeBoton(const std::string& boton) { return std::string(Boton(boton).campo); }

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
    return ValorDeCodigo(std::string(Boton(boton).tabla), fila, columna);
}

TTablaZumbrel TablaDeBotonZ(const std::string& boton) {
    const std::optional<TTablaZumbrel> tabla = TablaDeBotonZumbrel(boton);
    if (!tabla) throw std::invalid_argument("no hay botón de tabla " + boton);
    return *tabla;
}

}  // namespace brovel::web
