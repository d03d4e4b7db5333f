// Which results of the slope model are up to date. A guarded block that drops an
// arithmetic fault leaves some members at their last values; those, and every
// member computed afterwards from them, are out of date until a recalculation
// computes them from current data again. The rules follow each routine's reads
// and writes under the options in force.
#pragma once

#include <initializer_list>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/EstadoBrovel.h"

namespace brovel {

// The routines of the slope model, in the order of the chain.
enum class TRutinaBrovel { Fes, Ft, Erosividad, Fp, Fcss, Sups, Scf, Practicas, Lct, Scs, Srs, Fcm, Erosion };

// Runs a routine on the model.
void Calcular(TRutinaBrovel rutina, TEstadoBrovel& e);

class TFrescura {
public:
    bool AlDia(std::string_view miembro) const { return viejos_.find(miembro) == viejos_.end(); }
    void Marcar(std::initializer_list<const char*> miembros, bool alDia);
    // The members `rutina` writes under the options in force: up to date when it
    // completed and what it read was; out of date when it faulted or did not run.
    void Actualizar(TRutinaBrovel rutina, const TEstadoBrovel& e, bool completada);
    // The members out of date, in the order `orden` names them.
    std::vector<std::string> Viejos(const std::vector<std::string>& orden) const;

private:
    bool Todos(std::initializer_list<const char*> miembros) const;

    std::set<std::string, std::less<>> viejos_;
};

}  // namespace brovel
