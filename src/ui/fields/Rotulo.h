// A caption of one line of plain text. Qt's label lays its text out three times to
// know its sizes (as it is, at no width and at any width), which for a line that
// never breaks all come to the same: this one lays it out once, and again only when
// its text or its font changes. Any other label (one that breaks into lines, rich
// text, a frame, an indent, a mnemonic, no text at all) is measured as Qt measures
// it.
#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>

namespace brovel {

class TRotulo : public QLabel {
public:
    explicit TRotulo(QWidget* padre = nullptr);
    TRotulo(const QString& texto, QWidget* padre);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    // Whether the text is one line of plain text that nothing else sizes.
    bool DeUnaLinea() const;
    QSize Medida() const;

    // The text's box as last laid out, and what it was laid out for.
    mutable QRect caja_;
    mutable QString textoMedido_;
    mutable QFont letraMedida_;
    mutable int alineacionMedida_ = 0;
    mutable bool medido_ = false;
};

}  // namespace brovel
