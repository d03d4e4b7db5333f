#include "ui/windows/MainZumbrel.h"

#include "forms/CamposZumbrel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QHideEvent>
#include <QShowEvent>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/AcercaDe.h"
#include "forms/ReporteZumbrel.h"
#include "ui/Escritorio.h"
#include "ui/fields/Unidades.h"
#include "ui/windows/Colocacion.h"
#include "ui/windows/Comandos.h"
#include "ui/windows/Constructor.h"
#include "forms/SeriesGraficos.h"
#include "ui/plots/GraficoTiempo.h"
#include "ui/plots/Graficos.h"
#include "ui/windows/GrillaResultados.h"
#include "ui/windows/Marco.h"
#include "ui/windows/PanelEstado.h"
#include "ui/windows/PanelReporte.h"
#include "ui/windows/Reflejo.h"

namespace brovel {

namespace {

// The designed pages with a plot beside them.
constexpr int kAncho = 1240;
constexpr int kAlto = 600;

}  // namespace

// Travels in the form's callback, and so ends with the form, before the form's
// quantities do: the view lets go of them while they are still there.
class TMainFormZumbrel::TTestigo {
public:
    explicit TTestigo(TMainFormZumbrel* vista) : vista_(vista) {}
    ~TTestigo() {
        if (vista_) vista_->SoltarForma();
    }
    void Olvidar() { vista_ = nullptr; }

private:
    TMainFormZumbrel* vista_;
};

TMainFormZumbrel::TMainFormZumbrel(QWidget* dueno, TFormaZumbrel& forma) : TVentanaDeForma(dueno), forma_(forma) {
    setObjectName(QStringLiteral("MainFormZumbrel"));
    setWindowTitle(QStringLiteral("Zumbrel"));
    setWindowIcon(QIcon(QStringLiteral(":/zumbrel.svg")));
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(false);
    // A window of its own does not take its owner's font: it is given the same.
    QFont letra = font();
    letra.setPointSize(8);
    setFont(letra);

    Cargar = CrearAccion(this, "Cargar", "&Cargar");
    Grabar = CrearAccion(this, "Grabar", "&Grabar");
    CrearAccionesComunes({"ImprimirReporte1", "Imprimir &Reporte", "", "Ayuda2"});
    connect(ImprimirReporte, &QAction::triggered, this, &TMainFormZumbrel::ImprimirReporte1Click);
    connect(ExportarReporte, &QAction::triggered, this, &TMainFormZumbrel::ExportarReporteClick);
    connect(Cargar, &QAction::triggered, this, &TMainFormZumbrel::CargarClick);
    connect(Grabar, &QAction::triggered, this, &TMainFormZumbrel::GrabarClick);
    connect(Salir, &QAction::triggered, this, &QDialog::close);
    connect(Notas, &QAction::triggered, this, &TMainFormZumbrel::Ayuda2Click);
    connect(AcercaDe, &QAction::triggered, this, &TMainFormZumbrel::AcercaDeExecute);

    auto* barra = new QMenuBar(this);
    ArmarMenus(barra, {Cargar, Grabar, nullptr});

    const TCuerpo cuerpo = ConstruirCuerpo(this, PaginasDe(DescripcionZumbrel()));
    PageControl = cuerpo.pestanas;
    Panel1 = cuerpo.panel;

    auto* disposicion = new QVBoxLayout(this);
    disposicion->setContentsMargins(0, 0, 0, 0);
    disposicion->setMenuBar(barra);
    disposicion->addWidget(cuerpo.contenido);
    ConstruirPestanas();
    Reporte = new TPanelReporte(PageControl->findChild<QWidget*>(QStringLiteral("TabSheet1")), true);
    RutaModeloReporte = RutaDeDato(QString::fromLatin1(kModeloReporteZumbrel));
    resize(kAncho, kAlto);

    Conectar();
    Reflejar();
    OlvidarNombres();
    PageControl->setCurrentIndex(Indice(TPestanaZumbrel::Geometria));
}

TMainFormZumbrel::~TMainFormZumbrel() {
    if (const auto testigo = testigo_.lock()) testigo->Olvidar();
    if (formaViva_) {
        forma_.AlCambiar = nullptr;
        SoltarForma();
    }
}

void TMainFormZumbrel::SoltarForma() {
    formaViva_ = false;
    for (QObject* hijo : findChildren<QObject*>()) hijo->disconnect(this);
#define BROVEL_DESVINCULAR_CAMPO(nombre) \
    if (nombre) nombre->Desvincular();
    BROVEL_CAMPOS_ZUMBREL(BROVEL_DESVINCULAR_CAMPO)
#undef BROVEL_DESVINCULAR_CAMPO
}

// Every widget edits its part of the form; the form answers, and the window then
// shows what it holds.
void TMainFormZumbrel::Conectar() {
    ConectarOpcionesYListas(forma_, kGruposZumbrel);
    connect(cbAai, &QCheckBox::toggled, this, [this](bool marcada) { forma_.MarcarAbstraccionAsignada(marcada); });
    ConectarBotonesDeTabla({"bbSTC1", "BitBtn1", "BitBtn6", "BitBtn2"},
                           [this](std::string_view boton) { ElegirDeTablaPara(boton); });
    connect(PageControl, &QTabWidget::currentChanged, this, [this](int indice) {
        forma_.MostrarPestana(static_cast<TPestanaZumbrel>(indice));
        if (PageControl->widget(indice) == Reporte->parent()) TabSheet1Show();
    });

    const auto testigo = std::make_shared<TTestigo>(this);
    testigo_ = testigo;
    forma_.AlCambiar = [this, testigo] { Reflejar(); };
}

void TMainFormZumbrel::Reflejar() {
    ReflejarOpcionesYListas(forma_, kGruposZumbrel);
    ReflejarCasilla(cbAai, forma_.AbstraccionAsignada());
    ReflejarVisibilidad(PageControl, forma_.Visibilidad(), controles_, nombres_.get());
    const QString altura = QString::fromStdString(forma_.TituloAltura());
    if (euAll->Caption() != altura) euAll->SetCaption(altura);
    const QString numeroDeCurva = QString::fromStdString(forma_.TituloNumeroDeCurva());
    if (Label8->text() != numeroDeCurva) Label8->setText(numeroDeCurva);

    ReflejarEstado(Panel1, forma_.TextoEstado(), forma_.EstadoEnError());
    for (const TDefinicionCampo& d : CamposZumbrel())
        if (d.clase == TClaseCampo::Resultado)
            ReflejarVigencia(CampoPorNombre(d.nombre), forma_.MotivoDeCampo(d.nombre));
    const std::pair<TVistaGrilla*, const TGrillaResultados*> grillas[] = {
        {sgLlResultado, &forma_.GrillaLluvia()},
        {sgSvaeuaResultados, &forma_.GrillaEscorrentia()},
        {sgHeResultado, &forma_.GrillaHidrograma()}};
    for (const auto& [vista, grilla] : grillas) {
        vista->Actualizar();
        ReflejarVigencia(vista, grilla->motivoViejo);
    }
    ActualizarGraficos();
}

void TMainFormZumbrel::ActualizarGraficos() {
    switch (static_cast<TPestanaZumbrel>(PageControl->currentIndex())) {
        case TPestanaZumbrel::Forzantes: GraficoLluvia->Actualizar(DatosLluvia(forma_)); break;
        case TPestanaZumbrel::Condicionantes: GraficoEscorrentia->Actualizar(DatosEscorrentia(forma_)); break;
        case TPestanaZumbrel::Escorrentia: GraficoHidrograma->Actualizar(DatosHidrograma(forma_)); break;
        default: break;
    }
}

namespace {

const QString kFiltroDatos = QStringLiteral("Datos de Zumbrel (*.zbr)");
const QString kSufijoDatos = QStringLiteral("zbr");

}  // namespace

// The window's inputs from and into a data file of its own; the form reports a
// file it cannot take and then changes nothing.
void TMainFormZumbrel::CargarClick() {
    const QString ruta = TEscritorio::Actual().ElegirArchivoParaAbrir(this, QStringLiteral("Cargar"), carpetaDatos_,
                                                                      kFiltroDatos, kSufijoDatos);
    if (ruta.isEmpty()) return;
    carpetaDatos_ = QFileInfo(ruta).path();
    forma_.CargarDatos(QFile::encodeName(ruta).toStdString());
}

void TMainFormZumbrel::GrabarClick() {
    const QString ruta = TEscritorio::Actual().ElegirArchivoParaGuardar(this, QStringLiteral("Grabar"), carpetaDatos_,
                                                                        kFiltroDatos, kSufijoDatos);
    if (ruta.isEmpty()) return;
    carpetaDatos_ = QFileInfo(ruta).path();
    forma_.GuardarDatos(QFile::encodeName(ruta).toStdString());
}

void TMainFormZumbrel::TabSheet1Show() {
    if (NombreProyecto) forma_.NombreProyecto = NombreProyecto().toStdString();
    Reporte->Construir([this] { return ConstruirReporte(forma_, QFile::encodeName(RutaModeloReporte).toStdString()); });
}

// A printing failure has no message of its own: its reason goes to the error box.
void TMainFormZumbrel::ImprimirReporte1Click() {
    const QString nombre = NombreProyecto ? NombreProyecto() : QStringLiteral("Sin Nombre");
    QString motivo;
    const QString impresora = Reporte->Imprimir(
        QStringLiteral("Zumbrel - ") + nombre, QStringLiteral("Reporte de Zumbrel"), QString(),
        [this](QPainter& pintor, const QRectF& area) { DibujarGraficosZumbrel(forma_, pintor, area); }, motivo);
    if (impresora.isEmpty())
        TEscritorio::Actual().MostrarError(this, motivo);
    else
        Panel1->MostrarAviso(QStringLiteral("Reporte enviado a la impresora «%1»").arg(impresora));
}

void TMainFormZumbrel::ExportarReporteClick() {
    if (NombreProyecto) forma_.NombreProyecto = NombreProyecto().toStdString();
    Reporte->Exportar(
        this, QStringLiteral("Reporte de Zumbrel"), QString(),
        [this] { return ConstruirReporte(forma_, QFile::encodeName(RutaModeloReporte).toStdString()); },
        [this](QPainter& pintor, const QRectF& area) { DibujarGraficosZumbrel(forma_, pintor, area); });
}

void TMainFormZumbrel::Ayuda2Click() { AbrirAyuda(this); }

void TMainFormZumbrel::AcercaDeExecute() { MostrarAcercaDeZumbrel(this); }

void TMainFormZumbrel::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    // Not when the desktop restores a minimised window: that is no new showing.
    if (evento->spontaneous() || !formaViva_) return;
    ColocarVentana(this, QSize(kAncho, kAlto));
    forma_.MostrarPestana(static_cast<TPestanaZumbrel>(PageControl->currentIndex()));
}

}  // namespace brovel

namespace brovel {

void TMainFormZumbrel::hideEvent(QHideEvent* evento) {
    QDialog::hideEvent(evento);
    if (!evento->spontaneous()) RecordarVentana(this);
}

}  // namespace brovel
