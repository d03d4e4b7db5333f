#include "ui/windows/MainBrovel.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>

#include <vector>

#include "app/AcercaDe.h"
#include "fields/Pendiente.h"
#include "ui/Escritorio.h"
#include "ui/fields/Unidades.h"
#include "ui/windows/Comandos.h"
#include "ui/windows/MainZumbrel.h"
#include "ui/windows/Marco.h"

namespace brovel {
namespace {

// Radio buttons that exclude each other, wherever they sit in the form.
void Agrupar(QObject* dueno, std::initializer_list<QRadioButton*> botones) {
    auto* grupo = new QButtonGroup(dueno);
    for (QRadioButton* boton : botones) grupo->addButton(boton);
}

// Checks a button as the window is built, before any handler listens.
void Marcar(QAbstractButton* boton) {
    const QSignalBlocker bloqueo(boton);
    boton->setChecked(true);
}

}  // namespace

TMainFormBrovel::TMainFormBrovel(bool mostrarAcercaDe) {
    setObjectName(QStringLiteral("MainFormBrovel"));
    setWindowTitle(QStringLiteral("Brovel"));
    setWindowIcon(QIcon(QStringLiteral(":/brovel.svg")));
    QFont letra = font();
    letra.setPointSize(8);
    setFont(letra);
    ConstruirMenus();
    const TCuerpo cuerpo = ConstruirCuerpo(this, {{"Geometria", "Geometría"},
                                                  {"Suelo", "Suelo"},
                                                  {"tsForzantes", "Forzantes"},
                                                  {"Condicionantes", "Condicionantes"},
                                                  {"Disipacion", "Disipación"},
                                                  {"tsErosion", "Erosión"},
                                                  {"Reporte", "Reporte"}});
    PageControl = cuerpo.pestanas;
    Panel1 = cuerpo.panel;
    setCentralWidget(cuerpo.contenido);
    ConstruirPestanas();
    resize(774, 586);

    if (mostrarAcercaDe) MostrarAcercaDeBrovel(this);
    Zumbrel = new TMainFormZumbrel(this);
    RutaModeloReporte = RutaJuntoAlPrograma(QStringLiteral("Reportes/ModeloRep.rtf"));
    RecalculoSuspendido = false;
    euCpcg->SetBaseMax(20);
    euCpcg->SetUseRange(true);
    for (QComboBox* selector : {cbCph, cbCh, cbCph2, cbCph3, cbCph4}) LlenarCombo(selector, kMaxElementos);
    ConectarManejadores();
    NuevoExecute();
    PageControl->setCurrentIndex(0);
    for (TUnidades* pendiente : {euDt, euPs, euPt}) {
        pendiente->Cantidad().OnCambioDeUnidad = PendienteCambioDeUnidad;
        pendiente->Cantidad().OnReadBaseValue = PendienteReadBaseValue;
    }
}

TMainFormBrovel::~TMainFormBrovel() = default;

void TMainFormBrovel::ConstruirMenus() {
    Nuevo = CrearAccion(this, "Nuevo", "&Nuevo", "Ctrl+N");
    Abrir = CrearAccion(this, "Abrir", "&Abrir", "Ctrl+A");
    Guardar = CrearAccion(this, "Guardar", "&Guardar", "Ctrl+G");
    GuardarComo = CrearAccion(this, "GuardarComo", "G&uardar como...");
    ImprimirReporte = CrearAccion(this, "ImprimirReporte", "&Imprimir reporte", "Ctrl+I");
    Salir = CrearAccion(this, "Salir", "&Salir");
    Notas = CrearAccion(this, "Notas", "&Notas...");
    AcercaDe = CrearAccion(this, "AcercaDe", "A&cerca de...");
    // Printing comes with the report.
    ImprimirReporte->setEnabled(false);

    connect(Nuevo, &QAction::triggered, this, &TMainFormBrovel::NuevoExecute);
    connect(Abrir, &QAction::triggered, this, &TMainFormBrovel::AbrirExecute);
    connect(Guardar, &QAction::triggered, this, &TMainFormBrovel::GuardarExecute);
    connect(GuardarComo, &QAction::triggered, this, &TMainFormBrovel::GuardarComoExecute);
    connect(Salir, &QAction::triggered, this, &TMainFormBrovel::SalirExecute);
    connect(Notas, &QAction::triggered, this, &TMainFormBrovel::NotasExecute);
    connect(AcercaDe, &QAction::triggered, this, &TMainFormBrovel::AcercaDeExecute);

    AgregarMenu(menuBar(), "&Archivo",
                {Nuevo, Abrir, nullptr, Guardar, GuardarComo, nullptr, ImprimirReporte, nullptr, Salir});
    AgregarMenu(menuBar(), "A&yuda", {Notas, AcercaDe});
}

// The form as it is stored before any project is loaded: the first option of each
// block chosen, and the inputs of the others hidden.
void TMainFormBrovel::ConectarManejadores() {
    Agrupar(this, {rbCrr, rbDm, rbCyT});
    Agrupar(this, {rbHr, rbSh, rbPre, rbFelle});
    Agrupar(this, {rbHdlt, rbCe});
    Agrupar(this, {rbHdlt2, rbPrde});
    for (QAbstractButton* boton : {rbCrr, rbHr, rbHdlt, rbHdlt2}) Marcar(boton);
    for (QWidget* oculto : std::initializer_list<QWidget*>{
             euDm, lblCspe, cbCspe, euPl, euPlm, euPa, euPmo, lblCspp, cbCspp, euPths, cbCh, lblCh, cbCph2, lblCph2,
             pSh, euEt, euMi30m, euFele, euCe, euVp, euCp, euTtfo, euFapo, euFcss, euRacmr, euPsrua, lblMde, cbMde,
             lblTp, cbTp, euPs, euAl, euFps, euEet, euPt, euTfp, euCtc, euFliii, euCmst, euIrst, euFpsb, euFpset,
             euFpsed, euFdPdS, euLctResultado, euFpsResultado, euFpsbEResultado, euFpsetEResultado,
             euFpsedEResultado})
        oculto->hide();
    // The runoff exchange comes with the runoff window's calculation.
    for (QPushButton* boton : {btUsarZumbrel, btUsarZumbrel2}) boton->setEnabled(false);

    // The chain: each tab's handler on showing the tab and on editing its inputs.
    connect(PageControl, &QTabWidget::currentChanged, this, &TMainFormBrovel::MostrarPestana);
    const std::pair<std::vector<TUnidades*>, void (TMainFormBrovel::*)()> cadena[] = {
        {{euDt, euLt}, &TMainFormBrovel::GeometriaShow},
        {{euBvs, euBrvs, euDm, euPmo, euShs}, &TMainFormBrovel::SueloShow},
        {{euMi30m, euPth, euCta, euPths, euFele, euEt, euCe, euVp, euCp}, &TMainFormBrovel::tsForzantesShow},
        {{euRacmr, euPsrua, euFatc, euAmf, euTtfo, euFapo, euFliii, euCtc, euTfp, euPs, euAl, euFps, euPt, euEet},
         &TMainFormBrovel::CondicionantesShow},
        {{euRast, euCmst, euIrst}, &TMainFormBrovel::DisipacionShow},
        // The editors.
        {{euCpcg}, &TMainFormBrovel::euCpcgChange},
        {{euDg}, &TMainFormBrovel::euDgChange},
        {{euPp}, &TMainFormBrovel::euPpChange},
        {{euPl}, &TMainFormBrovel::euPlChange},
        {{euPlm}, &TMainFormBrovel::euPlmChange},
        {{euPa}, &TMainFormBrovel::euPaChange},
        {{euCll}, &TMainFormBrovel::euCllChange},
        {{euCll1}, &TMainFormBrovel::euCll1Change},
        {{euCll2}, &TMainFormBrovel::euCll2Change},
        {{euCll3}, &TMainFormBrovel::euCll3Change},
        {{euPth2, euPth3}, &TMainFormBrovel::CambioHietograma},
    };
    for (const auto& [campos, manejador] : cadena)
        for (TUnidades* campo : campos) connect(campo, &TUnidades::OnChange, this, manejador);

    // Lists run their handler when the user picks an entry, not when code selects one.
    const std::pair<QComboBox*, void (TMainFormBrovel::*)()> listas[] = {
        {cbCspe, &TMainFormBrovel::SueloShow},       {cbCspp, &TMainFormBrovel::SueloShow},
        {cbMde, &TMainFormBrovel::CondicionantesShow}, {cbTp, &TMainFormBrovel::cbTpChange},
        {cbPcg, &TMainFormBrovel::cbPcgChange},     {cbCph, &TMainFormBrovel::cbCphChange},
        {cbPhn, &TMainFormBrovel::cbPhnChange},     {cbCh, &TMainFormBrovel::cbChChange},
        {cbCph2, &TMainFormBrovel::cbCph2Change},   {cbHn, &TMainFormBrovel::cbHnChange},
        {cbPhn2, &TMainFormBrovel::cbHnChange},     {cbCph3, &TMainFormBrovel::cbCph3Change},
        {cbPhn3, &TMainFormBrovel::cbPhn3Change},   {cbCph4, &TMainFormBrovel::cbCph4Change},
        {cbPhn4, &TMainFormBrovel::cbPhn4Change},
    };
    for (const auto& [lista, manejador] : listas) connect(lista, &QComboBox::activated, this, manejador);

    // Options and check boxes run their handler whenever their state changes.
    for (QRadioButton* boton : {rbCrr, rbDm, rbCyT})
        connect(boton, &QRadioButton::toggled, this, [this](bool marcado) {
            if (marcado) rbCrrClick();
        });
    const std::pair<std::vector<QRadioButton*>, void (TMainFormBrovel::*)(QObject*)> opciones[] = {
        {{rbHr, rbSh, rbPre, rbFelle}, &TMainFormBrovel::rbHrClick},
        {{rbHdlt, rbCe}, &TMainFormBrovel::rbHdltClick},
        {{rbHdlt2, rbPrde}, &TMainFormBrovel::rbHdlt2Click},
    };
    for (const auto& [botones, manejador] : opciones)
        for (QRadioButton* boton : botones)
            connect(boton, &QRadioButton::toggled, this, [this, boton, manejador = manejador](bool marcado) {
                if (marcado) (this->*manejador)(boton);
            });
    connect(cbD, &QCheckBox::toggled, this, &TMainFormBrovel::SueloShow);
    connect(cbHl, &QCheckBox::toggled, this, &TMainFormBrovel::cbHlClick);
    connect(cbHm, &QCheckBox::toggled, this, &TMainFormBrovel::cbHmClick);
    connect(cbHmg, &QCheckBox::toggled, this, &TMainFormBrovel::cbHmgClick);
    connect(Button1, &QPushButton::clicked, this, &TMainFormBrovel::Button1Click);
}

void TMainFormBrovel::MostrarPestana(int indice) {
    switch (indice) {
        case 0: GeometriaShow(); break;
        case 1: SueloShow(); break;
        case 2: tsForzantesShow(); break;
        case 3: CondicionantesShow(); break;
        case 4: DisipacionShow(); break;
        default: tsErosionShow(); break;
    }
}

QStringList TMainFormBrovel::MensajesSuelo() const {
    const QString texto = MsgsS->toPlainText();
    return texto.isEmpty() ? QStringList() : texto.split(QLatin1Char('\n'));
}

// Every array editor shows its first entry, as after loading a project.
void TMainFormBrovel::MostrarPrimerasEntradas() {
    cbPcgChange();
    cbPhnChange();
    cbHnChange();
    cbPhn3Change();
    cbPhn4Change();
}

void TMainFormBrovel::NuevoExecute() {
    Manejar([this] {
        ValoresPorDefecto();
        MostrarPrimerasEntradas();
        FaltaZumbrel = false;
        ActualizarEstado();
        RutaProyecto.clear();
        NombreProyecto.clear();
        setWindowTitle(QStringLiteral("Brovel - Sin Nombre"));
    });
}

// Ends the program at once; nothing asks whether the project should be saved.
void TMainFormBrovel::SalirExecute() { QApplication::exit(0); }

void TMainFormBrovel::NotasExecute() { AbrirAyuda(this); }

void TMainFormBrovel::AcercaDeExecute() { MostrarAcercaDeBrovel(this); }

}  // namespace brovel
