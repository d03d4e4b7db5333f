// What the process sets before any window exists.
#pragma once

namespace brovel {

// Numbers are written and read with "." whatever the user's regional settings; the
// application is called "Brovel" and its menu entry "brovel.desktop"; dialog
// buttons follow the program's style and the desktop's own dialogs speak Spanish.
// Call once, right after the QApplication is created.
void PrepararProceso();

}  // namespace brovel
