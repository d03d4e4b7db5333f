// The members of the runoff model as one table: each member's name, where it lives
// in the record, what it means and in which unit, and whether the command line's
// record shows it. Beside it, what each routine writes and reads under the options
// in force. The record the command line prints, the results that go out of date and
// what each routine's results follow are read from these tables.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "model/EstadoZumbrel.h"

namespace brovel {

// The routines of the runoff model, in the order of the chain.
enum class TRutinaZumbrel { TiempoConcentracion, SerieLluvia, Retencion, Escorrentia, Hidrograma };

// Runs a routine on the model.
void Calcular(TRutinaZumbrel rutina, TEstadoZumbrel& e);

// A member of the record, of any of the types it holds.
using TMiembroZumbrel =
    std::variant<double TEstadoZumbrel::*, int32_t TEstadoZumbrel::*, uint8_t TEstadoZumbrel::*, bool TEstadoZumbrel::*,
                 TSerieZumbrel TEstadoZumbrel::*, std::vector<double> TEstadoZumbrel::*>;

struct TFilaMiembroZumbrel {
    const char* nombre;
    TMiembroZumbrel miembro;
    const char* significado;  // meaning, then unit after the comma
    bool enRegistro;          // the command line's record of a basin shows it
};

// Every member, in the order the command line's record shows them.
std::span<const TFilaMiembroZumbrel> MiembrosZumbrel();

// The member's name; an unknown member is a fault of the program and throws.
const char* NombreDe(const TMiembroZumbrel& miembro);

// What a routine writes, and what that reads, under the options `rige` accepts.
// A routine's rows are in the order it computes them. `escribe` holds every result
// it writes but the hydrograph's length (CantidadHe), which goes with the ordinates
// (He) and carries no mark of its own.
struct TDerivacionZumbrel {
    TRutinaZumbrel rutina;
    std::function<bool(const TEstadoZumbrel&)> rige;
    std::vector<TMiembroZumbrel> escribe;
    std::vector<TMiembroZumbrel> lee;
};

std::span<const TDerivacionZumbrel> DerivacionesZumbrel();

// The results of a routine under the options in force, in the order it computes them.
std::vector<TMiembroZumbrel> EscritosPor(TRutinaZumbrel rutina, const TEstadoZumbrel& e);

// What a routine reads under the options in force, in the order of its rows,
// without what it computed itself before reading it.
std::vector<TMiembroZumbrel> LeidosPor(TRutinaZumbrel rutina, const TEstadoZumbrel& e);

// The members some routine writes, in the order of the chain: the results that
// can go out of date.
const std::vector<std::string>& CalculadosZumbrel();

}  // namespace brovel
