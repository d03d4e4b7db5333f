// Commands and handlers that both windows share.
#pragma once

#include <QString>

#include "fields/Cantidad.h"

class QWidget;

namespace brovel {

class TUnidades;

// The help document, in the program's data folder "Ayuda".
QString RutaAyuda();

// Opens the help document with the desktop's default viewer, or says why it cannot.
void AbrirAyuda(QWidget* dueno);

// The windows' range-error handler: names the field's range in its base unit and
// gives the focus back to the field.
void BoundsError(TUnidades* campo, const QString& texto, TESBBoundsValidationType tipo);

}  // namespace brovel
