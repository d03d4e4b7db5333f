// The slope window, the program's main window: six tabs that follow the order of
// the computation (Geometría to Erosión) and the report, the menus with the project
// commands, and the status panel. Each tab has one handler that recalculates it
// after calling the handler of the tab before it; every edit ends in one of them.
#pragma once

#include <QMainWindow>

#include <functional>
#include <initializer_list>
#include <string_view>

#include "model/EstadoBrovel.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

// The quantity fields of the slope window, tab by tab.
#define BROVEL_CAMPOS_LADERA(X)                                                                                  \
    X(euDt) X(euLt)                                                                                              \
    X(euCpcg) X(euDg) X(euPp) X(euDm) X(euPl) X(euPlm) X(euPa) X(euPmo) X(euShs) X(euBvs) X(euBrvs)           \
    X(euFesResultado) X(euFtResultado) X(euDMResultado)                                                          \
    X(euPth) X(euCta) X(euPths) X(euEt) X(euMi30m) X(euFele) X(euCll) X(euCll1) X(euPth2) X(euCll2) X(euCe)   \
    X(euPth3) X(euCll3) X(euVp) X(euCp) X(euFdeResultado) X(euFelleResultado) X(euVeeResultado)                \
    X(euCpeResultado) X(euFpResultado) X(euTecrResultado) X(euPspcrResultado) X(euCEResultado)                 \
    X(euFatc) X(euAmf) X(euTtfo) X(euFapo) X(euRacmr) X(euPsrua) X(euPs) X(euAl) X(euFps) X(euEet) X(euPt)     \
    X(euTfp) X(euCtc) X(euFliii) X(euFcss) X(euSups) X(euScf) X(euFpsb) X(euFpset) X(euFpsed) X(euFdPdS)       \
    X(euRast) X(euCmst) X(euIrst) X(euScsResultado) X(euSrsResultado) X(euFcmResultado) X(euLctResultado)      \
    X(euFpsResultado)                                                                                            \
    X(euFeleEResultado) X(euFpEResultado) X(euFesEResultado) X(euFtEResultado) X(euFcmEResultado)              \
    X(euSupsEResultado) X(euScfEResultado) X(euScsEResultado) X(euSrsEResultado) X(euShsEResultado)            \
    X(euFpsEResultado) X(euFpsbEResultado) X(euFpsetEResultado) X(euFpsedEResultado) X(euTeEResultado)         \
    X(euPsEResultado)

namespace brovel {

class TMainFormZumbrel;
class TPanelEstado;
class TUnidades;

class TMainFormBrovel : public QMainWindow {
    Q_OBJECT
public:
    // The desktop program shows its about box while the window is created; a
    // window built for a script does not.
    explicit TMainFormBrovel(bool mostrarAcercaDe = true);
    ~TMainFormBrovel() override;

    // The slope model: one record, filled by the tab handlers.
    TEstadoBrovel Estado;

    QTabWidget* PageControl = nullptr;
    TPanelEstado* Panel1 = nullptr;
    // The runoff window, hidden until a storm is handed to it.
    TMainFormZumbrel* Zumbrel = nullptr;

    QAction* Nuevo = nullptr;
    QAction* Abrir = nullptr;
    QAction* Guardar = nullptr;
    QAction* GuardarComo = nullptr;
    QAction* ImprimirReporte = nullptr;
    QAction* Salir = nullptr;
    QAction* Notas = nullptr;
    QAction* AcercaDe = nullptr;

    QString RutaModeloReporte;
    QString RutaProyecto;
    QString NombreProyecto;

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

    // Data marks; only RecalculoSuspendido stops the chain.
    bool RecalculoSuspendido = false;
    bool ErrorRango = false;
    bool FaltaVerificar = false;
    bool ErrorLimos = false;
    bool ErrorArena = false;
    bool FaltaZumbrel = false;

    // The lines of the Suelo tab's message box.
    // Opens a project as Abrir does once its dialog is answered. A file that cannot
    // be read loads the defaults of its entries and returns false with the reason.
    bool AbrirProyecto(const QString& ruta, QString* motivo = nullptr);
    // Writes the project into `ruta`, updating what the file already holds; a
    // failure is shown in the error box, leaves the file as it was and returns false.
    bool GuardarValores(const QString& ruta, const QString& nombre);

    QStringList MensajesSuelo() const;
    // Whether a control is shown on its tab (whichever tab is current).
    static bool Visible(const QWidget* control);

public slots:
    void NuevoExecute();
    void AbrirExecute();
    void GuardarExecute();
    void GuardarComoExecute();
    void SalirExecute();
    void NotasExecute();
    void AcercaDeExecute();

    // The chain, one handler per tab.
    void GeometriaShow();
    void SueloShow();
    void tsForzantesShow();
    void CondicionantesShow();
    void DisipacionShow();
    void tsErosionShow();

    // Options and their visibility.
    void rbCrrClick();
    void rbHrClick(QObject* boton);
    void rbHdltClick(QObject* boton);
    void rbHdlt2Click(QObject* boton);
    void cbHlClick();
    void cbHmClick();
    void cbHmgClick();
    void cbTpChange();

    // The grain-size curve editor and the texture limits.
    void euCpcgChange();
    void cbPcgChange();
    void euDgChange();
    void euPpChange();
    void Button1Click();
    void euPlChange();
    void euPlmChange();
    void euPaChange();

    // The hyetograph editors.
    void cbCphChange();
    void cbPhnChange();
    void euCllChange();
    void cbChChange();
    void cbCph2Change();
    void cbHnChange();
    void euCll1Change();
    void cbCph3Change();
    void cbPhn3Change();
    void euCll2Change();
    void cbCph4Change();
    void cbPhn4Change();
    void euCll3Change();
    // A storm handed to the runoff module changed.
    void CambioHietograma();

    // Checks and defaults.
    void VerificarCurva();
    void VerificarLimos();
    void VerificarArena();
    void ActualizarEstado();
    void ValoresPorDefecto();

private:
    void ConstruirMenus();
    void ConstruirPestanas();
    void ConstruirGeometria(QWidget* pagina);
    void ConstruirSuelo(QWidget* pagina);
    void ConstruirForzantes(QWidget* pagina);
    void ConstruirCondicionantes(QWidget* pagina);
    void ConstruirDisipacion(QWidget* pagina);
    void ConstruirErosion(QWidget* pagina);
    void ConectarManejadores();
    // A field of the table, created in `formulario` and kept in the member of its name.
    void CrearCampo(class TFormulario& formulario, const char* nombre);
    void Campos(class TFormulario& formulario, std::initializer_list<const char*> nombres);
    TUnidades*& CampoPorNombre(std::string_view nombre);
    // A "..." button that fills a field from a reference table.
    void BotonDeTabla(class TFormulario& formulario, const char* nombre);
    void ElegirDeTablaPara(const char* codigo, const char* destino);
    void MostrarPrimerasEntradas();
    void RecorrerProyecto(class TRecorridoProyecto& recorrido);
    void SerieDeHietogramas(class TRecorridoProyecto& recorrido, int hietogramas, int pasos);
    void MostrarPestana(int indice);

    // The chain's work; the public handlers add the re-entry guard and show an
    // error that escapes it.
    void CalcularGeometria();
    void CalcularSuelo();
    void CalcularForzantes();
    void CalcularCondicionantes();
    void CalcularDisipacion();
    void CalcularErosionPestana();
    void Cadena(const std::function<void()>& trabajo);
    void Manejar(const std::function<void()>& trabajo);

    void LlenarCombo(QComboBox* selector, int n);
    // Selects the entry `texto` of a list without running its handler.
    static void Seleccionar(QComboBox* selector, const QString& texto);
    int PuntoSeleccionado() const;

    int profundidadCadena_ = 0;
};

// The number a selector's text shows; "'%s' is not a valid integer value" when it
// shows none.
int EnteroDeSelector(const QComboBox* selector);

}  // namespace brovel
