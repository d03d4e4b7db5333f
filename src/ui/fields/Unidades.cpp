#include "ui/fields/Unidades.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QToolTip>

#include "ui/Escritorio.h"

namespace brovel {
namespace {

constexpr int kSeparacion = 3;
constexpr int kAnchoSelector = 100;
const QColor kFondoSoloLectura(181, 189, 204);
// The width of the lines of a long tooltip.
constexpr int kAnchoAyuda = 380;

bool EsCaracterNumerico(QChar c) { return QStringLiteral("0123456789+-Ee.,").contains(c); }

bool EsImprimible(const QString& texto) { return !texto.isEmpty() && texto.at(0).isPrint(); }

}  // namespace

TBoundLabel::TBoundLabel(QWidget* padre) : TRotulo(padre) {}

bool TBoundLabel::event(QEvent* evento) { return MostrarAyudaEnParrafo(this, evento) || TRotulo::event(evento); }

bool MostrarAyudaEnParrafo(QWidget* control, QEvent* evento) {
    if (evento->type() != QEvent::ToolTip) return false;
    const QString ayuda = control->toolTip();
    if (ayuda.isEmpty() || Qt::mightBeRichText(ayuda)) return false;
    // Rich text is what the tooltip breaks into lines; a long sentence gets lines
    // of a width that reads well, a short one stays on its line.
    const bool larga = QFontMetrics(QToolTip::font()).horizontalAdvance(ayuda) > kAnchoAyuda;
    const QString texto = larga ? QStringLiteral("<table width=\"%1\"><tr><td>%2</td></tr></table>")
                                      .arg(kAnchoAyuda)
                                      .arg(ayuda.toHtmlEscaped())
                                : QStringLiteral("<p>%1</p>").arg(ayuda.toHtmlEscaped());
    QToolTip::showText(static_cast<QHelpEvent*>(evento)->globalPos(), texto, control);
    return true;
}

TUnidades::TUnidades(QWidget* padre, const QString& nombre, TCantidad* cantidad)
    : QLineEdit(padre),
      cantidad_(cantidad ? cantidad : &propia_),
      etiqueta_(new TBoundLabel(padre)),
      selector_(new QComboBox(padre)) {
    setObjectName(nombre);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    etiqueta_->setObjectName(nombre + QStringLiteral("Label"));
    // The caption takes its size where the field is placed (Reubicar), once it
    // has its own text, not for the name it shows until then.
    etiqueta_->setText(nombre);
    selector_->setObjectName(nombre + QStringLiteral("Unidad"));
    selector_->setFixedWidth(kAnchoSelector);
    // Tab and Enter go from field to field; the unit is picked with the mouse.
    selector_->setFocusPolicy(Qt::ClickFocus);
    LlenarSelector();
    QLineEdit::setText(QString::fromStdString(cantidad_->Text()));
    EscucharCantidad();
    propia_.OnChange = [this] { emit OnChange(); };
    connect(this, &QLineEdit::textChanged, this, &TUnidades::AlEditar);
    connect(selector_, &QComboBox::activated, this, &TUnidades::AlElegirUnidad);
    ApplyDefaultColors();
}

TUnidades::~TUnidades() {
    Desvincular();
    delete etiqueta_;
    delete selector_;
}

void TUnidades::EscucharCantidad() {
    cantidad_->AlCambiarTexto = [this](const std::string& texto) {
        {
            const QSignalBlocker bloqueo(this);
            QLineEdit::setText(QString::fromStdString(texto));
        }
        // A form's quantity tells its form; the field still tells whoever listens.
        if (Vinculado() && !cantidad_->Cargando()) emit OnChange();
    };
}

void TUnidades::Vincular(TCantidad& cantidad) {
    Desvincular();
    cantidad_ = &cantidad;
    EscucharCantidad();
    LlenarSelector();
    const QSignalBlocker bloqueo(this);
    QLineEdit::setText(QString::fromStdString(cantidad_->Text()));
}

void TUnidades::Desvincular() {
    if (cantidad_ == &propia_) return;
    cantidad_->AlCambiarTexto = nullptr;
    cantidad_ = &propia_;
    EscucharCantidad();
}

void TUnidades::SetUnits(const QStringList& unidades) {
    std::vector<std::string> items;
    items.reserve(static_cast<size_t>(unidades.size()));
    for (const auto& u : unidades) items.push_back(u.toStdString());
    cantidad_->SetUnits(std::move(items));
    LlenarSelector();
}

QStringList TUnidades::Units() const {
    QStringList unidades;
    for (const auto& u : cantidad_->Units()) unidades << QString::fromStdString(u);
    return unidades;
}

void TUnidades::SetDefaultUnit(int indice) {
    if (indice < 0 || indice >= selector_->count()) return;
    {
        const QSignalBlocker bloqueo(selector_);
        selector_->setCurrentIndex(indice);
    }
    cantidad_->SetDefaultUnit(indice);
}

QString TUnidades::UnitAsString() const { return QString::fromStdString(cantidad_->UnitAsString()); }

void TUnidades::SetText(const QString& texto) { cantidad_->SetText(texto.toStdString()); }

QString TUnidades::Caption() const { return etiqueta_->text(); }

void TUnidades::SetCaption(const QString& titulo) {
    etiqueta_->setText(titulo);
    // A field not placed nor shown yet has no place to put its caption by: the
    // caption goes there with the field, when it is moved, sized or shown.
    if (testAttribute(Qt::WA_Moved) || testAttribute(Qt::WA_Resized) || isVisible()) Reubicar();
}

void TUnidades::SetReadOnly(bool soloLectura) {
    setReadOnly(soloLectura);
    setFocusPolicy(soloLectura ? Qt::ClickFocus : Qt::StrongFocus);
    ApplyDefaultColors();
}

void TUnidades::Cargado() {
    cantidad_->Cargado();
    LlenarSelector();
    const QSignalBlocker bloqueo(this);
    QLineEdit::setText(QString::fromStdString(cantidad_->Text()));
}

bool TUnidades::ProcesarSalida() {
    auto tipo = TESBBoundsValidationType::Ninguno;
    try {
        tipo = cantidad_->ProcesarSalida();
    } catch (const std::exception& e) {
        TEscritorio::Actual().MostrarError(window(), QString::fromUtf8(e.what()));
        RecuperarFoco();
        return false;
    }
    if (tipo == TESBBoundsValidationType::Ninguno) return true;
    if (OnBoundsError) {
        OnBoundsError(this, text(), tipo);
    } else {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        TEscritorio::Actual().MostrarError(window(), QString::fromStdString(cantidad_->MensajeLimite(tipo)));
        QApplication::restoreOverrideCursor();
        RecuperarFoco();
    }
    return false;
}

void TUnidades::RecuperarFoco() {
    setFocus();
    selectAll();
}

void TUnidades::setVisible(bool visible) {
    QLineEdit::setVisible(visible);
    if (etiqueta_) etiqueta_->setVisible(visible);
    if (selector_) selector_->setVisible(visible);
}

// The window's shortcuts win over the edit's own keys (Ctrl+N starts a new project
// from inside a field), except the desktop's select-all, which selects the text as
// in any other edit.
bool TUnidades::event(QEvent* evento) {
    if (MostrarAyudaEnParrafo(this, evento)) return true;
    if (evento->type() == QEvent::ShortcutOverride && EsAtajoDeLaVentana(*static_cast<QKeyEvent*>(evento))) {
        evento->ignore();
        return true;
    }
    return QLineEdit::event(evento);
}

bool TUnidades::EsAtajoDeLaVentana(const QKeyEvent& tecla) const {
    if (tecla.matches(QKeySequence::SelectAll)) return false;
    const QKeySequence secuencia(tecla.keyCombination());
    for (const QAction* accion : window()->findChildren<QAction*>()) {
        if (accion->isEnabled() && accion->shortcuts().contains(secuencia)) return true;
    }
    return false;
}

void TUnidades::keyPressEvent(QKeyEvent* evento) {
    switch (evento->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Down: focusNextChild(); return;
        case Qt::Key_Up: focusPreviousChild(); return;
        case Qt::Key_Escape:
            if (!isReadOnly()) undo();
            return;
        default: break;
    }
    const bool conControl = evento->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (isReadOnly()) {
        if (evento->key() == Qt::Key_Delete ||
            (evento->key() == Qt::Key_Insert && (evento->modifiers() & Qt::ShiftModifier)))
            return;
        if (!conControl && EsImprimible(evento->text())) {
            TEscritorio::Actual().Pitido();
            return;
        }
    } else if (!conControl && EsImprimible(evento->text())) {
        for (const QChar c : evento->text()) {
            if (!EsCaracterNumerico(c)) {
                TEscritorio::Actual().Pitido();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(evento);
}

void TUnidades::focusInEvent(QFocusEvent* evento) {
    QLineEdit::focusInEvent(evento);
    switch (evento->reason()) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
        case Qt::OtherFocusReason: selectAll(); break;
        default: break;
    }
}

// Only a move of the focus to another control leaves the field; a menu, a popup or
// another window taking the keyboard for a while does not.
void TUnidades::focusOutEvent(QFocusEvent* evento) {
    QLineEdit::focusOutEvent(evento);
    switch (evento->reason()) {
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason:
        case Qt::NoFocusReason: return;
        default: ProcesarSalida();
    }
}

void TUnidades::moveEvent(QMoveEvent* evento) {
    QLineEdit::moveEvent(evento);
    Reubicar();
}

void TUnidades::resizeEvent(QResizeEvent* evento) {
    QLineEdit::resizeEvent(evento);
    Reubicar();
}

void TUnidades::changeEvent(QEvent* evento) {
    QLineEdit::changeEvent(evento);
    if (evento->type() == QEvent::ParentChange) {
        if (etiqueta_) etiqueta_->setParent(parentWidget());
        if (selector_) selector_->setParent(parentWidget());
        Reubicar();
    } else if (evento->type() == QEvent::FontChange) {
        Reubicar();
    }
}

void TUnidades::AlEditar(const QString& texto) {
    // The field's own writes come with signals blocked: this is the user's typing.
    EjecutarProtegido(window(), [&] {
        cantidad_->TextoEditado(texto.toStdString());
        if (Vinculado()) emit OnChange();
    });
}

void TUnidades::AlElegirUnidad(int indice) {
    EjecutarProtegido(window(), [&] { cantidad_->CambiarUnidad(indice); });
}

void TUnidades::LlenarSelector() {
    const QSignalBlocker bloqueo(selector_);
    selector_->clear();
    for (const auto& u : cantidad_->Unidades()) selector_->addItem(QString::fromStdString(u.nombre));
    selector_->setCurrentIndex(cantidad_->CurrentUnit());
}

// The caption sits 3 pixels left of the field and the selector 3 pixels right of
// it, both centred on the field's height.
void TUnidades::Reubicar() {
    if (!etiqueta_ || !selector_) return;
    const QRect g = geometry();
    etiqueta_->adjustSize();
    etiqueta_->move(g.left() - etiqueta_->width() - kSeparacion, g.top() + (g.height() - etiqueta_->height()) / 2);
    const int alto = selector_->sizeHint().height();
    selector_->setGeometry(g.left() + g.width() + kSeparacion, g.top() + (g.height() - alto) / 2, kAnchoSelector, alto);
}

void TUnidades::ApplyDefaultColors() {
    QPalette paleta = palette();
    const QPalette general = QApplication::palette(this);
    paleta.setColor(QPalette::Base, isReadOnly() ? kFondoSoloLectura : general.color(QPalette::Base));
    paleta.setColor(QPalette::Text, general.color(QPalette::Text));
    setPalette(paleta);
}

}  // namespace brovel
