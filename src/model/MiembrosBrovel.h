// The members of the slope model as one table: each member's name, where it lives
// in the record, what it means and in which unit, and the tab that fills or
// computes it. Beside it, what each routine writes and reads under the options in
// force. Every list of members (the record the command line prints, the results
// that go out of date, what a recalculation marks) is read from these tables.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

#include "model/EstadoBrovel.h"

namespace brovel {

// The routines of the slope model, in the order of the chain.
enum class TRutinaBrovel { Fes, Ft, Erosividad, Fp, Fcss, Sups, Scf, Practicas, Lct, Scs, Srs, Fcm, Erosion };

// The tabs of the slope window that fill or compute the model, in the order of the chain.
enum class TPestanaLadera { Geometria, Suelo, Forzantes, Condicionantes, Disipacion, Erosion };

// Runs a routine on the model.
void Calcular(TRutinaBrovel rutina, TEstadoBrovel& e);

// A member of the record, of any of the types it holds.
using TMiembroBrovel = std::variant<double TEstadoBrovel::*, int32_t TEstadoBrovel::*, uint8_t TEstadoBrovel::*,
                                    bool TEstadoBrovel::*, TSerie TEstadoBrovel::*, TSerieDeSeries TEstadoBrovel::*>;

struct TFilaMiembroBrovel {
    const char* nombre;
    TMiembroBrovel miembro;
    const char* significado;  // meaning, then unit after the comma
    TPestanaLadera pestana;   // the tab that fills it or computes it
    bool enRegistro;          // the command line's record of a slope shows it
};

// Every member, in the order the command line's record shows them.
std::span<const TFilaMiembroBrovel> MiembrosBrovel();

// The member's name; an unknown member is a fault of the program and throws.
const char* NombreDe(const TMiembroBrovel& miembro);

// What a routine writes, and what that reads, under the options `rige` accepts
// (always when empty). A routine's rows are in the order it computes them.
struct TDerivacionBrovel {
    TRutinaBrovel rutina;
    std::function<bool(const TEstadoBrovel&)> rige;
    std::vector<TMiembroBrovel> escribe;
    std::vector<TMiembroBrovel> lee;
};

std::span<const TDerivacionBrovel> DerivacionesBrovel();

// The members some routine writes, in the record's order: the results that can go
// out of date.
const std::vector<std::string_view>& CalculadosBrovel();

// The routines each tab runs in one guarded block, in the order of the chain.
struct TBloqueLadera {
    TPestanaLadera pestana;
    std::vector<TRutinaBrovel> rutinas;
};

std::span<const TBloqueLadera> BloquesLadera();
const std::vector<TRutinaBrovel>& RutinasDe(TPestanaLadera pestana);

}  // namespace brovel
