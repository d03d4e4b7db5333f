#include "ui/tables/Seleccion.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QPolygon>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>

#include "tables/TablasReferencia.h"
#include "ui/Escritorio.h"
#include "ui/windows/Marco.h"

namespace brovel {

// The shown part of a reference table: every column but the two row flags.
class TModeloTablaReferencia : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void Cargar(TTablaReferencia tabla) {
        beginResetModel();
        tabla_ = std::move(tabla);
        endResetModel();
    }
    const TTablaReferencia& Tabla() const { return tabla_; }
    static int ColumnaDeTabla(int columnaMostrada) {
        return columnaMostrada + TTablaReferencia::kPrimeraColumnaVisible;
    }

    int rowCount(const QModelIndex& padre = {}) const override { return padre.isValid() ? 0 : tabla_.CantidadFilas(); }
    int columnCount(const QModelIndex& padre = {}) const override {
        return padre.isValid() ? 0 : std::max(0, tabla_.CantidadColumnas() - TTablaReferencia::kPrimeraColumnaVisible);
    }

    QVariant data(const QModelIndex& indice, int rol) const override {
        if (!indice.isValid()) return {};
        const int fila = indice.row();
        const int columna = ColumnaDeTabla(indice.column());
        switch (rol) {
            case Qt::DisplayRole:
                // A row may leave its numbers undrawn (they repeat the row above);
                // choosing the cell still gives the number back.
                if (tabla_.Columnas()[columna].tipo == TTipoColumna::Numero && !tabla_.Mostrar(fila)) return QString();
                return QString::fromStdString(TextoDeCelda(tabla_.Celda(fila, columna)));
            case Qt::BackgroundRole: return tabla_.FondoBlanco(fila) ? QColor(255, 255, 255) : QColor(192, 220, 192);
            default: return {};
        }
    }

    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol = Qt::DisplayRole) const override {
        if (orientacion != Qt::Horizontal || rol != Qt::DisplayRole) return {};
        if (seccion < 0 || seccion >= columnCount()) return {};
        return QString::fromStdString(tabla_.Columnas()[ColumnaDeTabla(seccion)].titulo);
    }

    Qt::ItemFlags flags(const QModelIndex& indice) const override {
        return indice.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

private:
    TTablaReferencia tabla_;
};

namespace {

// Designed size and the children's distances to the edges they follow.
constexpr int kAnchoDisenado = 530;
constexpr int kAltoDisenado = 506;
constexpr int kGridIzquierda = 8, kGridArriba = 7, kGridDerecha = 15, kGridAbajoDisenado = 245;
constexpr int kOkDerecha = 106, kCancelarDerecha = 13, kBotonesAbajo = 31, kAltoBoton = 25;
constexpr int kAnchoOk = 87, kAnchoCancelar = 85;
constexpr int kLeyendaIzquierda = 8, kLeyendaDerecha = 18, kLeyendaAbajo = 63, kAltoLeyenda = 177;
// What the legend takes: the dialog grows or shrinks by this much.
constexpr int kAltoReferencias = 187;
constexpr int kAltoGrid = 250;
constexpr int kAnchoConTabla = 740;
// Pixels a column needs beyond its text: the text's inset and the line, and
// around a title, the header's own margins.
constexpr int kRellenoColumna = 12;
constexpr int kRellenoCabecera = 12;
constexpr int kAnchoIndicador = 12;

const char* const kLineasReferencias[] = {
    "Referencias:",
    "",
    "CS: cultivo en surco",
    "GPI: grano pequeño de invierno",
    "GPP: grano pequeño de primavera",
    "P1: primer año de pradera",
    "P2: segundo año de pradera",
    "M: maíz",
    "S: soja",
    "lr: labranza reducida",
    "sl: sin labranza",
    "Filtro X: Franja de pradera permanente que cubre X de brovel debajo del cultivo",
};

// The narrowest width that shows `titulo` on at most two lines, broken between
// words.
int AnchoEnDosLineas(const QFontMetrics& metrica, const QString& titulo) {
    int ancho = metrica.horizontalAdvance(titulo);
    for (qsizetype corte = titulo.indexOf(QLatin1Char(' ')); corte >= 0;
         corte = titulo.indexOf(QLatin1Char(' '), corte + 1)) {
        const int primera = metrica.horizontalAdvance(titulo.left(corte));
        const int segunda = metrica.horizontalAdvance(titulo.mid(corte + 1));
        ancho = std::min(ancho, std::max(primera, segunda));
    }
    return ancho;
}

// Column titles on the button face, centred and bold on up to two lines; at the
// left, the row indicator marks the current row.
class TCabecera : public QHeaderView {
public:
    TCabecera(Qt::Orientation orientacion, QTableView* vista) : QHeaderView(orientacion, vista), vista_(vista) {
        setSectionsClickable(false);
        setHighlightSections(false);
    }

protected:
    void paintSection(QPainter* pintor, const QRect& rect, int seccion) const override {
        if (!rect.isValid()) return;
        pintor->save();
        const QPalette& paleta = palette();
        pintor->fillRect(rect, paleta.color(QPalette::Button));
        pintor->setPen(paleta.color(QPalette::Light));
        pintor->drawLine(rect.topLeft(), rect.topRight());
        pintor->drawLine(rect.topLeft(), rect.bottomLeft());
        pintor->setPen(paleta.color(QPalette::Dark));
        pintor->drawLine(rect.topRight(), rect.bottomRight());
        pintor->drawLine(rect.bottomLeft(), rect.bottomRight());
        if (orientation() == Qt::Horizontal) {
            pintor->setPen(paleta.color(QPalette::ButtonText));
            pintor->setFont(font());
            pintor->drawText(rect.adjusted(2, 1, -2, -1), Qt::AlignCenter | Qt::TextWordWrap,
                             model()->headerData(seccion, Qt::Horizontal).toString());
        } else if (vista_->currentIndex().isValid() && vista_->currentIndex().row() == seccion) {
            const QPoint centro = rect.center();
            const int h = std::max(2, std::min(rect.height(), rect.width()) / 3);
            pintor->setRenderHint(QPainter::Antialiasing);
            pintor->setPen(Qt::NoPen);
            pintor->setBrush(paleta.color(QPalette::ButtonText));
            pintor->drawPolygon(
                QPolygon({QPoint(centro.x() - h / 2, centro.y() - h), QPoint(centro.x() - h / 2, centro.y() + h),
                          QPoint(centro.x() + h / 2 + 1, centro.y())}));
        }
        pintor->restore();
    }

private:
    QTableView* vista_;
};

// A cell: its band's colour (the highlight when current, also without focus), its
// text on one line from the top-left corner, and a line at its right edge.
class TDelegadoCelda : public QStyledItemDelegate {
public:
    explicit TDelegadoCelda(QTableView* vista) : QStyledItemDelegate(vista), vista_(vista) {}

    void paint(QPainter* pintor, const QStyleOptionViewItem& opcion, const QModelIndex& indice) const override {
        pintor->save();
        const bool actual = vista_->currentIndex() == indice;
        const QPalette& paleta = opcion.palette;
        const QColor fondo =
            actual ? paleta.color(QPalette::Highlight) : indice.data(Qt::BackgroundRole).value<QColor>();
        pintor->fillRect(opcion.rect, fondo);
        const QString texto = indice.data(Qt::DisplayRole).toString();
        if (!texto.isEmpty()) {
            pintor->setFont(opcion.font);
            pintor->setPen(paleta.color(actual ? QPalette::HighlightedText : QPalette::WindowText));
            pintor->drawText(opcion.rect.adjusted(1, 1, -1, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                             texto);
        }
        pintor->setPen(paleta.color(QPalette::Mid));
        pintor->drawLine(opcion.rect.topRight(), opcion.rect.bottomRight());
        pintor->restore();
    }

private:
    QTableView* vista_;
};

}  // namespace

TSeleccionForm::TSeleccionForm(QWidget* dueno) : QDialog(dueno) {
    setObjectName(QStringLiteral("SeleccionForm"));
    setWindowTitle(QStringLiteral("Seleccionar Dato"));
    setMinimumWidth(kAnchoDisenado);

    Grid = new QTableView(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    QFont fuenteCabecera = font();
    fuenteCabecera.setBold(true);
    QFont fuenteCeldas = fuenteCabecera;
    if (fuenteCeldas.pointSizeF() > 0)
        fuenteCeldas.setPointSizeF(fuenteCeldas.pointSizeF() - 1);
    else
        fuenteCeldas.setPixelSize(fuenteCeldas.pixelSize() - 1);
    Grid->setFont(fuenteCeldas);

    auto* cabecera = new TCabecera(Qt::Horizontal, Grid);
    Grid->setHorizontalHeader(cabecera);
    cabecera->setFont(fuenteCabecera);
    cabecera->setSectionResizeMode(QHeaderView::Interactive);
    cabecera->setMinimumSectionSize(8);
    cabecera->setFixedHeight(2 * QFontMetrics(fuenteCabecera).lineSpacing() + 6);

    const int altoFila = QFontMetrics(fuenteCeldas).height() + 4;
    auto* indicador = new TCabecera(Qt::Vertical, Grid);
    Grid->setVerticalHeader(indicador);
    indicador->setSectionResizeMode(QHeaderView::Fixed);
    indicador->setMinimumSectionSize(altoFila);
    indicador->setDefaultSectionSize(altoFila);
    indicador->setFixedWidth(kAnchoIndicador);

    Grid->setItemDelegate(new TDelegadoCelda(Grid));
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setTabKeyNavigation(true);
    Grid->setShowGrid(false);
    Grid->setWordWrap(false);
    Grid->setCornerButtonEnabled(false);
    Grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    Grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The current cell keeps its colour while the buttons have the focus.
    QPalette paleta = Grid->palette();
    for (const auto rol : {QPalette::Highlight, QPalette::HighlightedText})
        paleta.setColor(QPalette::Inactive, rol, paleta.color(QPalette::Active, rol));
    Grid->setPalette(paleta);

    modelo_ = new TModeloTablaReferencia(this);
    Grid->setModel(modelo_);
    // The columns follow the grid's width, also when a scroll bar comes or goes.
    Grid->viewport()->installEventFilter(this);
    connect(Grid->selectionModel(), &QItemSelectionModel::currentChanged, this, [this, indicador] {
        ActualizarOk();
        indicador->viewport()->update();
    });

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    BitBtn2 = new QPushButton(QStringLiteral("Cancelar"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    Referencias = new QTextEdit(this);
    Referencias->setObjectName(QStringLiteral("Referencias"));
    Referencias->setReadOnly(true);
    QPalette paletaReferencias = Referencias->palette();
    paletaReferencias.setColor(QPalette::Base, paletaReferencias.color(QPalette::Button));
    Referencias->setPalette(paletaReferencias);
    QStringList lineas;
    for (const char* linea : kLineasReferencias) lineas << QString::fromUtf8(linea);
    // A narrow margin lets the twelve lines fit without a scroll bar.
    Referencias->document()->setDocumentMargin(2);
    Referencias->setPlainText(lineas.join(QLatin1Char('\n')));

    resize(kAnchoDisenado, kAltoDisenado);
    margenInferiorGrid_ = kGridAbajoDisenado;
    Acomodar();

    // Most tables come without the legend: the dialog starts without its room.
    Referencias->hide();
    resize(width(), height() - kAltoReferencias);
    Acomodar();
    FijarAltoGrid(kAltoGrid);
}

void TSeleccionForm::CargarTabla(const QString& codigo) {
    auto tabla = brovel::CargarTabla(codigo.toStdString());
    if (!tabla) throw std::invalid_argument("tabla desconocida: " + codigo.toStdString());
    modelo_->Cargar(std::move(*tabla));

    // Each column as wide as its title on at most two lines, or as its widest cell.
    const TTablaReferencia& cargada = modelo_->Tabla();
    const QFontMetrics metricaCeldas(Grid->font());
    const QFontMetrics metricaCabecera(Grid->horizontalHeader()->font());
    anchosNecesarios_.clear();
    columnaElastica_ = -1;
    for (int c = 0; c < modelo_->columnCount(); ++c) {
        int ancho =
            AnchoEnDosLineas(metricaCabecera, modelo_->headerData(c, Qt::Horizontal).toString()) + kRellenoCabecera;
        for (int f = 0; f < modelo_->rowCount(); ++f)
            ancho = std::max(ancho,
                             metricaCeldas.horizontalAdvance(modelo_->index(f, c).data().toString()) + kRellenoColumna);
        anchosNecesarios_.push_back(ancho);
        // The descriptions take the room left, not a column of one-letter codes.
        const auto tipo = cargada.Columnas()[TModeloTablaReferencia::ColumnaDeTabla(c)].tipo;
        if (tipo == TTipoColumna::Texto &&
            (columnaElastica_ < 0 || ancho > anchosNecesarios_[static_cast<size_t>(columnaElastica_)]))
            columnaElastica_ = c;
    }

    resize(kAnchoConTabla, height());
    Acomodar();
    AjustarColumnas();
    if (modelo_->rowCount() > 0 && modelo_->columnCount() > 0) Grid->setCurrentIndex(modelo_->index(0, 0));
    ActualizarOk();
}

void TSeleccionForm::MostrarReferencias() {
    Referencias->show();
    resize(width(), height() + kAltoReferencias);
    Acomodar();
    FijarAltoGrid(kAltoGrid);
}

double TSeleccionForm::Valor() const {
    const QModelIndex actual = Grid->currentIndex();
    if (!actual.isValid()) return 0;
    return modelo_->Tabla()
        .NumeroElegible(actual.row(), TModeloTablaReferencia::ColumnaDeTabla(actual.column()))
        .value_or(0);
}

int TSeleccionForm::FilaActual() const { return Grid->currentIndex().row(); }

bool TSeleccionForm::EligeFila() const { return modelo_->Tabla().EligeFila(); }

void TSeleccionForm::resizeEvent(QResizeEvent* evento) {
    QDialog::resizeEvent(evento);
    Acomodar();
}

void TSeleccionForm::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (evento->spontaneous()) return;
    CentrarEnPantalla(this);
    ActualizarOk();
}

bool TSeleccionForm::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == Grid->viewport() && evento->type() == QEvent::Resize) AjustarColumnas();
    return QDialog::eventFilter(objeto, evento);
}

// What is left beyond the needs goes to the text column, or is shared by all
// columns of a table of numbers; a grid too narrow for the needs scrolls instead
// of cutting a column short.
void TSeleccionForm::AjustarColumnas() {
    const int columnas = static_cast<int>(anchosNecesarios_.size());
    if (columnas == 0) return;
    std::vector<int> anchos = anchosNecesarios_;
    int necesario = 0;
    for (int ancho : anchos) necesario += ancho;
    const int sobrante = Grid->viewport()->width() - necesario;
    if (sobrante > 0) {
        if (columnaElastica_ >= 0) {
            anchos[static_cast<size_t>(columnaElastica_)] += sobrante;
        } else {
            for (int c = 0; c < columnas; ++c)
                anchos[static_cast<size_t>(c)] += sobrante / columnas + (c < sobrante % columnas ? 1 : 0);
        }
    }
    for (int c = 0; c < columnas; ++c) Grid->setColumnWidth(c, anchos[static_cast<size_t>(c)]);
}

void TSeleccionForm::Acomodar() {
    const int ancho = width();
    const int alto = height();
    Grid->setGeometry(kGridIzquierda, kGridArriba, std::max(0, ancho - kGridIzquierda - kGridDerecha),
                      std::max(0, alto - kGridArriba - margenInferiorGrid_));
    const int arribaBotones = alto - kBotonesAbajo - kAltoBoton;
    BitBtn1->setGeometry(ancho - kOkDerecha - kAnchoOk, arribaBotones, kAnchoOk, kAltoBoton);
    BitBtn2->setGeometry(ancho - kCancelarDerecha - kAnchoCancelar, arribaBotones, kAnchoCancelar, kAltoBoton);
    Referencias->setGeometry(kLeyendaIzquierda, alto - kLeyendaAbajo - kAltoLeyenda,
                             std::max(0, ancho - kLeyendaIzquierda - kLeyendaDerecha), kAltoLeyenda);
}

void TSeleccionForm::FijarAltoGrid(int alto) {
    margenInferiorGrid_ = height() - kGridArriba - alto;
    Acomodar();
}

void TSeleccionForm::ActualizarOk() {
    const QModelIndex actual = Grid->currentIndex();
    const bool hayNumero =
        actual.isValid() &&
        modelo_->Tabla().NumeroElegible(actual.row(), TModeloTablaReferencia::ColumnaDeTabla(actual.column()));
    BitBtn1->setEnabled(EligeFila() || hayNumero);
}

namespace {

// The picker's size for the tables that need another than the usual 740 pixels
// wide (0 leaves it as it is).
struct TTamanoSelector {
    const char* codigo;
    int ancho;
    int alto;
};

// clang-format off
const TTamanoSelector kTamanosSelector[] = {
    {"TD3", 665, 0},   {"TD4", 665, 0},
    {"ES1", 632, 0},   {"ES2", 632, 0},   {"ES3", 645, 0},
    {"EC1", 740, 455}, {"EC2", 740, 455}, {"EC3", 740, 455}, {"EC4", 740, 455},
};
// clang-format on

TTamanoSelector TamanoSelector(std::string_view codigo) {
    for (const TTamanoSelector& tamano : kTamanosSelector)
        if (codigo == tamano.codigo) return tamano;
    return {"", 0, 0};
}

}  // namespace

std::optional<double> ElegirDeTabla(QWidget* dueno, const QString& codigo) {
    const TEntradaCatalogo* entrada = EntradaDeCatalogo(codigo.toStdString());
    if (!entrada) throw std::invalid_argument("tabla desconocida: " + codigo.toStdString());

    TSeleccionForm dialogo(dueno);
    dialogo.setWindowTitle(QString::fromUtf8(entrada->titulo));
    dialogo.CargarTabla(codigo);
    if (entrada->referencias) dialogo.MostrarReferencias();
    const TTamanoSelector tamano = TamanoSelector(entrada->codigo);
    if (tamano.alto != 0) dialogo.resize(dialogo.width(), tamano.alto);
    if (tamano.ancho != 0) dialogo.resize(tamano.ancho, dialogo.height());

    if (TEscritorio::Actual().MostrarModal(dialogo) != QDialog::Accepted) return std::nullopt;
    if (dialogo.EligeFila()) return static_cast<double>(dialogo.FilaActual());
    return dialogo.Valor() / entrada->divisor;
}

}  // namespace brovel
