// A drop-down list of numbers (a count, a step): as wide as a few characters and
// an icon whatever it holds, so that refilling it never resizes it. Qt's list
// sizes itself so only after making the popup that shows its entries, which a
// window full of them would make at start for nothing: this one measures itself
// alike and leaves the popup until it is opened.
#pragma once

#include <QComboBox>

namespace brovel {

class TListaDeNumeros : public QComboBox {
public:
    // As wide as `caracteres` characters.
    TListaDeNumeros(QWidget* padre, int caracteres);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

}  // namespace brovel
