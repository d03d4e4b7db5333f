// What the calculation tabs of both windows are built of: a page of stacked
// groups, a drawing that grows with its room, rows of options, the quantity
// fields, and the last touches every tab gets.
#pragma once

#include <QPixmap>
#include <QString>
#include <QSvgRenderer>
#include <QWidget>

#include <deque>
#include <vector>

#include "ui/windows/Formulario.h"

class QHBoxLayout;
class QRadioButton;
class QVBoxLayout;

namespace brovel {

class TCantidad;
class TPanelGrilla;
class TUnidades;
struct TDefinicionCampo;

// A page of groups stacked as wide as the page, in a frameless scroll area so that
// nothing is ever clipped when the window is made smaller than its content. The
// caption column is the window's (TFormulario::AlinearColumnas).
class TPagina {
public:
    explicit TPagina(QWidget* pagina);
    // What is left of the page's height goes below the last group, unless a
    // control was given it.
    ~TPagina();

    TPagina(const TPagina&) = delete;
    TPagina& operator=(const TPagina&) = delete;

    // A titled group, below the previous one.
    TFormulario& Grupo(const QString& titulo, const QString& nombre = QString());
    // A panel of rows that goes inside a group's row, or inside a group of its own.
    TFormulario& Panel(const QString& nombre);
    // A control below the groups that takes what is left of the page's height.
    void Llenar(QWidget* control);
    // A plot at the right of the groups, as tall as the page. It keeps its width
    // when the window grows, so that the groups and their fields take the rest, and
    // every tab of the window sizes its fields as if it had one beside it. Where
    // the window is too narrow for the widest page's fields and a plot, the plot
    // goes below the groups instead, on every page.
    void Grafico(QWidget* vista);
    // A titled group that takes what is left of the page's height: its rows of
    // fields (`filas`, a panel of this page), then a result grid below them.
    void GrupoConGrilla(const QString& titulo, TFormulario* filas, TPanelGrilla* grilla);

    QWidget* Contenido() const { return contenido_; }
    QVBoxLayout* Columna() const { return columna_; }

private:
    QWidget* pagina_;
    QHBoxLayout* marco_;
    QWidget* contenido_;
    QVBoxLayout* columna_;
    std::deque<TFormulario> formularios_;
    bool lleno_ = false;
};

// A drawing of the resource `recurso`: as large as its room allows, up to
// `escalaMaxima` times its drawn size, never distorted, centred across the room and
// placed in its height as `vertical` says (Qt::AlignTop or Qt::AlignVCenter). It
// asks for its drawn size, and for no less than `escalaMinima` of it. The drawing
// is rendered once for each size it takes and kept as an image, so that painting
// the widget again (a keystroke nearby, a tab shown again) only copies it.
class TDibujo : public QWidget {
public:
    TDibujo(QWidget* padre, const QString& recurso, const QString& nombre, double escalaMaxima, double escalaMinima,
            Qt::Alignment vertical);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Where the drawing goes inside the widget.
    QRect Lugar() const;
    // How many times the drawing has been rendered from its description.
    int Renderizados() const { return renderizados_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QSvgRenderer dibujo_;
    // The drawing at the size and pixel ratio it was last painted at.
    QPixmap imagen_;
    int renderizados_ = 0;
    double escalaMaxima_;
    double escalaMinima_;
    Qt::Alignment vertical_;
};

// A row of radio buttons side by side.
QWidget* Opciones(QWidget* padre, const std::vector<QRadioButton*>& botones);
// A radio button named `nombre`, titled `titulo` (both UTF-8).
QRadioButton* NuevaOpcion(QWidget* padre, const char* nombre, const char* titulo);

// The quantity field of the row `definicion` of a window's table, created in
// `formulario`, showing and editing `cantidad`, the form's quantity of that name.
// It shows its row's caption and help, tests an input's range on leaving it and is
// read-only for a result.
TUnidades* NuevoCampo(TFormulario& formulario, const TDefinicionCampo& definicion, TCantidad& cantidad);

// The width the fields of a tab measure to grow: that of `area`, the tab's
// scrolled page, or, in a window with plots, the tab's width less a plot's, the
// same on every tab whether it shows a plot or not.
int AnchoParaCampos(const QWidget* area);

// Once every tab is built: the fields of all tabs under `pestanas` share one
// caption column, and no list or field takes the wheel without the focus.
void TerminarPestanas(QWidget* pestanas);

}  // namespace brovel
