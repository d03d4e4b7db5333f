// The runoff window as a view of its form: the field widgets bound to the form's
// quantities both ways, the option, check-box and list widgets driving the form
// and following it, the captions that follow the options, the three result grids,
// the status panel, the "..." buttons, the tabs, showing and closing the window.
#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

#include "CeldaDeTabla.h"
#include "EscritorioDePrueba.h"
#include "forms/CamposZumbrel.h"
#include "forms/FormaZumbrel.h"
#include "tables/TablasReferencia.h"
#include "ui/fields/Unidades.h"
#include "ui/windows/GrillaResultados.h"
#include "ui/windows/MainZumbrel.h"
#include "ui/windows/PanelEstado.h"

using namespace brovel;

namespace {

// The tabs by their place in the tab widget, as the form names them.
constexpr int kGeometria = Indice(TPestanaZumbrel::Geometria);
constexpr int kSuelo = Indice(TPestanaZumbrel::Suelo);
constexpr int kForzantes = Indice(TPestanaZumbrel::Forzantes);
constexpr int kCondicionantes = Indice(TPestanaZumbrel::Condicionantes);
constexpr int kEscorrentia = Indice(TPestanaZumbrel::Escorrentia);
constexpr int kReporte = Indice(TPestanaZumbrel::Reporte);

const QString kSerieMalCargada = QStringLiteral("La secuencia de Acumulacion de Lluvia esta mal cargada");

// What the form asks of a person, recorded.
class TPersonaDePrueba : public TInterlocutor {
public:
    void MostrarError(const std::string& texto) override { errores << QString::fromStdString(texto); }
    std::string ElegirProyectoParaAbrir() override { return {}; }
    std::string ElegirProyectoParaGuardar() override { return {}; }
    TRespuesta PreguntarGuardarCambios(const std::string&) override { return TRespuesta::No; }

    QStringList errores;
};

QString Nombre(std::string_view nombre) { return QString::fromUtf8(nombre.data(), static_cast<int>(nombre.size())); }

// Checks an option as the user does, so that its handler runs even when it is the
// option already in force.
void Elegir(QRadioButton* opcion) {
    if (opcion->isChecked()) {
        for (QAbstractButton* otra : opcion->group()->buttons()) {
            if (otra != opcion) {
                otra->setChecked(true);
                break;
            }
        }
    }
    opcion->setChecked(true);
}

// Picks an entry of a list as the user does: chosen, then its handler run.
void Activar(QComboBox* lista, int indice) {
    lista->setCurrentIndex(indice);
    emit lista->activated(indice);
}

// Types over a field's text as the user does.
void Teclear(TUnidades* campo, const QString& texto) {
    campo->selectAll();
    QTest::keyClicks(campo, texto);
}

// Shows a tab; a tab already current is left and shown again, as a user would.
void MostrarPestana(TMainFormZumbrel& v, int pestana) {
    if (v.PageControl->currentIndex() == pestana) v.PageControl->setCurrentIndex(pestana == 0 ? 1 : 0);
    v.PageControl->setCurrentIndex(pestana);
}

// A grid as the user reads it: the header row, then the rows.
QString Celda(const QTableView* grilla, int fila, int columna) {
    const QAbstractItemModel* modelo = grilla->model();
    if (fila == 0) return modelo->headerData(columna, Qt::Horizontal).toString();
    return modelo->index(fila - 1, columna).data().toString();
}

// The rows the view shows, as it knows them (not as its model would count them now).
int Filas(const QTableView* grilla) { return grilla->verticalHeader()->count(); }

QStringList Fila(const QTableView* grilla, int fila) {
    QStringList celdas;
    for (int c = 0; c < grilla->model()->columnCount(); ++c) celdas << Celda(grilla, fila, c);
    return celdas;
}

}  // namespace

class PruebaZumbrel : public QObject {
    Q_OBJECT

private slots:
    void init() {
        escritorio = std::make_unique<TEscritorioDePrueba>();
        persona = std::make_unique<TPersonaDePrueba>();
        forma = std::make_unique<TFormaZumbrel>(*persona);
        ventana = std::make_unique<TMainFormZumbrel>(nullptr, *forma);
    }
    void cleanup() {
        ventana.reset();
        forma.reset();
        persona.reset();
        escritorio.reset();
    }

    // Start-up.

    void arrancaEnGeometriaSinErrores() {
        QCOMPARE(ventana->PageControl->currentIndex(), int(kGeometria));
        QCOMPARE(ventana->Panel1->text(), QStringLiteral("OK"));
        QVERIFY(!ventana->Panel1->EnError());
        QCOMPARE(escritorio->errores, QStringList());
        QCOMPARE(persona->errores, QStringList());
    }

    // Every field of the table has a widget of its name on the tabs that shows and
    // edits the form's quantity of that name, with its caption; results cannot be
    // typed over.
    void cadaCampoDeLaTablaTieneSuControl_data() {
        QTest::addColumn<QString>("nombre");
        for (const TDefinicionCampo& d : CamposZumbrel()) QTest::newRow(d.nombre.data()) << Nombre(d.nombre);
    }
    void cadaCampoDeLaTablaTieneSuControl() {
        QFETCH(QString, nombre);
        const TDefinicionCampo& d = CampoZumbrel(nombre.toStdString());
        auto* campo = ventana->PageControl->findChild<TUnidades*>(nombre);
        QVERIFY(campo);
        QVERIFY(&campo->Cantidad() == &forma->Campo(d.nombre));
        QCOMPARE(campo->text(), QString::fromStdString(forma->Campo(d.nombre).Text()));
        QCOMPARE(campo->Caption(), Nombre(d.titulo));
        QCOMPARE(campo->isReadOnly(), d.clase == TClaseCampo::Resultado);
        QCOMPARE(campo->Units().size(), static_cast<qsizetype>(UnidadesDe(d).size()));
    }

    // Typing into a field reaches the model through its tab's handler.
    void escribirEnUnCampoLlegaAlModelo_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("miembro");
        QTest::addColumn<double>("valor");
        // clang-format off
        QTest::newRow("euDdpmrhls") << "euDdpmrhls" << "30" << 0 << 30.0;
        QTest::newRow("euDntepmrys") << "euDntepmrys" << "800" << 1 << 800.0;
        QTest::newRow("euAc") << "euAc" << "50" << 2 << 50.0;
        QTest::newRow("euAi") << "euAi" << "12.5" << 3 << 12.5;
        QTest::newRow("euPtsd") << "euPtsd" << "15" << 4 << 15.0;
        QTest::newRow("euAll, paso 1") << "euAll" << "11" << 5 << 11.0;
        // clang-format on
    }
    void escribirEnUnCampoLlegaAlModelo() {
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(int, miembro);
        QFETCH(double, valor);
        const std::function<double(const TEstadoZumbrel&)> leer[] = {
            [](const TEstadoZumbrel& e) { return e.Ddpmrhls; }, [](const TEstadoZumbrel& e) { return e.Dntepmrys; },
            [](const TEstadoZumbrel& e) { return e.Ac; },       [](const TEstadoZumbrel& e) { return e.Ai; },
            [](const TEstadoZumbrel& e) { return e.Ptsd; },     [](const TEstadoZumbrel& e) { return e.AllParcial[1]; },
        };
        auto* control = ventana->PageControl->findChild<TUnidades*>(campo);
        QVERIFY(control);
        Teclear(control, texto);
        QCOMPARE(forma->Campo(campo.toStdString()).Text(), texto.toStdString());
        QCOMPARE(leer[miembro](forma->Estado), valor);
        QCOMPARE(escritorio->errores, QStringList());
    }

    // The curve number reaches the model when its tab recalculates, without its
    // fraction.
    void elNumeroDeCurvaLlegaTruncado() {
        Teclear(ventana->euNc, QStringLiteral("70.9"));
        QCOMPARE(forma->Estado.Nc, 70);
    }

    // What the form writes shows in the widget, as the field renders it.
    void loQueEscribeLaFormaSeVeEnElCampo_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("texto");
        QTest::newRow("euAc") << "euAc" << 100.0 << "100";
        QTest::newRow("euPtsd, tres decimales") << "euPtsd" << 12.34567 << "12.346";
    }
    void loQueEscribeLaFormaSeVeEnElCampo() {
        QFETCH(QString, campo);
        QFETCH(double, valor);
        QFETCH(QString, texto);
        forma->Campo(campo.toStdString()).SetBaseValue(valor);
        QCOMPARE(ventana->PageControl->findChild<TUnidades*>(campo)->text(), texto);
    }

    // The grids.

    // The worked example of the rainfall series, with the defaults.
    void laGrillaDeLluviaMuestraLaSerie_data() {
        QTest::addColumn<int>("fila");
        QTest::addColumn<QStringList>("celdas");
        QTest::newRow("encabezado") << 0 << QStringList{"[Horas]", "[mm]", "[mm]", "[mm/hr]"};
        QTest::newRow("paso 1") << 1 << QStringList{"0.5", "9.4", "9.4", "18.8"};
        QTest::newRow("paso 2") << 2 << QStringList{"1", "22.6", "32", "45.2"};
        QTest::newRow("paso 3") << 3 << QStringList{"1.5", "73.4", "105.4", "146.8"};
        QTest::newRow("paso 4") << 4 << QStringList{"2", "13.2", "118.6", "26.4"};
        QTest::newRow("paso 5") << 5 << QStringList{"2.5", "7.3", "125.9", "14.6"};
        QTest::newRow("paso 6") << 6 << QStringList{"3", "6", "131.9", "12"};
    }
    void laGrillaDeLluviaMuestraLaSerie() {
        QFETCH(int, fila);
        QFETCH(QStringList, celdas);
        QCOMPARE(Filas(ventana->sgLlResultado), 6);
        QCOMPARE(Fila(ventana->sgLlResultado, fila), celdas);
    }

    void laGrillaDeEscorrentiaTieneUnaFilaPorPaso() {
        MostrarPestana(*ventana, kCondicionantes);
        const QTableView* grilla = ventana->sgSvaeuaResultados;
        QCOMPARE(Filas(grilla), 6);
        QCOMPARE(Fila(grilla, 0), (QStringList{"[Horas]", "[mm]"}));
        // Step 1 rains less than the abstraction: no runoff yet.
        QCOMPARE(Fila(grilla, 1), (QStringList{"0.5", "0"}));
        QCOMPARE(Celda(grilla, 6, 0), QStringLiteral("3"));
        QVERIFY(Celda(grilla, 6, 1).toDouble() > Celda(grilla, 5, 1).toDouble());
    }

    void elHidrogramaTieneSusOrdenadasYSuPico() {
        MostrarPestana(*ventana, kEscorrentia);
        const QTableView* grilla = ventana->sgHeResultado;
        QCOMPARE(Filas(grilla), 16);
        QCOMPARE(Fila(grilla, 0), (QStringList{"[Horas]", "[m³/s]"}));
        QCOMPARE(Fila(grilla, 1), (QStringList{"0.5", "0"}));
        QCOMPARE(Fila(grilla, 16), (QStringList{"8", "0"}));
        int pico = 1;
        for (int j = 2; j <= 16; ++j)
            if (Celda(grilla, j, 1).toDouble() > Celda(grilla, pico, 1).toDouble()) pico = j;
        QCOMPARE(pico, 6);
        QCOMPARE(Celda(grilla, pico, 0), QStringLiteral("3"));
        // The peak field and the grid show the same ordinate, the grid to five decimals.
        QVERIFY(qAbs(Celda(grilla, pico, 1).toDouble() - forma->Estado.Cp) <= 5e-6);
    }

    // A unit picked in a grid's selector converts the numbers of its column and
    // names it in the header; the other columns stay.
    void elSelectorDeUnaGrillaConvierteSuColumna_data() {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("grilla");
        QTest::addColumn<int>("pestana");
        QTest::addColumn<int>("unidad");
        QTest::addColumn<int>("columna");
        QTest::addColumn<QString>("encabezado");
        QTest::addColumn<double>("factor");
        // clang-format off
        QTest::newRow("cm/hr") << "cbUnidadesHietograma" << "sgLlResultado" << int(kForzantes) << 1 << 3 << "[cm/hr]" << 0.1;
        QTest::newRow("m/hr") << "cbUnidadesHietograma" << "sgLlResultado" << int(kForzantes) << 2 << 3 << "[m/hr]" << 0.001;
        QTest::newRow("cm") << "cbUnidadesVolumenes" << "sgSvaeuaResultados" << int(kCondicionantes) << 1 << 1 << "[cm]" << 0.1;
        QTest::newRow("m") << "cbUnidadesVolumenes" << "sgSvaeuaResultados" << int(kCondicionantes) << 2 << 1 << "[m]" << 0.001;
        QTest::newRow("l/s") << "cbUnidadHidrograma" << "sgHeResultado" << int(kEscorrentia) << 1 << 1 << "[l/s]" << 1000.0;
        // clang-format on
    }
    void elSelectorDeUnaGrillaConvierteSuColumna() {
        QFETCH(QString, selector);
        QFETCH(QString, grilla);
        QFETCH(int, pestana);
        QFETCH(int, unidad);
        QFETCH(int, columna);
        QFETCH(QString, encabezado);
        QFETCH(double, factor);
        MostrarPestana(*ventana, pestana);
        auto* vista = ventana->PageControl->findChild<QTableView*>(grilla);
        QVERIFY(vista);
        const int filas = Filas(vista);
        QVERIFY(filas > 0);
        QList<QStringList> antes;
        for (int f = 1; f <= filas; ++f) antes << Fila(vista, f);

        Activar(ventana->PageControl->findChild<QComboBox*>(selector), unidad);
        QCOMPARE(Celda(vista, 0, columna), encabezado);
        QCOMPARE(Filas(vista), filas);
        for (int f = 1; f <= filas; ++f) {
            QStringList despues = Fila(vista, f);
            const double esperado = antes[f - 1][columna].toDouble() * factor;
            QVERIFY2(qAbs(despues[columna].toDouble() - esperado) <= 1e-5 * qMax(1.0, qAbs(esperado)),
                     qPrintable(despues[columna] + " / " + QString::number(esperado)));
            despues[columna] = antes[f - 1][columna];
            QCOMPARE(despues, antes[f - 1]);
        }
    }

    void enCmPorHoraLaIntensidadSeDivideEntreDiez() {
        Activar(ventana->cbUnidadesHietograma, 1);
        QCOMPARE(Fila(ventana->sgLlResultado, 0), (QStringList{"[Horas]", "[mm]", "[mm]", "[cm/hr]"}));
        QCOMPARE(Fila(ventana->sgLlResultado, 1), (QStringList{"0.5", "9.4", "9.4", "1.88"}));
        QCOMPARE(Fila(ventana->sgLlResultado, 3), (QStringList{"1.5", "73.4", "105.4", "14.68"}));
    }

    // An accumulated series that goes down turns the status panel red; the grid
    // shows a negative partial height as "0".
    void unaSerieAcumuladaQueBajaSeMarcaEnRojo() {
        MostrarPestana(*ventana, kForzantes);
        Elegir(ventana->rbAcumulada);
        Activar(ventana->cbSall, 2);
        const char* alturas[] = {"10", "25", "20"};
        for (int k = 0; k < 3; ++k) {
            Activar(ventana->cbLluvia, k);
            Teclear(ventana->euAll, QString::fromLatin1(alturas[k]));
        }
        QVERIFY(ventana->Panel1->EnError());
        QCOMPARE(ventana->Panel1->text(), kSerieMalCargada);
        QCOMPARE(ventana->Panel1->palette().color(QPalette::Window), QColor(255, 0, 0));
        // No number computed from such a series is shown as current.
        QVERIFY(ventana->sgLlResultado->property("desactualizado").toBool());
        QVERIFY(ventana->sgLlResultado->toolTip().endsWith(kSerieMalCargada));
        QCOMPARE(forma->Estado.LlParcial[3], -5.0);

        // Mended, the panel says OK again and the grid shows the series.
        Teclear(ventana->euAll, QStringLiteral("30"));
        QVERIFY(!ventana->Panel1->EnError());
        QCOMPARE(ventana->Panel1->text(), QStringLiteral("OK"));
        QVERIFY(!ventana->sgLlResultado->property("desactualizado").toBool());
        QCOMPARE(Filas(ventana->sgLlResultado), 3);
        QCOMPARE(Fila(ventana->sgLlResultado, 3).mid(1, 2), (QStringList{"5", "30"}));
    }

    // A grid's model writes a cell only when asked for it: a hundred thousand rows
    // are counted, not written, and the rows' height is fixed, so the view never
    // measures them.
    void cienMilFilasSeCuentanSinEscribirse() {
        TGrillaResultados grande{
            {"[Horas]", "[m³/s]"}, {std::vector<double>(100000, 0.5), std::vector<double>(100000, 2.25)}, false, {}};
        TVistaGrilla vista(nullptr, QStringLiteral("grande"), grande);
        QCOMPARE(vista.model()->rowCount(), 100000);
        QCOMPARE(Filas(&vista), 100000);
        QCOMPARE(vista.verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
        QCOMPARE(Fila(&vista, 100000), (QStringList{"0.5", "2.25"}));
        vista.resize(vista.sizeHint());
        vista.show();
        vista.scrollToBottom();
        QCOMPARE(vista.rowAt(vista.viewport()->height() - 1), 99999);
    }

    // The grids as the window shows them.
    void lasGrillasSonDeSoloLecturaYDeMedidaFija_data() {
        QTest::addColumn<QString>("grilla");
        QTest::addColumn<int>("columnas");
        QTest::newRow("sgLlResultado") << "sgLlResultado" << 4;
        QTest::newRow("sgSvaeuaResultados") << "sgSvaeuaResultados" << 2;
        QTest::newRow("sgHeResultado") << "sgHeResultado" << 2;
    }
    void lasGrillasSonDeSoloLecturaYDeMedidaFija() {
        QFETCH(QString, grilla);
        QFETCH(int, columnas);
        auto* vista = ventana->PageControl->findChild<QTableView*>(grilla);
        QVERIFY(vista);
        QCOMPARE(vista->model()->columnCount(), columnas);
        QCOMPARE(vista->editTriggers(), QAbstractItemView::NoEditTriggers);
        for (int c = 0; c < columnas; ++c) QCOMPARE(vista->columnWidth(c), 112);
        QCOMPARE(vista->verticalHeader()->defaultSectionSize(), 17);
        QCOMPARE(vista->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(vista->palette().color(QPalette::Base), QColor(181, 189, 204));
        // As wide as its columns and its scroll bar: nothing cut off, nothing left over.
        QCOMPARE(vista->sizeHint().width(),
                 columnas * 112 + vista->verticalScrollBar()->sizeHint().width() + 2 * vista->frameWidth());
    }

    // Each grid has its caption beside it, its column titles above their columns,
    // and its unit selector above the column it converts.
    void cadaGrillaTieneSuRotuloYSuSelectorEncima_data() {
        QTest::addColumn<QString>("grilla");
        QTest::addColumn<QString>("rotulo");
        QTest::addColumn<QString>("selector");
        QTest::addColumn<int>("columna");
        QTest::addColumn<int>("pestana");
        QTest::addColumn<QStringList>("titulos");
        // clang-format off
        QTest::newRow("lluvia") << "sgLlResultado" << "Lluvia en función del tiempo" << "cbUnidadesHietograma" << 3
                                << int(kForzantes) << QStringList{"Parcial", "Acumulada", "Hietograma"};
        QTest::newRow("escorrentía") << "sgSvaeuaResultados"
                                     << "Serie de volúmenes acumulados de escorrentía por unidad de área"
                                     << "cbUnidadesVolumenes" << 1 << int(kCondicionantes) << QStringList();
        QTest::newRow("hidrograma") << "sgHeResultado" << "Hidrograma de escorrentía" << "cbUnidadHidrograma" << 1
                                    << int(kEscorrentia) << QStringList();
        // clang-format on
    }
    void cadaGrillaTieneSuRotuloYSuSelectorEncima() {
        QFETCH(QString, grilla);
        QFETCH(QString, rotulo);
        QFETCH(QString, selector);
        QFETCH(int, columna);
        QFETCH(int, pestana);
        QFETCH(QStringList, titulos);
        ventana->show();
        QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
        ventana->PageControl->setCurrentIndex(pestana);
        auto* vista = ventana->PageControl->findChild<QTableView*>(grilla);
        auto* lista = ventana->PageControl->findChild<QComboBox*>(selector);
        QVERIFY(vista && lista);
        QVERIFY(lista->isVisible());
        auto* panel = qobject_cast<TPanelGrilla*>(vista->parentWidget());
        QVERIFY(panel);
        QCOMPARE(panel->Rotulo()->text(), rotulo);
        QVERIFY(panel->Rotulo()->geometry().right() < vista->geometry().left());

        // Horizontal extent of a widget in the grid's viewport.
        const auto enLaGrilla = [&](const QWidget* w) {
            const int izquierda = vista->viewport()->mapFromGlobal(w->mapToGlobal(QPoint(0, 0))).x();
            return std::make_pair(izquierda, izquierda + w->width());
        };
        const auto dentroDeColumna = [&](const QWidget* w, int c) {
            const auto [izquierda, derecha] = enLaGrilla(w);
            const int inicio = vista->columnViewportPosition(c);
            return izquierda >= inicio && derecha <= inicio + vista->columnWidth(c);
        };
        QVERIFY(dentroDeColumna(lista, columna));
        QVERIFY(lista->mapTo(ventana.get(), QPoint(0, lista->height())).y() <=
                vista->mapTo(ventana.get(), QPoint(0, 0)).y());
        QVERIFY(lista->width() >= lista->minimumSizeHint().width());
        for (int c = 0; c < titulos.size(); ++c) {
            QLabel* titulo = nullptr;
            for (QLabel* l : panel->findChildren<QLabel*>())
                if (l->text() == titulos[c]) titulo = l;
            QVERIFY2(titulo, qPrintable(titulos[c]));
            QVERIFY2(dentroDeColumna(titulo, c + 1), qPrintable(titulos[c]));
            QVERIFY(titulo->sizeHint().width() <= titulo->width());
        }
        // All of the grid is inside its page.
        const QRect enLaVentana(vista->mapTo(ventana.get(), QPoint(0, 0)), vista->size());
        QVERIFY(ventana->rect().contains(enLaVentana));
    }

    // Option, check-box and list widgets.

    // A button clicked chooses its option in the form; an option the form chooses
    // checks its button.
    void losBotonesYLaFormaEligenLoMismo_data() {
        QTest::addColumn<int>("grupo");
        QTest::addColumn<int>("boton");
        for (TGrupoZumbrel grupo : {TGrupoZumbrel::Serie, TGrupoZumbrel::UsoSuelo}) {
            const auto& botones = BotonesDe(grupo);
            for (int i = 0; i < static_cast<int>(botones.size()); ++i)
                QTest::newRow(botones[static_cast<size_t>(i)]) << static_cast<int>(grupo) << i;
        }
    }
    void losBotonesYLaFormaEligenLoMismo() {
        QFETCH(int, grupo);
        QFETCH(int, boton);
        const auto g = static_cast<TGrupoZumbrel>(grupo);
        const auto& botones = BotonesDe(g);
        const auto boton_ = [&](int i) {
            return ventana->PageControl->findChild<QRadioButton*>(QString::fromLatin1(botones[static_cast<size_t>(i)]));
        };
        QVERIFY(boton_(boton));
        Elegir(boton_(boton));
        QCOMPARE(forma->Opcion(g), boton);

        const int otro = (boton + 1) % static_cast<int>(botones.size());
        forma->ElegirOpcion(g, otro);
        QVERIFY(boton_(otro)->isChecked());
        QVERIFY(!boton_(boton)->isChecked());
    }

    // The step editor's caption follows the series kind, the curve-number table's
    // caption the land use.
    void losRotulosSiguenALasOpciones_data() {
        QTest::addColumn<QString>("opcion");
        QTest::addColumn<QString>("rotulo");
        QTest::addColumn<QString>("texto");
        // clang-format off
        QTest::newRow("rcParcial") << "rcParcial" << "euAll" << "Altura de lluvia parcial";
        QTest::newRow("rbAcumulada") << "rbAcumulada" << "euAll" << "Altura de lluvia acumulada";
        QTest::newRow("rbAu") << "rbAu" << "Label8" << "Número de curva para áreas urbanas ";
        QTest::newRow("rbTac") << "rbTac" << "Label8" << "Número de curva para terrenos agrícolas cultivados ";
        QTest::newRow("rbOta") << "rbOta" << "Label8" << "Número de curva para otros terrenos agrícolas ";
        QTest::newRow("rbTpas") << "rbTpas" << "Label8"
                                << "Número de curva para terrenos de pastoreo áridos y semiáridos ";
        // clang-format on
    }
    void losRotulosSiguenALasOpciones() {
        QFETCH(QString, opcion);
        QFETCH(QString, rotulo);
        QFETCH(QString, texto);
        Elegir(ventana->PageControl->findChild<QRadioButton*>(opcion));
        const QString mostrado = rotulo == "euAll" ? ventana->euAll->Caption() : ventana->Label8->text();
        QCOMPARE(mostrado, texto);
    }

    // The tick of an assigned abstraction drives the form and shows, with it, the
    // field and its table button; the form's tick shows in the box.
    void laCasillaDeAbstraccionMuestraSuCampo() {
        const QList<QWidget*> conLaCasilla = {ventana->euAi, ventana->BitBtn6, ventana->Label15, ventana->Bevel8};
        for (QWidget* w : conLaCasilla) QVERIFY(w && !w->isHidden());
        QVERIFY(ventana->cbAai->isChecked());

        ventana->cbAai->setChecked(false);
        QVERIFY(!forma->AbstraccionAsignada());
        QVERIFY(!forma->Estado.Aai);
        for (QWidget* w : conLaCasilla) QVERIFY2(w->isHidden(), qPrintable(w->objectName()));
        QVERIFY(ventana->euAi->EditLabel()->isHidden());

        ventana->cbAai->setChecked(true);
        QVERIFY(forma->Estado.Aai);
        for (QWidget* w : conLaCasilla) QVERIFY2(!w->isHidden(), qPrintable(w->objectName()));

        forma->MarcarAbstraccionAsignada(false);
        QVERIFY(!ventana->cbAai->isChecked());
        QVERIFY(ventana->euAi->isHidden());
    }

    // An entry picked in a list reaches the form; an entry the form picks shows.
    void lasListasYLaFormaEligenLoMismo_data() {
        QTest::addColumn<int>("lista");
        QTest::addColumn<int>("indice");
        QTest::addColumn<int>("otro");
        QTest::newRow("cbGh") << int(TListaZumbrel::cbGh) << 3 << 0;
        QTest::newRow("cbSall") << int(TListaZumbrel::cbSall) << 9 << 2;
        QTest::newRow("cbLluvia") << int(TListaZumbrel::cbLluvia) << 4 << 1;
        QTest::newRow("cbUnidadesHietograma") << int(TListaZumbrel::cbUnidadesHietograma) << 2 << 1;
        QTest::newRow("cbUnidadesVolumenes") << int(TListaZumbrel::cbUnidadesVolumenes) << 1 << 2;
        QTest::newRow("cbUnidadHidrograma") << int(TListaZumbrel::cbUnidadHidrograma) << 1 << 0;
    }
    void lasListasYLaFormaEligenLoMismo() {
        QFETCH(int, lista);
        QFETCH(int, indice);
        QFETCH(int, otro);
        const auto l = static_cast<TListaZumbrel>(lista);
        auto* selector = ventana->PageControl->findChild<QComboBox*>(QString::fromLatin1(NombreDe(l)));
        QVERIFY(selector);
        QStringList entradas;
        for (const std::string& item : forma->Lista(l).items) entradas << QString::fromStdString(item);
        QStringList mostradas;
        for (int i = 0; i < selector->count(); ++i) mostradas << selector->itemText(i);
        QCOMPARE(mostradas, entradas);

        Activar(selector, indice);
        QCOMPARE(forma->Lista(l).indice, indice);
        forma->ElegirEnLista(l, otro);
        QCOMPARE(selector->currentIndex(), otro);
    }

    // The count of data fills the step list again; the step list loads its step's
    // height into the editor.
    void laCantidadDeDatosLlenaLaListaDePasos() {
        Activar(ventana->cbSall, 2);
        QCOMPARE(forma->Estado.Sall, 3);
        QCOMPARE(ventana->cbLluvia->count(), 3);
        QCOMPARE(ventana->cbLluvia->currentText(), QStringLiteral("1"));
        QCOMPARE(Filas(ventana->sgLlResultado), 3);
        Activar(ventana->cbLluvia, 2);
        QCOMPARE(ventana->euAll->text(), QStringLiteral("73.4"));
    }

    // The "..." buttons.

    // A soil group chosen from a table selects it in the list, without the list's
    // handler: the model keeps its group until the tab recalculates.
    void elGrupoElegidoDeUnaTablaSeMuestraSinRecalcular_data() {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QString>("fila");
        QTest::addColumn<QString>("columna");
        QTest::addColumn<int>("grupo");
        // clang-format off
        QTest::newRow("bbSTC1, C") << "bbSTC1" << "ES1" << "C" << "Textura" << 2;
        QTest::newRow("BitBtn1, A") << "BitBtn1" << "ES2" << "A" << "Grupo hidrológico" << 0;
        QTest::newRow("BitBtn1, D") << "BitBtn1" << "ES2" << "D" << "Textura" << 3;
        // clang-format on
    }
    void elGrupoElegidoDeUnaTablaSeMuestraSinRecalcular() {
        QFETCH(QString, boton);
        QFETCH(QString, codigo);
        QFETCH(QString, fila);
        QFETCH(QString, columna);
        QFETCH(int, grupo);
        escritorio->alMostrarModal = [&](QDialog& dialogo) { ElegirCelda(dialogo, fila, columna); };
        QTest::mouseClick(ventana->PageControl->findChild<QToolButton*>(boton), Qt::LeftButton);
        QCOMPARE(escritorio->modales, QStringList{QString::fromUtf8(EntradaDeCatalogo(codigo.toStdString())->titulo)});
        QCOMPARE(ventana->cbGh->currentIndex(), grupo);
        QCOMPARE(forma->Lista(TListaZumbrel::cbGh).indice, grupo);
        QCOMPARE(int(forma->Estado.Gh), 1);
        MostrarPestana(*ventana, kSuelo);
        QCOMPARE(int(forma->Estado.Gh), grupo);
    }

    // A number chosen from a table reaches its field and the model.
    void elValorElegidoDeUnaTablaLlegaAlCampo_data() {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("uso");
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QString>("fila");
        QTest::addColumn<QString>("columna");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<double>("valor");
        // clang-format off
        QTest::newRow("BitBtn6") << "BitBtn6" << "rbAu" << "ES3" << "Suelo cultivado" << "Abstracción Inicial" << "euAi"
                                 << 8.0;
        QTest::newRow("BitBtn2, áreas urbanas") << "BitBtn2" << "rbAu" << "EC1"
                                                << "Condición regular (cobertura herbácea 50-70%)" << "Suelo C"
                                                << "euNc" << 79.0;
        QTest::newRow("BitBtn2, agrícolas cultivados") << "BitBtn2" << "rbTac" << "EC2" << "" << "" << "euNc" << 0.0;
        QTest::newRow("BitBtn2, otros agrícolas") << "BitBtn2" << "rbOta" << "EC3" << "" << "" << "euNc" << 0.0;
        QTest::newRow("BitBtn2, pastoreo") << "BitBtn2" << "rbTpas" << "EC4" << "" << "" << "euNc" << 0.0;
        // clang-format on
    }
    void elValorElegidoDeUnaTablaLlegaAlCampo() {
        QFETCH(QString, boton);
        QFETCH(QString, uso);
        QFETCH(QString, codigo);
        QFETCH(QString, fila);
        QFETCH(QString, columna);
        QFETCH(QString, campo);
        QFETCH(double, valor);
        Elegir(ventana->PageControl->findChild<QRadioButton*>(uso));
        auto* control = ventana->PageControl->findChild<TUnidades*>(campo);
        const QString antes = control->text();
        escritorio->alMostrarModal = [&](QDialog& dialogo) {
            if (!fila.isEmpty()) ElegirCelda(dialogo, fila, columna);
        };
        auto* b = ventana->PageControl->findChild<QToolButton*>(boton);
        QVERIFY(b);
        QCOMPARE(b->toolTip(), QStringLiteral("Seleccionar desde una Tabla"));
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(escritorio->modales, QStringList{QString::fromUtf8(EntradaDeCatalogo(codigo.toStdString())->titulo)});
        if (fila.isEmpty()) {
            QCOMPARE(control->text(), antes);
            return;
        }
        QCOMPARE(static_cast<double>(control->GetBaseValue()), valor);
        if (campo == "euAi") QCOMPARE(forma->Estado.Ai, valor);
        MostrarPestana(*ventana, kCondicionantes);
        if (campo == "euNc") QCOMPARE(forma->Estado.Nc, static_cast<int>(valor));
    }

    // Tabs, showing and closing.

    // Showing a tab runs the form's handler for it and its results appear.
    void laPestanaEscorrentiaMuestraSusResultados() {
        const QString antes = ventana->euCpResultado->text();
        ventana->PageControl->setCurrentIndex(kEscorrentia);
        QCOMPARE(ventana->euCpResultado->text(), QStringLiteral("767.867"));
        QVERIFY(antes != ventana->euCpResultado->text());
        QCOMPARE(Filas(ventana->sgHeResultado), 16);
    }

    // Showing the window runs the handler of the tab it shows: a change of area made
    // meanwhile reaches the peak.
    void mostrarLaVentanaRecalculaSuPestana() {
        ventana->PageControl->setCurrentIndex(kEscorrentia);
        const double pico = forma->Estado.Cp;
        forma->euAc.SetBaseValue(2 * 70.26);
        QCOMPARE(forma->Estado.Cp, pico);
        ventana->show();
        QVERIFY(qAbs(forma->Estado.Cp - 2 * pico) < 1e-9 * pico);
        QCOMPARE(Filas(ventana->sgHeResultado), 16);
    }

    // Shown modally, the window runs until it is closed, by its close button or by
    // "Salir", and keeps what it showed for the next time.
    void salirCierraLaVentanaYLaConserva_data() {
        QTest::addColumn<bool>("porSalir");
        QTest::newRow("Salir") << true;
        QTest::newRow("botón de cierre") << false;
    }
    void salirCierraLaVentanaYLaConserva() {
        QFETCH(bool, porSalir);
        ventana->PageControl->setCurrentIndex(kForzantes);
        Activar(ventana->cbSall, 3);
        QVERIFY(ventana->Salir->isEnabled());
        QTimer::singleShot(0, ventana.get(), [&] {
            if (porSalir)
                ventana->Salir->trigger();
            else
                ventana->close();
        });
        // A window that does not close is closed here, so that the test fails
        // instead of waiting for ever.
        bool seguiaAbierta = false;
        QTimer::singleShot(2000, ventana.get(), [&] {
            seguiaAbierta = ventana->isVisible();
            ventana->done(QDialog::Rejected);
        });
        ventana->exec();
        QVERIFY(!seguiaAbierta);
        QVERIFY(!ventana->isVisible());
        QCOMPARE(ventana->PageControl->currentIndex(), int(kForzantes));
        QCOMPARE(ventana->cbSall->currentText(), QStringLiteral("4"));
        QCOMPARE(Filas(ventana->sgLlResultado), 4);
        ventana->show();
        QCOMPARE(ventana->cbSall->currentText(), QStringLiteral("4"));
    }

    // Grabar and Cargar keep the window's inputs in a ".zbr" file of its own; the
    // dialogs ask for that kind and start where the last one ended.
    void grabarYCargarLosDatos() {
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("cuenca.zbr"));
        ventana->euAc->SetBaseValue(12.5);
        escritorio->archivosElegidos = {ruta, ruta};
        ventana->Grabar->trigger();
        QVERIFY(QFile::exists(ruta));
        ventana->euAc->SetBaseValue(99);
        ventana->Cargar->trigger();
        QCOMPARE(ventana->euAc->text(), QStringLiteral("12.5"));
        QCOMPARE(escritorio->filtrosPedidos, (QStringList{"Datos de Zumbrel (*.zbr)", "Datos de Zumbrel (*.zbr)"}));
        QCOMPARE(escritorio->sufijosPedidos, (QStringList{"zbr", "zbr"}));
        QCOMPARE(escritorio->carpetasPedidas.last(), carpeta.path());
        QCOMPARE(escritorio->errores, QStringList());
    }

    // The form may end before its view (the slope window's form goes before the
    // widgets the window owns): the view lets go of it and ends cleanly.
    void laVistaSobreviveASuForma() {
        auto otraForma = std::make_unique<TFormaZumbrel>(*persona);
        auto vista = std::make_unique<TMainFormZumbrel>(nullptr, *otraForma);
        QVERIFY(vista->euAc->Vinculado());
        otraForma.reset();
        QVERIFY(!vista->euAc->Vinculado());
        QVERIFY(!vista->euAll->Vinculado());
        vista.reset();
    }

private:
    std::unique_ptr<TEscritorioDePrueba> escritorio;
    std::unique_ptr<TPersonaDePrueba> persona;
    std::unique_ptr<TFormaZumbrel> forma;
    std::unique_ptr<TMainFormZumbrel> ventana;
};

QTEST_MAIN(PruebaZumbrel)
#include "Zumbrel_test.moc"
