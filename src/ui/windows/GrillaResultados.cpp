#include "ui/windows/GrillaResultados.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>

#include <algorithm>

#include "forms/FormaZumbrel.h"

namespace brovel {

namespace {

const QColor kFondoGrilla(181, 189, 204);

}  // namespace

TModeloGrilla::TModeloGrilla(const TGrillaResultados& grilla, QObject* padre)
    : QAbstractTableModel(padre), grilla_(grilla) {}

int TModeloGrilla::rowCount(const QModelIndex& padre) const { return padre.isValid() ? 0 : grilla_.Filas(); }

int TModeloGrilla::columnCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : static_cast<int>(grilla_.encabezados.size());
}

QVariant TModeloGrilla::data(const QModelIndex& indice, int rol) const {
    if (!indice.isValid()) return {};
    if (rol == Qt::DisplayRole) return QString::fromStdString(grilla_.Celda(indice.row() + 1, indice.column()));
    if (rol == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TModeloGrilla::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
    if (orientacion != Qt::Horizontal) return {};
    if (rol == Qt::DisplayRole) return QString::fromStdString(grilla_.Celda(0, seccion));
    if (rol == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

void TModeloGrilla::Actualizar() {
    beginResetModel();
    endResetModel();
}

TVistaGrilla::TVistaGrilla(QWidget* padre, const QString& nombre, const TGrillaResultados& grilla)
    : QTableView(padre), modelo_(new TModeloGrilla(grilla, this)) {
    setObjectName(nombre);
    setModel(modelo_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    // Tab goes from field to field; a click lets the keys scroll the grid.
    setFocusPolicy(Qt::ClickFocus);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);

    // Fixed sizes: nothing is measured, so a hundred thousand rows cost no more than ten.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(kAltoFila);
    verticalHeader()->setDefaultSectionSize(kAltoFila);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(kAnchoColumna);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);

    QPalette paleta = palette();
    paleta.setColor(QPalette::Base, kFondoGrilla);
    paleta.setColor(QPalette::Window, kFondoGrilla);
    setPalette(paleta);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

void TVistaGrilla::Actualizar() {
    const int desplazamiento = verticalScrollBar()->value();
    modelo_->Actualizar();
    verticalScrollBar()->setValue(desplazamiento);
}

QSize TVistaGrilla::sizeHint() const {
    const int ancho =
        modelo_->columnCount() * kAnchoColumna + verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
    return {ancho, horizontalHeader()->sizeHint().height() + 12 * kAltoFila + 2 * frameWidth()};
}

QSize TVistaGrilla::minimumSizeHint() const {
    return {sizeHint().width(), horizontalHeader()->sizeHint().height() + 4 * kAltoFila + 2 * frameWidth()};
}

TPanelGrilla::TPanelGrilla(QWidget* padre, TVistaGrilla* grilla, const QString& rotulo, const QStringList& titulos,
                           QComboBox* selector, int columnaSelector, const QWidget* guia)
    : QWidget(padre), grilla_(grilla), rotulo_(new QLabel(rotulo, this)), franja_(new QWidget(this)), guia_(guia) {
    grilla_->setParent(this);
    rotulo_->setWordWrap(true);
    rotulo_->setAlignment(Qt::AlignRight | Qt::AlignTop);

    // The selector over its column, and below it, just above the grid, the titles
    // of the columns, each against its column's right edge as the numbers are.
    const int borde = grilla_->frameWidth();
    const int ancho = TVistaGrilla::kAnchoColumna;
    int y = 0;
    if (selector) {
        selector->setParent(franja_);
        const int margen = 4;
        selector->setGeometry(borde + columnaSelector * ancho + margen, 0, ancho - 2 * margen,
                              selector->sizeHint().height());
        y = selector->sizeHint().height() + 3;
    }
    for (int c = 0; c < titulos.size(); ++c) {
        if (titulos[c].isEmpty()) continue;
        auto* titulo = new QLabel(titulos[c], franja_);
        titulo->setAlignment(Qt::AlignRight | Qt::AlignBottom);
        titulo->setContentsMargins(0, 0, kSangria, 0);
        titulo->setGeometry(borde + c * ancho, y, ancho, fontMetrics().height() + 2);
    }
    franja_->setFixedSize(grilla_->sizeHint().width(), AltoFranja());
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

int TPanelGrilla::AltoFranja() const {
    int alto = 0;
    for (const QWidget* w : franja_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        alto = std::max(alto, w->geometry().bottom() + 1);
    return alto + 3;
}

QSize TPanelGrilla::sizeHint() const {
    const QSize g = grilla_->sizeHint();
    const int x = guia_ ? guia_->x() : kAnchoMinimoRotulo + kSeparacion;
    return {x + g.width(), AltoFranja() + g.height()};
}

QSize TPanelGrilla::minimumSizeHint() const {
    const QSize g = grilla_->minimumSizeHint();
    return {kAnchoMinimoRotulo + kSeparacion + g.width(), AltoFranja() + g.height()};
}

void TPanelGrilla::resizeEvent(QResizeEvent*) { Colocar(); }
void TPanelGrilla::showEvent(QShowEvent*) { Colocar(); }

void TPanelGrilla::Colocar() {
    const int anchoGrilla = grilla_->sizeHint().width();
    const int deseado = guia_ ? guia_->x() : kAnchoMinimoRotulo + kSeparacion;
    const int x = std::max(kAnchoMinimoRotulo + kSeparacion, std::min(deseado, width() - anchoGrilla));
    const int arriba = AltoFranja();
    franja_->move(x, 0);
    grilla_->setGeometry(x, arriba, anchoGrilla, height() - arriba);
    const int anchoRotulo = x - kSeparacion;
    const int altoRotulo = rotulo_->heightForWidth(anchoRotulo);
    // On the header row when it takes one line, from its top when it takes more.
    const int cabecera = grilla_->horizontalHeader()->height();
    const int y = arriba + std::max(0, (cabecera - altoRotulo) / 2);
    rotulo_->setGeometry(0, y, anchoRotulo, std::max(altoRotulo, 0));
}

}  // namespace brovel
