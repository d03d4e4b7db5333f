#include "ui/windows/Pagina.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "forms/CamposBrovel.h"
#include "ui/fields/Unidades.h"
#include "ui/windows/Comandos.h"
#include "ui/windows/GrillaResultados.h"

namespace brovel {

namespace {

constexpr const char* kReservaGraficos = "reservaGraficos";
// The height a plot takes below the fields, when there is no room beside them.
constexpr int kAltoGraficoAbajo = 320;

// The tab control a page belongs to, and the page itself.
QTabWidget* PestanasDe(const QWidget* w, const QWidget** pagina = nullptr) {
    for (; w; w = w->parentWidget()) {
        if (qobject_cast<const QStackedWidget*>(w->parentWidget())) {
            if (pagina) *pagina = w;
            return qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget());
        }
    }
    return nullptr;
}

// The width a window's tabs need to show a plot beside the fields of every page:
// the widest page's fields, the scroll bar beside them where there is one, and the
// plot.
int AnchoConGraficos(const QTabWidget* pestanas) {
    const int reserva = pestanas->property(kReservaGraficos).toInt();
    int campos = 0;
    for (const QScrollArea* area : pestanas->findChildren<QScrollArea*>()) {
        if (!area->widget() || !area->widget()->objectName().endsWith(QStringLiteral("Contenido"))) continue;
        const int barra = area->verticalScrollBar()->isVisible() ? area->verticalScrollBar()->width() : 0;
        campos = std::max(campos, area->widget()->minimumSizeHint().width() + barra);
    }
    return campos + reserva;
}

bool GraficosAlLado(const QWidget* pagina, const QTabWidget* pestanas) {
    return pestanas->property(kReservaGraficos).toInt() > 0 && pagina->width() >= AnchoConGraficos(pestanas);
}

// Puts a page's plot beside its fields while the page is wide enough for both, and
// below the fields, in the scrolled column, when it is not.
class TLugarDelGrafico : public QObject {
public:
    TLugarDelGrafico(QWidget* pagina, QWidget* vista, QHBoxLayout* marco, QVBoxLayout* columna)
        : QObject(pagina), pagina_(pagina), vista_(vista), marco_(marco), columna_(columna) {
        pagina->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (objeto == pagina_ && (evento->type() == QEvent::Resize || evento->type() == QEvent::Show)) Decidir();
        return false;
    }

private:
    void Decidir() {
        const QTabWidget* pestanas = PestanasDe(pagina_);
        const bool alLado = !pestanas || GraficosAlLado(pagina_, pestanas);
        if (alLado == alLado_) return;
        alLado_ = alLado;
        if (alLado) {
            columna_->removeWidget(vista_);
            vista_->setParent(pagina_);
            vista_->setMinimumHeight(0);
            marco_->addWidget(vista_, 0);
        } else {
            marco_->removeWidget(vista_);
            vista_->setParent(columna_->parentWidget());
            vista_->setMinimumHeight(kAltoGraficoAbajo);
            columna_->addWidget(vista_, 0);
        }
        vista_->show();
    }

    QWidget* pagina_;
    QWidget* vista_;
    QHBoxLayout* marco_;
    QVBoxLayout* columna_;
    bool alLado_ = true;
};

// A page shown measures its rows at once, not when the events queued get to it:
// what was hidden or shown while the page was not current counts before the page
// is first painted, and its scroll bar is right from the start.
class TMedirAlMostrar : public QObject {
public:
    TMedirAlMostrar(QWidget* pagina, QWidget* area) : QObject(pagina), area_(area) { pagina->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() != QEvent::Show) return false;
        // The rows first, the groups that hold them next, the page's column last.
        QList<QWidget*> controles = area_->findChildren<QWidget*>();
        controles.prepend(area_);
        for (auto control = controles.rbegin(); control != controles.rend(); ++control)
            QCoreApplication::sendPostedEvents(*control, QEvent::LayoutRequest);
        return false;
    }

private:
    QWidget* area_;
};

}  // namespace

TPagina::TPagina(QWidget* pagina) : pagina_(pagina) {
    marco_ = new QHBoxLayout(pagina);
    marco_->setContentsMargins(0, 0, 0, 0);
    marco_->setSpacing(0);
    auto* marco = marco_;
    auto* desplazable = new QScrollArea(pagina);
    desplazable->setFrameShape(QFrame::NoFrame);
    desplazable->setWidgetResizable(true);
    contenido_ = new QWidget(desplazable);
    contenido_->setObjectName(pagina->objectName() + QStringLiteral("Contenido"));
    desplazable->setWidget(contenido_);
    marco->addWidget(desplazable, 1);
    columna_ = new QVBoxLayout(contenido_);
    columna_->setContentsMargins(8, 6, 8, 6);
    columna_->setSpacing(6);
    new TMedirAlMostrar(pagina, desplazable);
}

TPagina::~TPagina() {
    if (!lleno_) columna_->addStretch(1);
}

TFormulario& TPagina::Grupo(const QString& titulo, const QString& nombre) {
    TFormulario& f = formularios_.emplace_back(contenido_, titulo, nombre);
    columna_->addWidget(f.Grupo());
    return f;
}

TFormulario& TPagina::Panel(const QString& nombre) { return formularios_.emplace_back(contenido_, QString(), nombre); }

void TPagina::Llenar(QWidget* control) {
    columna_->addWidget(control, 1);
    lleno_ = true;
}

void TPagina::Grafico(QWidget* vista) {
    vista->setParent(pagina_);
    marco_->addWidget(vista, 0);
    if (QTabWidget* pestanas = PestanasDe(pagina_)) pestanas->setProperty(kReservaGraficos, vista->sizeHint().width());
    new TLugarDelGrafico(pagina_, vista, marco_, columna_);
}

int AnchoParaCampos(const QWidget* area) {
    const QWidget* pagina = nullptr;
    const QTabWidget* pestanas = PestanasDe(area, &pagina);
    if (!pestanas || !GraficosAlLado(pagina, pestanas)) return area->width();
    return pagina->width() - pestanas->property(kReservaGraficos).toInt();
}

void TPagina::GrupoConGrilla(const QString& titulo, TFormulario* filas, TPanelGrilla* grilla) {
    auto* grupo = new QGroupBox(titulo, contenido_);
    auto* disposicion = new QVBoxLayout(grupo);
    // As a form's group: its rows and the grid start where theirs do.
    disposicion->setContentsMargins(10, 4, 10, 6);
    disposicion->setSpacing(6);
    if (filas) disposicion->addWidget(filas->Grupo());
    grilla->setParent(grupo);
    disposicion->addWidget(grilla, 1);
    Llenar(grupo);
}

TDibujo::TDibujo(QWidget* padre, const QString& recurso, const QString& nombre, double escalaMaxima,
                 double escalaMinima, Qt::Alignment vertical)
    : QWidget(padre), dibujo_(recurso), escalaMaxima_(escalaMaxima), escalaMinima_(escalaMinima), vertical_(vertical) {
    setObjectName(nombre);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize TDibujo::sizeHint() const { return dibujo_.defaultSize(); }

QSize TDibujo::minimumSizeHint() const { return dibujo_.defaultSize() * escalaMinima_; }

QRect TDibujo::Lugar() const {
    const QSizeF natural = dibujo_.defaultSize();
    if (natural.isEmpty()) return {};
    const double escala = std::min({width() / natural.width(), height() / natural.height(), escalaMaxima_});
    const QSize tamano = (natural * escala).toSize();
    const int y = vertical_.testFlag(Qt::AlignVCenter) ? (height() - tamano.height()) / 2 : 0;
    return {(width() - tamano.width()) / 2, y, tamano.width(), tamano.height()};
}

void TDibujo::paintEvent(QPaintEvent*) {
    const QRect lugar = Lugar();
    if (lugar.isEmpty()) return;
    const qreal razon = devicePixelRatioF();
    const QSize pixeles = (QSizeF(lugar.size()) * razon).toSize();
    if (imagen_.size() != pixeles || imagen_.devicePixelRatio() != razon) {
        imagen_ = QPixmap(pixeles);
        imagen_.setDevicePixelRatio(razon);
        imagen_.fill(Qt::transparent);
        QPainter lienzo(&imagen_);
        lienzo.setRenderHint(QPainter::Antialiasing);
        dibujo_.render(&lienzo, QRectF(QPointF(0, 0), QSizeF(lugar.size())));
        ++renderizados_;
    }
    QPainter pintor(this);
    pintor.drawPixmap(lugar.topLeft(), imagen_);
}

QWidget* Opciones(QWidget* padre, const std::vector<QRadioButton*>& botones) {
    auto* fila = new QWidget(padre);
    auto* disposicion = new QHBoxLayout(fila);
    disposicion->setContentsMargins(0, 0, 0, 0);
    disposicion->setSpacing(18);
    for (QRadioButton* boton : botones) {
        boton->setParent(fila);
        disposicion->addWidget(boton);
    }
    disposicion->addStretch(1);
    return fila;
}

QRadioButton* NuevaOpcion(QWidget* padre, const char* nombre, const char* titulo) {
    auto* boton = new QRadioButton(QString::fromUtf8(titulo), padre);
    boton->setObjectName(QString::fromUtf8(nombre));
    return boton;
}

TUnidades* NuevoCampo(TFormulario& formulario, const TDefinicionCampo& d, TCantidad& cantidad) {
    TUnidades* campo =
        formulario.Campo(QString::fromUtf8(d.nombre.data(), static_cast<int>(d.nombre.size())), &cantidad);
    campo->SetCaption(QString::fromUtf8(d.titulo.data(), static_cast<int>(d.titulo.size())));
    if (d.clase == TClaseCampo::Entrada) campo->OnBoundsError = BoundsError;
    if (d.clase == TClaseCampo::Resultado) campo->SetReadOnly(true);
    const QString ayuda = QString::fromUtf8(d.ayuda.data(), static_cast<int>(d.ayuda.size()));
    campo->setToolTip(ayuda);
    campo->EditLabel()->setToolTip(ayuda);
    return campo;
}

void TerminarPestanas(QWidget* pestanas) {
    TFormulario::AlinearColumnas(pestanas);
    for (QComboBox* lista : pestanas->findChildren<QComboBox*>()) RuedaSoloConFoco(lista);
    for (TUnidades* campo : pestanas->findChildren<TUnidades*>()) RuedaSoloConFoco(campo);
}

}  // namespace brovel
