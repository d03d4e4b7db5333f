// Where a window opens: never larger than the screen's free area, never off it,
// centred the first time and where the user left it afterwards, while that place
// is still on a screen. The place is kept in the user's settings for the program.
#pragma once

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

namespace brovel {

// The window's inside (without its frame `marco`) for a window that wants
// `deseado`, on screens whose free areas are `pantallas`, the first being the one
// it opens on when it has no place of its own. `anterior`, the inside it had when
// it was last closed, is kept (made smaller and moved in as needed) while its
// title bar is on one of the screens.
QRect LugarDeVentana(const QSize& deseado, const QMargins& marco, const QList<QRect>& pantallas,
                     const std::optional<QRect>& anterior);

// Places `ventana` before it is shown: its size and place from the last time, or
// `deseado` centred on its screen, always within the screen.
void ColocarVentana(QWidget* ventana, const QSize& deseado);

// Each time `ventana` appears: once the desktop has framed it, brings it within
// the screen with its real frame. ColocarVentana does this too.
void VigilarAlAparecer(QWidget* ventana);

// Keeps the window's size and place for the next time it opens.
void RecordarVentana(const QWidget* ventana);

}  // namespace brovel
