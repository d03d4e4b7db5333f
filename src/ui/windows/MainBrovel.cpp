#include "ui/windows/MainBrovel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCheckBox>
#include <QFile>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>

#include "ui/AcercaDe.h"
#include "ui/Escritorio.h"
#include "ui/fields/Unidades.h"
#include "docs/Reporte.h"
#include "forms/BotonesDeTabla.h"
#include "forms/CamposBrovel.h"
#include "forms/EncabezadoReporte.h"
#include "forms/ReporteBrovel.h"
#include "forms/SeriesGraficos.h"
#include "ui/plots/GraficoCurva.h"
#include "ui/plots/GraficoFactores.h"
#include "ui/plots/GraficoHietograma.h"
#include "ui/plots/Graficos.h"
#include "ui/plots/VistaGrafico.h"
#include "ui/windows/Colocacion.h"
#include "ui/windows/Comandos.h"
#include "ui/windows/Constructor.h"
#include "ui/windows/Formulario.h"
#include "ui/windows/MainZumbrel.h"
#include "ui/windows/Marco.h"
#include "ui/windows/PanelEstado.h"
#include "ui/windows/PanelReporte.h"
#include "ui/windows/Reflejo.h"
#include "ui/windows/InterlocutorVentana.h"

namespace brovel {
namespace {

// The designed page and a plot beside it, on a screen of 1366 × 768.
constexpr int kAnchoVentana = 1210;
constexpr int kAltoVentana = 640;

}  // namespace

TMainFormBrovel::TMainFormBrovel(bool mostrarAcercaDe)
    : interlocutor_(std::make_unique<TInterlocutorVentana>(*this)),
      forma_(std::make_unique<TFormaBrovel>(*interlocutor_)) {
    setObjectName(QStringLiteral("MainFormBrovel"));
    setWindowTitle(QStringLiteral("Brovel"));
    setWindowIcon(QIcon(QStringLiteral(":/brovel.svg")));
    QFont letra = font();
    letra.setPointSize(8);
    setFont(letra);
    ConstruirMenus();
    const TCuerpo cuerpo = ConstruirCuerpo(this, PaginasDe(DescripcionBrovel()));
    PageControl = cuerpo.pestanas;
    Panel1 = cuerpo.panel;
    setCentralWidget(cuerpo.contenido);
    ConstruirPestanas();
    Reporte = new TPanelReporte(PageControl->findChild<QWidget*>(QStringLiteral("Reporte")), false);
    resize(kAnchoVentana, kAltoVentana);

    if (mostrarAcercaDe) MostrarAcercaDeBrovel(this);
    RutaModeloReporte = RutaDeDato(QString::fromLatin1(kModeloReporteBrovel));
    Conectar();
    Reflejar();
    OlvidarNombres();
    PageControl->setCurrentIndex(Indice(TPestanaBrovel::Geometria));
}

// The form outlives no widget bound to it: the fields let go of it first, and no
// widget torn down after it may reach it.
TMainFormBrovel::~TMainFormBrovel() {
    for (QObject* hijo : findChildren<QObject*>()) hijo->disconnect(this);
    forma_->AlCambiar = nullptr;
#define BROVEL_DESVINCULAR_CAMPO(nombre) \
    if (nombre) nombre->Desvincular();
    BROVEL_CAMPOS_LADERA(BROVEL_DESVINCULAR_CAMPO)
#undef BROVEL_DESVINCULAR_CAMPO
}

TMainFormZumbrel* TMainFormBrovel::Zumbrel() {
    if (!zumbrel_) {
        zumbrel_ = new TMainFormZumbrel(this, forma_->Zumbrel);
        zumbrel_->NombreProyecto = [this] { return NombreParaTrabajos(); };
    }
    return zumbrel_;
}

void TMainFormBrovel::ConstruirMenus() {
    Nuevo = CrearAccion(this, "Nuevo", "&Nuevo", "Ctrl+N");
    Abrir = CrearAccion(this, "Abrir", "&Abrir", "Ctrl+A");
    // Also the desktop's own key for opening a file.
    Abrir->setShortcuts({Abrir->shortcut(), QKeySequence(QKeySequence::Open)});
    Guardar = CrearAccion(this, "Guardar", "&Guardar", "Ctrl+G");
    GuardarComo = CrearAccion(this, "GuardarComo", "G&uardar como...");
    CrearAccionesComunes({"ImprimirReporte", "&Imprimir reporte", "Ctrl+I", "Notas"});

    connect(Nuevo, &QAction::triggered, this, &TMainFormBrovel::NuevoExecute);
    connect(Abrir, &QAction::triggered, this, &TMainFormBrovel::AbrirExecute);
    connect(Guardar, &QAction::triggered, this, &TMainFormBrovel::GuardarExecute);
    connect(GuardarComo, &QAction::triggered, this, &TMainFormBrovel::GuardarComoExecute);
    connect(Salir, &QAction::triggered, this, &TMainFormBrovel::SalirExecute);
    connect(ImprimirReporte, &QAction::triggered, this, &TMainFormBrovel::ImprimirReporteExecute);
    connect(ExportarReporte, &QAction::triggered, this, &TMainFormBrovel::ExportarReporteExecute);
    connect(Notas, &QAction::triggered, this, &TMainFormBrovel::NotasExecute);
    connect(AcercaDe, &QAction::triggered, this, &TMainFormBrovel::AcercaDeExecute);

    ArmarMenus(menuBar(), {Nuevo, Abrir, nullptr, Guardar, GuardarComo, nullptr});
}

// Every widget edits its part of the form; the form answers, and the window then
// shows what it holds.
void TMainFormBrovel::Conectar() {
    ConectarOpcionesYListas(*forma_, kGruposDeOpciones);
    for (TCasilla casilla : kCasillas) {
        auto* caja = Nombres().Buscar<QCheckBox>(QString::fromLatin1(NombreDe(casilla)));
        connect(caja, &QCheckBox::toggled, this, [this, casilla](bool marcada) { forma_->Marcar(casilla, marcada); });
        casillas_.push_back(caja);
    }
    connect(Button1, &QPushButton::clicked, this, [this] { forma_->Button1Click(); });
    connect(btUsarZumbrel, &QPushButton::clicked, this, [this] { forma_->btUsarZumbrelClick(); });
    connect(btUsarZumbrel2, &QPushButton::clicked, this, [this] { forma_->btUsarZumbrel2Click(); });
    std::vector<std::string_view> botones;
    for (const TBotonDeTabla& boton : BotonesDeTablaBrovel()) botones.push_back(boton.nombre);
    ConectarBotonesDeTabla(botones, [this](std::string_view nombre) {
        const TBotonDeTabla* boton = BotonDeTablaBrovel(nombre);
        ElegirDeTablaPara(boton->tabla, boton->campo);
    });
    connect(PageControl, &QTabWidget::currentChanged, this, [this](int indice) {
        forma_->MostrarPestana(static_cast<TPestanaBrovel>(indice));
        if (PageControl->widget(indice) == Reporte->parent()) ReporteShow();
    });

    for (const TDefinicionCampo& d : CamposBrovel())
        if (d.clase == TClaseCampo::Resultado)
            resultados_.push_back({CampoPorNombre(d.nombre), &forma_->Campo(d.nombre), std::nullopt});

    forma_->AlCambiar = [this] { Reflejar(); };
}

void TMainFormBrovel::Reflejar() {
    ReflejarOpcionesYListas(*forma_, kGruposDeOpciones);
    for (size_t c = 0; c < casillas_.size(); ++c) ReflejarCasilla(casillas_[c], forma_->Marcada(kCasillas[c]));
    ReflejarVisibilidad(PageControl, forma_->Visibilidad(), controles_, nombres_.get());
    // A result whose mark changes is shown anew even when its number does not.
    for (TResultadoMostrado& resultado : resultados_) {
        std::string motivo = forma_->MotivoDeCampo(*resultado.cantidad);
        if (resultado.motivo == motivo) continue;
        ReflejarVigencia(resultado.campo, motivo);
        resultado.motivo = std::move(motivo);
    }
    ReflejarEstado(Panel1, forma_->TextoEstado(), forma_->EstadoEnError());
    if (forma_->MensajesSuelo() != mensajesMostrados_) {
        mensajesMostrados_ = forma_->MensajesSuelo();
        QStringList mensajes;
        for (const std::string& mensaje : mensajesMostrados_) mensajes << QString::fromStdString(mensaje);
        MsgsS->setPlainText(mensajes.join(QLatin1Char('\n')));
    }
    // The desktop shows its mark of unsaved changes where "[*]" stands.
    const QString titulo = QString::fromStdString(forma_->Titulo()) + QStringLiteral("[*]");
    if (windowTitle() != titulo) setWindowTitle(titulo);
    setWindowModified(forma_->Modificado());
    ActualizarGraficos();
}

void TMainFormBrovel::ActualizarGraficos() {
    // A plot is made the first time its tab is current: the window starts without
    // the plots of the tabs it does not show.
    const auto hacer = [](TVistaGrafico* vista, auto*& grafico) {
        using TGrafico = std::remove_reference_t<decltype(*grafico)>;
        if (grafico) return grafico;
        // The view lets go of the empty chart it was made with.
        QChart* vacio = vista->chart();
        vista->setChart(grafico = new TGrafico);
        delete vacio;
        return grafico;
    };
    switch (static_cast<TPestanaBrovel>(PageControl->currentIndex())) {
        case TPestanaBrovel::Suelo: hacer(vistaCurva_, GraficoCurva)->Actualizar(DatosCurva(*forma_)); break;
        case TPestanaBrovel::Forzantes:
            hacer(vistaHietograma_, GraficoHietograma)->Actualizar(DatosHietograma(*forma_));
            break;
        case TPestanaBrovel::Erosion: hacer(vistaFactores_, GraficoFactores)->Actualizar(DatosFactores(*forma_)); break;
        default: break;
    }
}

bool TMainFormBrovel::Visible(const QWidget* control) {
    // Shown on its tab, whichever tab is current and whether or not the window is.
    for (const QWidget* w = control; w && !w->isWindow(); w = w->parentWidget()) {
        if (qobject_cast<const QStackedWidget*>(w->parentWidget())) break;  // the tab's page
        if (OcultoExplicitamente(w)) return false;
    }
    return true;
}

QStringList TMainFormBrovel::MensajesSuelo() const {
    const QString texto = MsgsS->toPlainText();
    return texto.isEmpty() ? QStringList() : texto.split(QLatin1Char('\n'));
}

void TMainFormBrovel::NuevoExecute() { forma_->NuevoExecute(); }
void TMainFormBrovel::AbrirExecute() { forma_->AbrirExecute(); }
void TMainFormBrovel::GuardarExecute() { forma_->GuardarExecute(); }
void TMainFormBrovel::GuardarComoExecute() { forma_->GuardarComoExecute(); }

// Ends the program once a changed project is saved or let go.
void TMainFormBrovel::SalirExecute() {
    if (forma_->ConfirmarCambios()) QApplication::exit(0);
}

void TMainFormBrovel::closeEvent(QCloseEvent* evento) {
    if (forma_->ConfirmarCambios()) {
        RecordarVentana(this);
        evento->accept();
    } else {
        evento->ignore();
    }
}

void TMainFormBrovel::ReporteShow() {
    forma_->tsErosionShow();
    if (forma_->RecalculoSuspendido) return;
    Reporte->Construir(
        [this] { return ConstruirReporte(*forma_, QFile::encodeName(RutaModeloReporte).toStdString()).value_or(""); });
}

// The job is named after the window and the project, as the title bar reads.
void TMainFormBrovel::ImprimirReporteExecute() {
    QString motivo;
    const QString impresora = Reporte->Imprimir(
        QStringLiteral("Brovel - ") + NombreParaTrabajos(), QStringLiteral("Reporte de Brovel"),
        QString::fromStdString(forma_->NombreProyecto),
        [this](QPainter& pintor, const QRectF& area) { DibujarGraficos(*forma_, pintor, area); }, motivo);
    if (impresora.isEmpty())
        TEscritorio::Actual().MostrarError(this, QStringLiteral("Error al querer imprimir el reporte"));
    else
        Panel1->MostrarAviso(QStringLiteral("Reporte enviado a la impresora «%1»").arg(impresora));
}

QString TMainFormBrovel::NombreParaTrabajos() const { return QString::fromStdString(NombreDelProyecto(*forma_)); }

void TMainFormBrovel::ExportarReporteExecute() {
    Reporte->Exportar(
        this, QStringLiteral("Reporte de Brovel"), QString::fromStdString(forma_->NombreProyecto),
        [this] {
            const auto reporte = ConstruirReporte(*forma_, QFile::encodeName(RutaModeloReporte).toStdString());
            if (!reporte) throw ErrorReporte(forma_->TextoEstado());
            return *reporte;
        },
        [this](QPainter& pintor, const QRectF& area) { DibujarGraficos(*forma_, pintor, area); });
}

void TMainFormBrovel::NotasExecute() { AbrirAyuda(this); }

void TMainFormBrovel::AcercaDeExecute() { MostrarAcercaDeBrovel(this); }

}  // namespace brovel
