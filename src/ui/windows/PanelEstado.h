// The status panel along the bottom of both windows: "OK" on the button colour, or
// a data-error message on red.
#pragma once

#include <QLabel>

namespace brovel {

class TPanelEstado : public QLabel {
    Q_OBJECT
public:
    explicit TPanelEstado(QWidget* padre);

    void MostrarOk();
    void MostrarError(const QString& mensaje);
    // A passing notice on the normal colour, until the state is shown again.
    void MostrarAviso(const QString& aviso);
    bool EnError() const { return enError_; }

private:
    bool enError_ = false;
};

}  // namespace brovel
