// Which members of a model are up to date, and why the others are not. A guarded
// block that drops an arithmetic fault leaves some members at their last values; an
// input outside its field's range is not copied into the model; a failed data check
// stops the recalculation. Those members, and every member computed afterwards from
// them, are out of date until a recalculation computes them from current data again,
// and each carries the reason: the fault, the input or the check that stopped it.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/EstadoBrovel.h"
#include "model/MiembrosBrovel.h"

namespace brovel {

// Why a routine that faulted could not compute, in words a user reads: the input
// that made it impossible where it is one of the known ones, else the fault.
std::string MotivoDeFalla(TRutinaBrovel rutina, const TEstadoBrovel& e, const std::string& falla);

class TFrescura {
public:
    bool AlDia(std::string_view miembro) const { return Buscar(miembro) == nullptr; }
    bool AlDia(const TMiembroBrovel& miembro) const { return AlDia(NombreDe(miembro)); }
    // The reason a member is out of date; empty when it is up to date.
    std::string Motivo(std::string_view miembro) const;
    // Marks members up to date (no reason) or out of date for `motivo`.
    void Marcar(std::initializer_list<const char*> miembros, const std::optional<std::string>& motivo);
    void Marcar(std::initializer_list<TMiembroBrovel> miembros, const std::optional<std::string>& motivo);
    // The reason of the first of `dependencias` that is out of date, if any.
    std::optional<std::string> PrimerViejo(std::initializer_list<const char*> dependencias) const;
    std::optional<std::string> PrimerViejo(std::initializer_list<TMiembroBrovel> dependencias) const;
    // The members `rutina` writes under the options in force, as the table of
    // derivations says: up to date when it completed (`falla` empty) and what it
    // read was; else out of date, for the fault or for the reason of what it read.
    void Actualizar(TRutinaBrovel rutina, const TEstadoBrovel& e, const std::optional<std::string>& falla);
    // The members out of date, in the order `orden` names them.
    std::vector<std::string> Viejos(const std::vector<std::string>& orden) const;

private:
    struct TViejo {
        std::string miembro, motivo;
    };
    const TViejo* Buscar(std::string_view miembro) const;
    TViejo* Buscar(std::string_view miembro);

    // Few members are out of date at once, and mostly none: a short list looked
    // through from its start beats a tree, and an empty one answers at once.
    std::vector<TViejo> viejos_;
};

}  // namespace brovel
