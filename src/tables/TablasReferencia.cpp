#include "tables/TablasReferencia.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>

#include "fields/ConversionReal.h"
#include "tables/DefinicionTabla.h"

namespace brovel {

namespace {

// A value stored into a column takes the column's kind: whole numbers and decimals
// become floating point in a number column.
TCelda CeldaDeColumna(const TValor& valor, TTipoColumna tipo) {
    if (tipo == TTipoColumna::Numero) {
        if (const auto* n = std::get_if<long long>(&valor.celda)) return static_cast<double>(*n);
    }
    return valor.celda;
}

const std::vector<const std::vector<TDefinicionTabla>*>& Grupos() {
    static const std::vector<const std::vector<TDefinicionTabla>*> grupos = {
        &TablasDeCobertura(), &TablasDeSueloYSuperficie(), &TablasDeEscorrentia()};
    return grupos;
}

const TDefinicionTabla* Definicion(std::string_view codigo) {
    for (const auto* grupo : Grupos())
        for (const auto& definicion : *grupo)
            if (codigo == definicion.codigo) return &definicion;
    return nullptr;
}

}  // namespace

void TTablaReferencia::DefinirColumnas(std::vector<TColumna> columnas) {
    filas_.clear();
    columnas_ = std::move(columnas);
    anchos_.clear();
    for (const auto& columna : columnas_) anchos_.push_back(LongitudEnCaracteres(columna.titulo));
}

void TTablaReferencia::AgregarFila(const std::vector<TValor>& valores) {
    if (valores.size() != columnas_.size())
        throw std::invalid_argument("fila de " + std::to_string(valores.size()) + " valores en la tabla " + codigo_);
    std::vector<TCelda> fila;
    fila.reserve(valores.size());
    for (size_t i = 0; i < valores.size(); ++i) {
        fila.push_back(CeldaDeColumna(valores[i], columnas_[i].tipo));
        if (!std::holds_alternative<std::monostate>(fila.back()))
            anchos_[i] = std::max(anchos_[i], LongitudEnCaracteres(TextoDeCelda(fila.back())));
    }
    filas_.push_back(std::move(fila));
}

void TTablaReferencia::Identificar(std::string codigo, std::string titulo) {
    codigo_ = std::move(codigo);
    titulo_ = std::move(titulo);
}

static bool BanderaEsUno(const TCelda& celda) {
    const auto* n = std::get_if<long long>(&celda);
    return n && *n == 1;
}

bool TTablaReferencia::Mostrar(int fila) const { return BanderaEsUno(Celda(fila, kColumnaMostrar)); }

bool TTablaReferencia::FondoBlanco(int fila) const { return BanderaEsUno(Celda(fila, kColumnaColor)); }

std::optional<double> TTablaReferencia::NumeroElegible(int fila, int columna) const {
    if (columna < kPrimeraColumnaVisible || columna >= CantidadColumnas() || fila < 0 || fila >= CantidadFilas())
        return std::nullopt;
    if (columnas_[columna].tipo != TTipoColumna::Numero) return std::nullopt;
    if (const auto* x = std::get_if<double>(&Celda(fila, columna))) return *x;
    return std::nullopt;
}

bool TTablaReferencia::EligeFila() const {
    return std::none_of(columnas_.begin(), columnas_.end(),
                        [](const TColumna& c) { return c.tipo == TTipoColumna::Numero; });
}

std::string TextoDeCelda(const TCelda& celda) {
    if (const auto* t = std::get_if<std::string>(&celda)) return *t;
    if (const auto* n = std::get_if<long long>(&celda)) return std::to_string(*n);
    if (const auto* x = std::get_if<double>(&celda)) {
        // The shortest fixed-point text that reads back as the same double: the
        // decimal the table was written with, never a binary artefact.
        return RealFijoMasCorto(*x);
    }
    return {};
}

int LongitudEnCaracteres(std::string_view texto) {
    // Every byte that does not continue a UTF-8 sequence starts a character.
    return static_cast<int>(std::count_if(texto.begin(), texto.end(),
                                          [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::optional<TTablaReferencia> CargarTabla(std::string_view codigo) {
    const TDefinicionTabla* definicion = Definicion(codigo);
    const TEntradaCatalogo* entrada = EntradaDeCatalogo(codigo);
    if (!definicion || !entrada) return std::nullopt;
    TTablaReferencia tabla;
    tabla.Identificar(entrada->codigo, entrada->titulo);
    std::vector<TColumna> columnas = {{"FlagMostrar", kEntero}, {"FlagColor", kEntero}};
    columnas.insert(columnas.end(), definicion->columnas.begin(), definicion->columnas.end());
    tabla.DefinirColumnas(std::move(columnas));
    for (const auto& fila : definicion->filas) tabla.AgregarFila(fila);
    return tabla;
}

const std::vector<TEntradaCatalogo>& CatalogoDeTablas() {
    // clang-format off
    static const std::vector<TEntradaCatalogo> catalogo = {
        // code   caption                                                                                 divisor legend
        {"TC1", "Valores típicos de la relación entre área cubierta y masa de residuo [ha/kg]",              1,   false},
        {"TC2", "Factor de práctica de soporte, para estimar producción de sedimentos ",                     1,   true},
        {"TC3", "Factor de práctica de soporte, para planificar prácticas de conservación",                  1,   true},
        {"TC4", "Fracción de área del terreno cubierta [%]",                                                 100, false},
        {"TC5", "Altura media del follaje [cm]",                                                             1,   false},
        {"TC6", "Peso seco de residuo por unidad de área [kg/ha]",                                           1,   false},
        {"TS3", "Masa de raíces en 10 cm superiores de suelo para cultivos (kg/ha)",                         10,  false},
        {"TS4", "Masa de raíces en 10 cm superiores de suelo para forrajes (kg/ha)",                         10,  false},
        {"TD1", "Valores típicos de la rugosidad aleatoria para operaciones de cultivo [cm]",                1,   false},
        {"TD2", "Valores típicos de la rugosidad aleatoria para campos de pastoreo [cm]",                    1,   false},
        {"TD3", "Coeficiente de Manning de la superficie del terreno [m^(-1/3)s]",                           1,   false},
        {"TD4", "Indice de rugosidad de la superficie del terreno [cm]",                                     1,   false},
        {"ES1", "Caracterización de grupos hidrológicos de suelo (CPESC 2002)",                              1,   false},
        {"ES2", "Caracterización de grupos hidrológicos de suelo para suelos perturbados",                   1,   false},
        {"ES3", "Abstracción inicial [mm]",                                                                  1,   false},
        {"EC1", "Número de curva para áreas urbanas ",                                                       1,   false},
        {"EC2", "Número de curva para terrenos agrícolas cultivados ",                                       1,   false},
        {"EC3", "Número de curva para otros terrenos agrícolas ",                                            1,   false},
        {"EC4", "Número de curva para terrenos de pastoreo áridos y semiáridos ",                            1,   false},
    };
    // clang-format on
    return catalogo;
}

const TEntradaCatalogo* EntradaDeCatalogo(std::string_view codigo) {
    for (const auto& entrada : CatalogoDeTablas())
        if (codigo == entrada.codigo) return &entrada;
    return nullptr;
}

}  // namespace brovel
