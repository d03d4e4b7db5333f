// The runoff window, "Zumbrel": a second calculator, owned by the slope window and
// shown modally from it. It is a view of the runoff form: each widget edits its
// part of the form and shows what the form holds; the form computes.
#pragma once

#include <functional>

#include <QDialog>
#include <QString>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/FormaZumbrel.h"
#include "ui/windows/VentanaForma.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QTabWidget;
class QToolButton;

namespace brovel {

class TFormulario;
class TGraficoTiempo;
class TPanelEstado;
class TUnidades;
class TVistaGrilla;

class TMainFormZumbrel : public TVentanaDeForma<QDialog> {
    Q_OBJECT
public:
    // A view of `forma`, which may end before the view does (the slope window's form
    // goes before the widgets the window owns): the view then lets go of it.
    TMainFormZumbrel(QWidget* dueno, TFormaZumbrel& forma);
    ~TMainFormZumbrel() override;

    TFormaZumbrel& Forma() { return forma_; }

    QAction* Cargar = nullptr;
    QAction* Grabar = nullptr;

    // The name of the project the window works for, as its owner shows it; it names
    // the print jobs ("Zumbrel - NOMBRE").
    std::function<QString()> NombreProyecto;

#define BROVEL_DECLARAR_CAMPO(nombre) TUnidades* nombre = nullptr;
    BROVEL_CAMPOS_ZUMBREL(BROVEL_DECLARAR_CAMPO)
#undef BROVEL_DECLARAR_CAMPO

    // Options: the series kind and the land use.
    QRadioButton *rcParcial = nullptr, *rbAcumulada = nullptr;
    QRadioButton *rbAu = nullptr, *rbTac = nullptr, *rbOta = nullptr, *rbTpas = nullptr;
    QCheckBox* cbAai = nullptr;
    QComboBox *cbGh = nullptr, *cbSall = nullptr, *cbLluvia = nullptr;
    QComboBox *cbUnidadesHietograma = nullptr, *cbUnidadesVolumenes = nullptr, *cbUnidadHidrograma = nullptr;
    // The step editor of the rainfall series, and what goes with the assigned abstraction.
    QWidget *pHt2 = nullptr, *Bevel8 = nullptr;
    QLabel *Label15 = nullptr, *Label8 = nullptr;
    // The "..." buttons: the two soil-group tables, the abstraction, the curve number.
    QToolButton *bbSTC1 = nullptr, *BitBtn1 = nullptr, *BitBtn6 = nullptr, *BitBtn2 = nullptr;
    // The result grids: rainfall, cumulative runoff, hydrograph.
    TVistaGrilla *sgLlResultado = nullptr, *sgSvaeuaResultados = nullptr, *sgHeResultado = nullptr;
    // The plots beside them: the rainfall (Forzantes), the cumulative runoff
    // (Condicionantes), the hydrograph under the rain (Escorrentía).
    TGraficoTiempo *GraficoLluvia = nullptr, *GraficoEscorrentia = nullptr, *GraficoHidrograma = nullptr;

public slots:
    void CargarClick();
    // The report: rebuilt after a full recalculation each time its tab is shown.
    void TabSheet1Show();
    void ImprimirReporte1Click();
    void ExportarReporteClick();
    void GrabarClick();
    void Ayuda2Click();
    void AcercaDeExecute();

protected:
    // Showing the window runs the handler of the tab it shows.
    void showEvent(QShowEvent* evento) override;
    void hideEvent(QHideEvent* evento) override;

private:
    class TTestigo;

    // Where the data-file dialogs start: the folder last used, at first the
    // current one.
    QString carpetaDatos_;

    // The tabs, as the window's description says, each control kept in the member
    // of its name.
    void ConstruirPestanas();
    void Conectar();
    // What a "..." button does with the row or the number chosen.
    void ElegirDeTablaPara(std::string_view boton);
    // Shows what the form holds: options, the tick, lists, which controls are shown,
    // the captions that follow the options, the status panel and the grids.
    void Reflejar();
    // The plot of the tab shown follows the form; the others wait for their tab.
    void ActualizarGraficos();
    // The form has ended: the widgets stop showing and editing it.
    void SoltarForma();

    TFormaZumbrel& forma_;
    bool formaViva_ = true;
    std::weak_ptr<TTestigo> testigo_;
};

}  // namespace brovel
