// The result grids of the runoff window: a read-only table over one of the form's
// grids, whose cells are written only when they are drawn, so that a grid of any
// length scrolls at once; and the panel that puts a grid beside its caption, with
// the titles of its columns and the unit selector of one of them above it.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <QWidget>

class QComboBox;
class QLabel;

namespace brovel {

struct TGrillaResultados;

// Row 0 of the form's grid is the header; the others are the table's rows.
class TModeloGrilla : public QAbstractTableModel {
    Q_OBJECT
public:
    TModeloGrilla(const TGrillaResultados& grilla, QObject* padre);

    int rowCount(const QModelIndex& padre = QModelIndex()) const override;
    int columnCount(const QModelIndex& padre = QModelIndex()) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol = Qt::DisplayRole) const override;

    // The form's grid has changed: everything is read again when next drawn.
    void Actualizar();

private:
    const TGrillaResultados& grilla_;
};

// The grid as the window shows it: grey-blue, read-only, columns of 112 pixels and
// rows of 17, the unit header fixed above the rows, a vertical scroll bar always
// there, and exactly as wide as its columns.
class TVistaGrilla : public QTableView {
    Q_OBJECT
public:
    TVistaGrilla(QWidget* padre, const QString& nombre, const TGrillaResultados& grilla);

    // Reads the form's grid again, keeping the rows the user scrolled to.
    void Actualizar();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    static constexpr int kAnchoColumna = 112;
    static constexpr int kAltoFila = 17;

private:
    TModeloGrilla* modelo_;
};

// A grid with its caption on the left, its right edge against the grid, and a strip
// above the grid with the titles of its columns and one unit selector, each above
// its column. The grid starts where the fields of `guia` do (the window's field
// column) while the page has room for it, further left when it has not; it takes
// the panel's height.
class TPanelGrilla : public QWidget {
    Q_OBJECT
public:
    TPanelGrilla(QWidget* padre, TVistaGrilla* grilla, const QString& rotulo, const QStringList& titulos,
                 QComboBox* selector, int columnaSelector, const QWidget* guia);

    QLabel* Rotulo() const { return rotulo_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    void Colocar();
    int AltoFranja() const;

    TVistaGrilla* grilla_;
    QLabel* rotulo_;
    QWidget* franja_;
    const QWidget* guia_;

    static constexpr int kAnchoMinimoRotulo = 110;
    // The room the grid leaves between a number and its column's right edge.
    static constexpr int kSangria = 4;
    static constexpr int kSeparacion = 8;
};

}  // namespace brovel
