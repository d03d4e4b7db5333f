#include "ui/windows/Formulario.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

#include "ui/fields/ListaDeNumeros.h"
#include "ui/fields/Rotulo.h"
#include "ui/fields/Unidades.h"
#include "ui/windows/Pagina.h"

namespace brovel {

namespace {

// The scrolled page a control sits on, if any.
QAbstractScrollArea* AreaDesplazable(const QWidget* control) {
    for (QWidget* w = control->parentWidget(); w && !w->isWindow(); w = w->parentWidget())
        if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) return area;
    return nullptr;
}

}  // namespace

// One row of a form. Its control sits at the shared caption column; a quantity
// field places its own caption and unit selector around itself.
class TFormulario::TFila : public QWidget {
public:
    enum class Clase { Campo, Etiquetado, Numeros, EnColumna, Rotulado, Linea };

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
        const QSize control = Natural(control_);
        const int alto = std::max(control.height(), 22) + 2;
        if (!EnColumna()) return {control.width(), alto};
        const int campo = columna_ + kSeparacionCampo + kAnchoCampo + kSeparacionCampo + kAnchoSelectorUnidad;
        const int anexo = anexo_ ? kSeparacionCampo + anexo_->sizeHint().width() : 0;
        if (clase_ == Clase::Campo) return {campo + anexo, alto};
        if (clase_ == Clase::Rotulado) return {IzquierdaRotulo() + AnchoRotulo(), heightForWidth(-1)};
        return {std::max(campo, columna_ + kSeparacionCampo + control.width()), alto};
    }
    // A caption beside a button may take two lines rather than widen the page.
    QSize minimumSizeHint() const override {
        const QSize preferido = sizeHint();
        if (clase_ != Clase::Rotulado) return preferido;
        return {IzquierdaRotulo() + std::min(AnchoRotulo(), kAnchoMinimoRotulo), preferido.height()};
    }
    bool hasHeightForWidth() const override { return clase_ == Clase::Rotulado; }
    int heightForWidth(int ancho) const override {
        if (clase_ != Clase::Rotulado) return sizeHint().height();
        const int rotulo = AltoRotulo(ancho < 0 ? AnchoRotulo() : ancho - IzquierdaRotulo());
        const int alto = std::max(Natural(control_).height(), rotulo);
        return std::max(alto, 22) + 2;
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (objeto == control_ && (evento->type() == QEvent::ShowToParent || evento->type() == QEvent::HideToParent)) {
            // The row carries its caption: it shows and hides with its control.
            if (etiqueta_) etiqueta_->setVisible(evento->type() == QEvent::ShowToParent);
            setVisible(evento->type() == QEvent::ShowToParent);
            MostrarGrupoSiHayFilas();
        }
        return false;
    }
    // A control that asks for another size (a list refilled) is placed again.
    bool event(QEvent* evento) override {
        if (evento->type() == QEvent::LayoutRequest) {
            updateGeometry();
            Colocar();
            return true;
        }
        return QWidget::event(evento);
    }
    void resizeEvent(QResizeEvent*) override { Colocar(); }
    void showEvent(QShowEvent*) override { Colocar(); }

private:
    // The numeric part of a field: wider on a page wider than the designed one.
    // Every row of every page of a window measures the same page width, so that
    // their fields keep one width.
    int AnchoCampo() const {
        const QAbstractScrollArea* area = AreaDesplazable(this);
        if (!area) return kAnchoCampo;
        return kAnchoCampo + std::clamp((AnchoParaCampos(area) - kAnchoPaginaDisenada) / 2, 0, kCrecimientoMaximoCampo);
    }

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
        // A field's place, and that of its button, follows the page's width, which
        // a row not shown does not have yet: the row is placed when it is shown. The
        // lists are placed at once, since the width they keep counts in the page's.
        if (clase_ == Clase::Campo && !isVisible()) return;
        const int h = control_->sizeHint().height();
        const int y = (height() - h) / 2;
        const int x = columna_ + kSeparacionCampo;
        switch (clase_) {
            case Clase::Linea:
                control_->setGeometry(0, (height() - Natural(control_).height()) / 2, width(),
                                      Natural(control_).height());
                break;
            case Clase::Campo: {
                const int ancho = AnchoCampo();
                control_->setGeometry(x, y, ancho, h);
                if (anexo_) {
                    const QSize a = anexo_->sizeHint();
                    anexo_->setGeometry(x + ancho + kSeparacionCampo + kAnchoSelectorUnidad + kSeparacionCampo,
                                        (height() - a.height()) / 2, a.width(), a.height());
                }
                break;
            }
            case Clase::Rotulado: {
                const QSize b = control_->sizeHint();
                control_->setGeometry(x, (height() - b.height()) / 2, b.width(), b.height());
                const int ancho = std::max(0, std::min(AnchoRotulo(), width() - IzquierdaRotulo()));
                const int alto = AltoRotulo(ancho);
                etiqueta_->setGeometry(IzquierdaRotulo(), (height() - alto) / 2, ancho, alto);
                break;
            }
            case Clase::Etiquetado:
            case Clase::Numeros:
            case Clase::EnColumna: {
                const int natural = control_->sizeHint().width();
                int ancho = natural;
                if (clase_ == Clase::Etiquetado) ancho = std::max(kAnchoCampo, natural);
                if (clase_ == Clase::Numeros) ancho = kAnchoCampo;
                ancho = std::min(ancho, width() - x);
                // A list keeps this width when it is refilled, whatever it holds.
                if (clase_ != Clase::EnColumna) control_->setFixedWidth(std::max(ancho, 0));
                control_->setGeometry(x, y, ancho, h);
                if (etiqueta_) {
                    const QSize e = etiqueta_->sizeHint();
                    etiqueta_->setGeometry(columna_ - e.width(), (height() - e.height()) / 2, e.width(), e.height());
                }
                break;
            }
        }
    }

    // What a control asks for, within the limits set on it (a box of fixed height).
    static QSize Natural(const QWidget* control) {
        return control->sizeHint().expandedTo(control->minimumSize()).boundedTo(control->maximumSize());
    }
    int IzquierdaRotulo() const {
        return columna_ + kSeparacionCampo + control_->sizeHint().width() + kSeparacionRotulo;
    }
    // The caption beside a button, on one line, and its height in `ancho` pixels.
    // The layouts ask for both many times over: they are measured again only for
    // another text, font or width.
    int AnchoRotulo() const {
        OlvidarSiCambio();
        if (anchoRotulo_ < 0) anchoRotulo_ = etiqueta_->fontMetrics().horizontalAdvance(etiqueta_->text()) + 1;
        return anchoRotulo_;
    }
    int AltoRotulo(int ancho) const {
        OlvidarSiCambio();
        ancho = std::max(ancho, 1);
        if (ancho != anchoDelAlto_) {
            altoRotulo_ = etiqueta_->fontMetrics()
                              .boundingRect(QRect(0, 0, ancho, 10000), Qt::TextWordWrap, etiqueta_->text())
                              .height();
            anchoDelAlto_ = ancho;
        }
        return altoRotulo_;
    }
    void OlvidarSiCambio() const {
        if (etiqueta_->text() == textoMedido_ && etiqueta_->font() == letraMedida_) return;
        textoMedido_ = etiqueta_->text();
        letraMedida_ = etiqueta_->font();
        anchoRotulo_ = -1;
        anchoDelAlto_ = -1;
    }

    static constexpr int kSeparacionRotulo = 6;
    static constexpr int kAnchoMinimoRotulo = 240;

    QWidget* control_ = nullptr;
    QWidget* anexo_ = nullptr;
    QLabel* etiqueta_ = nullptr;
    Clase clase_ = Clase::Linea;
    int columna_ = 0;
    // What the caption beside a button measured, and for what.
    mutable QString textoMedido_;
    mutable QFont letraMedida_;
    mutable int anchoRotulo_ = -1;
    mutable int anchoDelAlto_ = -1;
    mutable int altoRotulo_ = 0;
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

TUnidades* TFormulario::Campo(const QString& nombre, TCantidad* cantidad) {
    TFila* fila = NuevaFila();
    auto* campo = new TUnidades(fila, nombre, cantidad);
    fila->Poner(campo, TFila::Clase::Campo);
    return campo;
}

QComboBox* TFormulario::Lista(const QString& nombre, const QString& nombreEtiqueta, const QString& titulo) {
    return NuevaLista(nombre, nombreEtiqueta, titulo, false);
}

QComboBox* TFormulario::ListaDeNumeros(const QString& nombre, const QString& nombreEtiqueta, const QString& titulo) {
    return NuevaLista(nombre, nombreEtiqueta, titulo, true);
}

QComboBox* TFormulario::NuevaLista(const QString& nombre, const QString& nombreEtiqueta, const QString& titulo,
                                   bool deNumeros) {
    TFila* fila = NuevaFila();
    auto* etiqueta = new TRotulo(titulo, fila);
    etiqueta->setObjectName(nombreEtiqueta);
    QComboBox* lista = deNumeros ? new TListaDeNumeros(fila, 2) : new QComboBox(fila);
    lista->setObjectName(nombre);
    if (!deNumeros) lista->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    etiqueta->setBuddy(lista);
    fila->Poner(lista, deNumeros ? TFila::Clase::Numeros : TFila::Clase::Etiquetado, etiqueta);
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
    etiqueta->setWordWrap(true);
    etiqueta->setBuddy(boton);
    fila->Poner(boton, TFila::Clase::Rotulado, etiqueta);
    QSizePolicy politica = fila->sizePolicy();
    politica.setHeightForWidth(true);
    fila->setSizePolicy(politica);
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

void TFormulario::AlinearColumnas(QWidget* raiz) {
    // Rows are plain widgets to the meta-object system: they are told apart by type.
    QList<TFila*> filas;
    for (QWidget* w : raiz->findChildren<QWidget*>())
        if (auto* fila = dynamic_cast<TFila*>(w)) filas << fila;
    int ancho = 0;
    for (const TFila* fila : filas)
        if (fila->EnColumna()) ancho = std::max(ancho, fila->AnchoEtiqueta());
    for (TFila* fila : filas) fila->SetColumna(ancho);
}

namespace {

class TRuedaSoloConFoco : public QObject {
public:
    explicit TRuedaSoloConFoco(QWidget* control) : QObject(control), control_(control) {
        // A list would otherwise take the focus, and then the turn, from the wheel.
        if (control->focusPolicy() == Qt::WheelFocus) control->setFocusPolicy(Qt::StrongFocus);
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (objeto != control_ || evento->type() != QEvent::Wheel || control_->hasFocus()) return false;
        auto* rueda = static_cast<QWheelEvent*>(evento);
        QAbstractScrollArea* area = AreaDesplazable(control_);
        if (!area) {
            rueda->ignore();
            return true;
        }
        QWidget* vista = area->viewport();
        QWheelEvent paraLaPagina(control_->mapTo(vista, rueda->position().toPoint()), rueda->globalPosition(),
                                 rueda->pixelDelta(), rueda->angleDelta(), rueda->buttons(), rueda->modifiers(),
                                 rueda->phase(), rueda->inverted(), rueda->source(), rueda->pointingDevice());
        QCoreApplication::sendEvent(vista, &paraLaPagina);
        return true;
    }

private:
    QWidget* control_;
};

}  // namespace

void RuedaSoloConFoco(QWidget* control) { new TRuedaSoloConFoco(control); }

bool OcultoExplicitamente(const QWidget* control) {
    return control->testAttribute(Qt::WA_WState_ExplicitShowHide) && control->isHidden();
}

}  // namespace brovel
