#include "ui/windows/Formulario.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/fields/Unidades.h"

namespace brovel {

// One row of a form. Its control sits at the shared caption column; a quantity
// field places its own caption and unit selector around itself.
class TFormulario::TFila : public QWidget {
public:
    enum class Clase { Campo, Etiquetado, EnColumna, Rotulado, Linea };

    explicit TFila(QWidget* padre) : QWidget(padre) { setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed); }

    void Poner(QWidget* control, Clase clase, QLabel* etiqueta = nullptr) {
        control_ = control;
        clase_ = clase;
        etiqueta_ = etiqueta;
        control_->installEventFilter(this);
    }

    // A control that follows the row's own: after the unit selector of a field.
    void Anexar(QWidget* anexo) {
        anexo_ = anexo;
        updateGeometry();
        Colocar();
    }

    int AnchoEtiqueta() const {
        if (clase_ == Clase::Campo) return static_cast<TUnidades*>(control_)->EditLabel()->sizeHint().width();
        if (clase_ == Clase::Rotulado) return 0;
        return etiqueta_ ? etiqueta_->sizeHint().width() : 0;
    }
    bool EnColumna() const { return clase_ != Clase::Linea; }
    void SetColumna(int x) {
        columna_ = x;
        updateGeometry();
        Colocar();
    }

    QSize sizeHint() const override {
        const QSize control = control_->sizeHint();
        const int alto = std::max(control.height(), 22) + 2;
        if (!EnColumna()) return {control.width(), alto};
        const int campo = columna_ + kSeparacionCampo + kAnchoCampo + kSeparacionCampo + kAnchoSelectorUnidad;
        const int anexo = anexo_ ? kSeparacionCampo + anexo_->sizeHint().width() : 0;
        if (clase_ == Clase::Campo) return {campo + anexo, alto};
        if (clase_ == Clase::Rotulado)
            return {columna_ + kSeparacionCampo + control.width() + kSeparacionRotulo + etiqueta_->sizeHint().width(),
                    alto};
        return {std::max(campo, columna_ + kSeparacionCampo + control.width()), alto};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (objeto == control_ && (evento->type() == QEvent::ShowToParent || evento->type() == QEvent::HideToParent)) {
            setVisible(evento->type() == QEvent::ShowToParent);
            MostrarGrupoSiHayFilas();
        }
        return false;
    }
    void resizeEvent(QResizeEvent*) override { Colocar(); }

private:
    // A titled group whose every row is hidden is hidden with them.
    void MostrarGrupoSiHayFilas() {
        auto* grupo = qobject_cast<QGroupBox*>(parentWidget());
        if (!grupo) return;
        bool alguna = false;
        for (const TFila* fila : grupo->findChildren<TFila*>(Qt::FindDirectChildrenOnly))
            alguna |= !OcultoExplicitamente(fila);
        grupo->setVisible(alguna);
    }

    void Colocar() {
        if (!control_) return;
        const int h = control_->sizeHint().height();
        const int y = (height() - h) / 2;
        const int x = columna_ + kSeparacionCampo;
        switch (clase_) {
            case Clase::Linea:
                control_->setGeometry(0, y, width(), h);
                break;
            case Clase::Campo:
                control_->setGeometry(x, y, kAnchoCampo, h);
                if (anexo_) {
                    const QSize a = anexo_->sizeHint();
                    anexo_->setGeometry(x + kAnchoCampo + kSeparacionCampo + kAnchoSelectorUnidad + kSeparacionCampo,
                                        (height() - a.height()) / 2, a.width(), a.height());
                }
                break;
            case Clase::Rotulado: {
                const QSize b = control_->sizeHint();
                control_->setGeometry(x, (height() - b.height()) / 2, b.width(), b.height());
                const QSize e = etiqueta_->sizeHint();
                etiqueta_->setGeometry(x + b.width() + kSeparacionRotulo, (height() - e.height()) / 2, e.width(),
                                       e.height());
                break;
            }
            case Clase::Etiquetado:
            case Clase::EnColumna: {
                const int natural = control_->sizeHint().width();
                const int ancho = clase_ == Clase::EnColumna ? natural : std::max(kAnchoCampo, natural);
                control_->setGeometry(x, y, std::min(ancho, width() - x), h);
                if (etiqueta_) {
                    const QSize e = etiqueta_->sizeHint();
                    etiqueta_->setGeometry(columna_ - e.width(), (height() - e.height()) / 2, e.width(), e.height());
                }
                break;
            }
        }
    }

    static constexpr int kSeparacionRotulo = 6;

    QWidget* control_ = nullptr;
    QWidget* anexo_ = nullptr;
    QLabel* etiqueta_ = nullptr;
    Clase clase_ = Clase::Linea;
    int columna_ = 0;
};

TFormulario::TFormulario(QWidget* padre, const QString& titulo, const QString& nombre)
    : grupo_(titulo.isEmpty() ? new QWidget(padre) : new QGroupBox(titulo, padre)), filas_(new QVBoxLayout(grupo_)) {
    grupo_->setObjectName(nombre);
    filas_->setSpacing(1);
    if (titulo.isEmpty())
        filas_->setContentsMargins(0, 0, 0, 0);
    else
        filas_->setContentsMargins(10, 4, 10, 6);
}

TFormulario::TFila* TFormulario::NuevaFila() {
    auto* fila = new TFila(grupo_);
    filas_->addWidget(fila);
    return fila;
}

TUnidades* TFormulario::Campo(const QString& nombre) {
    TFila* fila = NuevaFila();
    auto* campo = new TUnidades(fila, nombre);
    fila->Poner(campo, TFila::Clase::Campo);
    return campo;
}

QComboBox* TFormulario::Lista(const QString& nombre, const QString& nombreEtiqueta, const QString& titulo) {
    TFila* fila = NuevaFila();
    auto* etiqueta = new QLabel(titulo, fila);
    etiqueta->setObjectName(nombreEtiqueta);
    auto* lista = new QComboBox(fila);
    lista->setObjectName(nombre);
    lista->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    etiqueta->setBuddy(lista);
    fila->Poner(lista, TFila::Clase::Etiquetado, etiqueta);
    return lista;
}

QRadioButton* TFormulario::Opcion(const QString& nombre, const QString& titulo) {
    TFila* fila = NuevaFila();
    auto* opcion = new QRadioButton(titulo, fila);
    opcion->setObjectName(nombre);
    fila->Poner(opcion, TFila::Clase::Linea);
    return opcion;
}

QCheckBox* TFormulario::Casilla(const QString& nombre, const QString& titulo) {
    TFila* fila = NuevaFila();
    auto* casilla = new QCheckBox(titulo, fila);
    casilla->setObjectName(nombre);
    fila->Poner(casilla, TFila::Clase::Linea);
    return casilla;
}

QPushButton* TFormulario::Boton(const QString& nombre, const QString& titulo) {
    TFila* fila = NuevaFila();
    auto* boton = new QPushButton(titulo, fila);
    boton->setObjectName(nombre);
    fila->Poner(boton, TFila::Clase::EnColumna);
    return boton;
}

QToolButton* TFormulario::BotonJunto(TUnidades* campo, const QString& nombre, const QString& titulo) {
    auto* fila = static_cast<TFila*>(campo->parentWidget());
    auto* boton = new QToolButton(fila);
    boton->setText(titulo);
    boton->setObjectName(nombre);
    fila->Anexar(boton);
    return boton;
}

QToolButton* TFormulario::BotonConRotulo(const QString& nombre, const QString& titulo, const QString& rotulo) {
    TFila* fila = NuevaFila();
    auto* boton = new QToolButton(fila);
    boton->setText(titulo);
    boton->setObjectName(nombre);
    auto* etiqueta = new QLabel(rotulo, fila);
    etiqueta->setBuddy(boton);
    fila->Poner(boton, TFila::Clase::Rotulado, etiqueta);
    return boton;
}

void TFormulario::Linea(QWidget* control) {
    TFila* fila = NuevaFila();
    control->setParent(fila);
    fila->Poner(control, TFila::Clase::Linea);
}

int TFormulario::AnchoEtiquetas() const {
    int ancho = 0;
    for (const TFila* fila : grupo_->findChildren<TFila*>(Qt::FindDirectChildrenOnly))
        if (fila->EnColumna()) ancho = std::max(ancho, fila->AnchoEtiqueta());
    return ancho;
}

void TFormulario::SetColumna(int x) {
    for (TFila* fila : grupo_->findChildren<TFila*>(Qt::FindDirectChildrenOnly)) fila->SetColumna(x);
}

bool OcultoExplicitamente(const QWidget* control) {
    return control->testAttribute(Qt::WA_WState_ExplicitShowHide) && control->isHidden();
}

}  // namespace brovel
