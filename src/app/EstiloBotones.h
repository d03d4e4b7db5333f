// The look the program asks of whatever style the desktop provides.
#pragma once

#include <QProxyStyle>

namespace brovel {

// Buttons of message boxes and dialogs carry their text only, as on the
// desktops the program's users know.
class TEstiloBrovel : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* opcion = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* retorno = nullptr) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
        return QProxyStyle::styleHint(hint, opcion, widget, retorno);
    }
};

}  // namespace brovel
