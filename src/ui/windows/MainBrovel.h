// The slope window, the program's main window: six tabs that follow the order of
// the computation (Geometría to Erosión) and the report, the menus with the project
// commands, and the status panel. It is a view of the slope form: each widget
// edits its part of the form and shows what the form holds; the form computes.
#pragma once

#include <QMainWindow>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/FormaBrovel.h"
#include "ui/windows/VentanaForma.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace brovel {

class TGraficoCurva;
class TGraficoFactores;
class TGraficoHietograma;
class TMainFormZumbrel;
class TPanelEstado;
class TUnidades;
class TVistaGrafico;

class TMainFormBrovel : public TVentanaDeForma<QMainWindow> {
    Q_OBJECT
public:
    // The desktop program shows its about box while the window is created; a
    // window built for a script does not.
    explicit TMainFormBrovel(bool mostrarAcercaDe = true);
    ~TMainFormBrovel() override;

    // The form the window shows, and its model.
    TFormaBrovel& Forma() { return *forma_; }
    const TFormaBrovel& Forma() const { return *forma_; }
    const TEstadoBrovel& Estado() const { return forma_->Estado; }

    // The runoff window, hidden until a storm is handed to it. It is built the
    // first time it is asked for, not with this window, which so starts sooner; it
    // shows its form as it is then.
    TMainFormZumbrel* Zumbrel();
    bool ZumbrelConstruida() const { return zumbrel_ != nullptr; }

    QAction* Nuevo = nullptr;
    QAction* Abrir = nullptr;
    QAction* Guardar = nullptr;
    QAction* GuardarComo = nullptr;

#define BROVEL_DECLARAR_CAMPO(nombre) TUnidades* nombre = nullptr;
    BROVEL_CAMPOS_LADERA(BROVEL_DECLARAR_CAMPO)
#undef BROVEL_DECLARAR_CAMPO

    // Options.
    QRadioButton *rbCrr = nullptr, *rbDm = nullptr, *rbCyT = nullptr;
    QRadioButton *rbHr = nullptr, *rbSh = nullptr, *rbPre = nullptr, *rbFelle = nullptr;
    QRadioButton *rbHdlt = nullptr, *rbCe = nullptr, *rbHdlt2 = nullptr, *rbPrde = nullptr;
    QCheckBox *cbD = nullptr, *cbHl = nullptr, *cbHm = nullptr, *cbHmg = nullptr;
    QComboBox *cbCspe = nullptr, *cbCspp = nullptr, *cbMde = nullptr, *cbTp = nullptr;
    // Selectors of the curve and hyetograph editors.
    QComboBox *cbPcg = nullptr, *cbCph = nullptr, *cbCh = nullptr, *cbCph2 = nullptr, *cbCph3 = nullptr,
              *cbCph4 = nullptr;
    QComboBox *cbPhn = nullptr, *cbHn = nullptr, *cbPhn2 = nullptr, *cbPhn3 = nullptr, *cbPhn4 = nullptr;
    QLabel *lblPcg = nullptr, *lblCspe = nullptr, *lblCspp = nullptr, *lblMde = nullptr, *lblTp = nullptr;
    QLabel *lblCph = nullptr, *lblCh = nullptr, *lblCph2 = nullptr, *lblCph3 = nullptr, *lblCph4 = nullptr;
    QPushButton *Button1 = nullptr, *btUsarZumbrel = nullptr, *btUsarZumbrel2 = nullptr;
    // The step editors of the four hyetographs.
    QWidget *pHr = nullptr, *pSh = nullptr, *pHt2 = nullptr, *pHt3 = nullptr;
    // The Suelo tab's messages.
    QPlainTextEdit* MsgsS = nullptr;

    // Opens the project named when the program starts, as Abrir opens the one
    // chosen, and the file dialogs then start in its folder. One that is not there
    // or cannot be read is shown in the error box and the new project stays; false.
    bool AbrirAlArrancar(const QString& ruta);
    // The plots beside the numbers: the grain-size curve (Suelo), the hyetograph
    // being edited (Forzantes) and the dimensionless factors (Erosión), each made
    // the first time its tab is current (none until then).
    TGraficoCurva* GraficoCurva = nullptr;
    TGraficoHietograma* GraficoHietograma = nullptr;
    TGraficoFactores* GraficoFactores = nullptr;

    QStringList MensajesSuelo() const;
    // Whether a control is shown on its tab (whichever tab is current).
    static bool Visible(const QWidget* control);

public slots:
    void NuevoExecute();
    void AbrirExecute();
    void GuardarExecute();
    void GuardarComoExecute();
    void SalirExecute();
    // The report: built each time its tab is shown, unless a data error is pending.
    void ReporteShow();
    void ImprimirReporteExecute();
    void ExportarReporteExecute();
    void NotasExecute();
    void AcercaDeExecute();

protected:
    // Closing the window, as Salir, first asks about a changed project.
    void closeEvent(QCloseEvent* evento) override;

private:
    class TInterlocutorVentana;

    // The project's name as the title bar shows it ("Sin Nombre" for a new one).
    QString NombreParaTrabajos() const;

    void ConstruirMenus();
    // The tabs, as the window's description says, each control kept in the member
    // of its name.
    void ConstruirPestanas();
    void Conectar();
    // A "..." button: the table it opens, and the field the number picked goes into.
    void ElegirDeTablaPara(std::string_view codigo, std::string_view destino);
    // Shows what the form holds: options, lists, which controls are shown, the
    // status panel, the Suelo tab's messages and the caption.
    void Reflejar();
    // The plot of the tab shown follows the form; those of the other tabs wait
    // until theirs is shown.
    void ActualizarGraficos();

    // The views of the plots, empty until their tab is first current.
    TVistaGrafico* vistaCurva_ = nullptr;
    TVistaGrafico* vistaHietograma_ = nullptr;
    TVistaGrafico* vistaFactores_ = nullptr;

    std::unique_ptr<TInterlocutorVentana> interlocutor_;
    std::unique_ptr<TFormaBrovel> forma_;
    TMainFormZumbrel* zumbrel_ = nullptr;

    // What Reflejar mirrors the form into beside the options and lists, found
    // once, and what it last put where only it writes, so that mirroring touches
    // only what the form changed.
    std::vector<QCheckBox*> casillas_;
    struct TResultadoMostrado {
        TUnidades* campo;
        const TCantidad* cantidad;
        // Why it was last shown out of date (empty: current); none before the first time.
        std::optional<std::string> motivo;
    };
    std::vector<TResultadoMostrado> resultados_;
    std::vector<std::string> mensajesMostrados_;
};

}  // namespace brovel
