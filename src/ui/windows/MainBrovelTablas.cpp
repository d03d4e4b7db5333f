// The "..." buttons of the slope window: each opens a reference table and writes
// the chosen value into its field, as if the user had typed it.
#include <QString>

#include <string_view>

#include "forms/BotonesDeTabla.h"
#include "ui/Escritorio.h"
#include "ui/fields/Unidades.h"
#include "ui/tables/Seleccion.h"
#include "ui/windows/MainBrovel.h"

namespace brovel {

void TMainFormBrovel::ElegirDeTablaPara(std::string_view codigo, std::string_view destino) {
    EjecutarProtegido(this, [&] {
        const std::optional<double> valor =
            ElegirDeTabla(this, QString::fromLatin1(codigo.data(), static_cast<qsizetype>(codigo.size())));
        if (!valor) return;
        TUnidades* campo = CampoPorNombre(destino);
        campo->SetBaseValue(*valor);
        campo->setFocus();
    });
}

}  // namespace brovel
