// The about boxes of the slope window and of the runoff window.
#pragma once

class QWidget;

namespace brovel {

void MostrarAcercaDeBrovel(QWidget* dueno);
void MostrarAcercaDeZumbrel(QWidget* dueno);

}  // namespace brovel
