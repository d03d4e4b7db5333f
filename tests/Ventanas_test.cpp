#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

#include "EscritorioDePrueba.h"
#include "ui/fields/Unidades.h"
#include "ui/windows/Comandos.h"
#include "ui/windows/GrillaResultados.h"
#include "ui/windows/MainBrovel.h"
#include "ui/windows/MainZumbrel.h"
#include "ui/windows/PanelEstado.h"

using namespace brovel;

namespace {

// The message names the help file with its whole path.
QString ErrorAyuda() {
    return QStringLiteral(
               "Error al querer abrir el archivo de ayuda. Dicho problema puede deberse a lo siguiente: o bien el "
               "archivo no existe, o no está instalado el programa Acrobat Reader.\n\nEl archivo de ayuda es:\n") +
           QFileInfo(RutaAyuda()).absoluteFilePath();
}

// The menu's entries as "caption [shortcut]", "-" for a separator.
QStringList Entradas(QMenuBar* barra, int indice) {
    QStringList entradas;
    const QMenu* menu = barra->actions().at(indice)->menu();
    for (const QAction* a : menu->actions()) {
        if (a->isSeparator())
            entradas << QStringLiteral("-");
        else if (a->shortcut().isEmpty())
            entradas << a->text();
        else
            entradas << a->text() + " [" + a->shortcut().toString() + "]";
    }
    return entradas;
}

QStringList Pestanas(const QTabWidget* pestanas) {
    QStringList lista;
    for (int i = 0; i < pestanas->count(); ++i) lista << pestanas->widget(i)->objectName() + "=" + pestanas->tabText(i);
    return lista;
}

// The help document lies where the program looks for it only while one of these
// lives.
struct DocumentoDeAyuda {
    DocumentoDeAyuda() {
        QDir().mkpath(QFileInfo(RutaAyuda()).path());
        QFile archivo(RutaAyuda());
        archivo.open(QIODevice::WriteOnly);
        archivo.write("%PDF-1.4\n");
    }
    ~DocumentoDeAyuda() { QDir(QFileInfo(RutaAyuda()).path()).removeRecursively(); }
};

}  // namespace

class PruebaVentanas : public QObject {
    Q_OBJECT

private slots:
    void init() {
        escritorio = std::make_unique<TEscritorioDePrueba>();
        ventana = std::make_unique<TMainFormBrovel>();
    }
    void cleanup() {
        ventana.reset();
        escritorio.reset();
    }

    void alArrancarMuestraElAcercaDeYLaVentanaSinNombre() {
        QCOMPARE(escritorio->modales, QStringList{"Acerca de Brovel"});
        QCOMPARE(TituloMostrado(*ventana), QStringLiteral("Brovel - Sin Nombre"));
        QCOMPARE(ventana->PageControl->currentIndex(), 0);
        QCOMPARE(ventana->PageControl->currentWidget()->objectName(), QStringLiteral("Geometria"));
        QCOMPARE(ventana->Panel1->text(), QStringLiteral("OK"));
        QVERIFY(!ventana->Panel1->EnError());
        QCOMPARE(ventana->Panel1->height(), 22);
        // Room for a plot beside the fields, on a screen of 1366 × 768.
        QCOMPARE(ventana->size(), QSize(1210, 640));
        QVERIFY(ventana->Forma().RutaProyecto.empty());
        QVERIFY(ventana->RutaModeloReporte.endsWith(QStringLiteral("/Reportes/ModeloRep.rtf")));
        QVERIFY(QFileInfo(ventana->RutaModeloReporte).path().startsWith(QApplication::applicationDirPath()));
    }

    // The about box comes first: while it is shown, the runoff window does not exist
    // yet. It has no caption-bar buttons and names the version.
    void elAcercaDeSeMuestraAntesDeCrearElResto() {
        ventana.reset();
        bool habiaEscorrentia = true;
        Qt::WindowFlags banderas;
        QString version;
        escritorio->alMostrarModal = [&](QDialog& caja) {
            habiaEscorrentia = caja.parentWidget()->findChild<TMainFormZumbrel*>() != nullptr;
            banderas = caja.windowFlags();
            version = caja.findChild<QLabel*>(QStringLiteral("Version"))->text();
        };
        TMainFormBrovel nueva;
        QVERIFY(!habiaEscorrentia);
        QVERIFY(!(banderas & Qt::WindowCloseButtonHint));
        QVERIFY(!(banderas & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(version, QStringLiteral("Versión " BROVEL_VERSION));
    }

    void salirTerminaElProgramaSinPreguntar() {
        QTimer::singleShot(0, ventana->Salir, &QAction::trigger);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(escritorio->errores.isEmpty());
        QCOMPARE(escritorio->modales, QStringList{"Acerca de Brovel"});
    }

    // With the project changed, Salir and the window's close button ask first;
    // Cancelar keeps the program and the window, No lets them go.
    void salirYCerrarPreguntanPorLosCambios() {
        ventana->euLt->SetBaseValue(70);
        escritorio->respuestas = {QMessageBox::Cancel, QMessageBox::Cancel, QMessageBox::No};
        ventana->show();
        QTimer::singleShot(0, ventana->Salir, &QAction::trigger);
        QTimer::singleShot(10, qApp, [] { QApplication::exit(7); });
        QCOMPARE(QApplication::exec(), 7);
        QVERIFY(!ventana->close());
        QVERIFY(ventana->isVisible());
        QVERIFY(ventana->close());
        const QString pregunta = QStringLiteral("¿Desea guardar los cambios de «Sin Nombre»?");
        QCOMPARE(escritorio->preguntas, (QStringList{pregunta, pregunta, pregunta}));
        QCOMPARE(ventana->Forma().Estado.Lt, 70.0);
    }

    // A result the last recalculation left behind is shown in muted red, its tooltip
    // saying why; once computed again it looks and reads as before.
    void unResultadoDesactualizadoSeVe() {
        TUnidades* ls = ventana->euFtEResultado;
        const QColor normal = ls->palette().color(QPalette::Text);
        const QString ayuda = ls->toolTip();
        ventana->PageControl->setCurrentIndex(5);
        ventana->euDt->SetBaseValue(-5);
        ventana->PageControl->setCurrentIndex(0);
        ventana->PageControl->setCurrentIndex(5);
        QCOMPARE(ls->palette().color(QPalette::Text), QColor(168, 58, 58));
        QCOMPARE(ls->toolTip(),
                 QStringLiteral("No se pudo calcular con los datos actuales; se muestra el último valor calculado.\n"
                                "«Pendiente del Brovel»: El valor ingresado se encuentra fuera del rango permitido "
                                "(0 - 1.1E4900)"));
        QCOMPARE(ventana->euFesEResultado->palette().color(QPalette::Text), normal);
        ventana->euDt->SetBaseValue(6);
        ventana->PageControl->setCurrentIndex(0);
        ventana->PageControl->setCurrentIndex(5);
        QCOMPARE(ls->palette().color(QPalette::Text), normal);
        QCOMPARE(ls->toolTip(), ayuda);
    }

    void unaVentanaParaGuionesNoMuestraElAcercaDe() {
        escritorio->modales.clear();
        TMainFormBrovel sinCaja(false);
        QVERIFY(escritorio->modales.isEmpty());
        QCOMPARE(TituloMostrado(sinCaja), QStringLiteral("Brovel - Sin Nombre"));
    }

    void elPanelDeEstadoPintaLosErroresDeRojo() {
        TPanelEstado* panel = ventana->Panel1;
        const QColor normal = panel->palette().color(QPalette::Window);
        QCOMPARE(normal, QApplication::palette().color(QPalette::Button));
        panel->MostrarError(QStringLiteral("ERROR: porcentaje de arena debe ser menor"));
        QVERIFY(panel->EnError());
        QCOMPARE(panel->text(), QStringLiteral("ERROR: porcentaje de arena debe ser menor"));
        QCOMPARE(panel->palette().color(QPalette::Window), QColor(255, 0, 0));
        panel->MostrarOk();
        QVERIFY(!panel->EnError());
        QCOMPARE(panel->text(), QStringLiteral("OK"));
        QCOMPARE(panel->palette().color(QPalette::Window), normal);
    }

    void lasSietePestanasEnOrden() {
        QCOMPARE(
            Pestanas(ventana->PageControl),
            (QStringList{"Geometria=Geometría", "Suelo=Suelo", "tsForzantes=Forzantes", "Condicionantes=Condicionantes",
                         "Disipacion=Disipación", "tsErosion=Erosión", "Reporte=Reporte"}));
    }

    void losMenusConSusAccesosYAtajos() {
        QMenuBar* barra = ventana->menuBar();
        QCOMPARE(barra->actions().size(), 2);
        QCOMPARE(barra->actions().at(0)->text(), QStringLiteral("&Archivo"));
        QCOMPARE(barra->actions().at(1)->text(), QStringLiteral("A&yuda"));
        QCOMPARE(Entradas(barra, 0),
                 (QStringList{"&Nuevo [Ctrl+N]", "&Abrir [Ctrl+A]", "-", "&Guardar [Ctrl+G]", "G&uardar como...", "-",
                              "&Imprimir reporte [Ctrl+I]", "E&xportar reporte...", "-", "&Salir"}));
        QCOMPARE(Entradas(barra, 1), (QStringList{"&Notas...", "A&cerca de..."}));
    }

    void laVentanaDeEscorrentiaNaceOcultaYDeLaLadera() {
        TMainFormZumbrel* zumbrel = ventana->Zumbrel();
        QVERIFY(zumbrel);
        QCOMPARE(zumbrel->parent(), ventana.get());
        QVERIFY(!zumbrel->isVisible());
        QCOMPARE(zumbrel->windowTitle(), QStringLiteral("Zumbrel"));
        QCOMPARE(zumbrel->size(), QSize(1240, 600));
        QCOMPARE(Pestanas(zumbrel->PageControl),
                 (QStringList{"Geometria=Geometría", "Suelo=Suelo", "Forzantes=Forzantes",
                              "Condicionantes=Condicionantes", "Escorrentia=Escorrentía", "TabSheet1=Reporte"}));
        QCOMPARE(zumbrel->Panel1->text(), QStringLiteral("OK"));
        QMenuBar* barra = zumbrel->findChild<QMenuBar*>();
        QVERIFY(barra);
        QCOMPARE(Entradas(barra, 0),
                 (QStringList{"&Cargar", "&Grabar", "-", "Imprimir &Reporte", "E&xportar reporte...", "-", "&Salir"}));
        QCOMPARE(Entradas(barra, 1), (QStringList{"&Notas...", "A&cerca de..."}));
        for (QAction* activa :
             {zumbrel->Cargar, zumbrel->Grabar, zumbrel->ImprimirReporte, zumbrel->ExportarReporte, zumbrel->Salir})
            QVERIFY(activa->isEnabled());
        QCOMPARE(escritorio->modales, QStringList{"Acerca de Brovel"});
    }

    // The runoff window is built only when it is first needed. Built then, it shows
    // the storm handed to it, and what the person changes in it comes back to the
    // slope as it does from a window built at the start.
    void laVentanaDeEscorrentiaSeConstruyeCuandoSeLaNecesita() {
        QVERIFY(!ventana->ZumbrelConstruida());
        ventana->Forma().ElegirEnLista(TListaBrovel::cbCph4, 3);
        ventana->euPth3->SetText(QStringLiteral("20"));
        ventana->PageControl->setCurrentIndex(2);
        QVERIFY(!ventana->ZumbrelConstruida());

        int filas = 0;
        QString paso, lluvia;
        escritorio->alMostrarModal = [&](QDialog& dialogo) {
            auto* zumbrel = qobject_cast<TMainFormZumbrel*>(&dialogo);
            if (!zumbrel) return;
            filas = zumbrel->sgLlResultado->model()->rowCount();
            paso = zumbrel->euPtsd->text();
            lluvia = zumbrel->euAll->text();
            zumbrel->euAc->SetText(QStringLiteral("140.52"));
        };
        ventana->btUsarZumbrel2->click();
        QVERIFY(ventana->ZumbrelConstruida());
        QCOMPARE(escritorio->modales, (QStringList{"Acerca de Brovel", "Zumbrel"}));
        QCOMPARE(filas, 4);
        QCOMPARE(paso, QStringLiteral("20"));
        QCOMPARE(lluvia, ventana->euCll3->text());

        const TFormaZumbrel& z = ventana->Forma().Zumbrel;
        QCOMPARE(z.Estado.Ac, 140.52);
        QCOMPARE(ventana->Estado().Vp, z.Estado.Vte);
        QCOMPARE(ventana->Estado().Cp, z.Estado.Cp);
        QCOMPARE(ventana->euVeeResultado->text(), ventana->Zumbrel()->euVteResultado->text());
        QCOMPARE(ventana->Panel1->text(), QStringLiteral("OK"));
    }

    void abrirTambienConLaTeclaDelEscritorio() {
        QCOMPARE(ventana->Abrir->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+A")), QKeySequence(QKeySequence::Open)}));
    }

    // Inside a field Ctrl+A selects its text, as in any edit; Ctrl+O opens a project
    // and the window's other keys still act from there.
    void ctrlADentroDeUnCampoSeleccionaSuTexto() {
        auto* campo = new TUnidades(ventana->PageControl->widget(0), QStringLiteral("euLt"));
        campo->setGeometry(200, 40, 100, 24);
        campo->Cargado();
        ventana->show();
        QApplication::setActiveWindow(ventana.get());
        QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
        campo->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(campo->hasFocus());
        QTest::keyClicks(campo, "12");

        QTest::keyClick(campo, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(escritorio->filtrosPedidos, QStringList());
        QVERIFY(campo->hasSelectedText());
        QCOMPARE(campo->selectedText(), campo->text());

        QTest::keyClick(campo, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(escritorio->filtrosPedidos, QStringList{"Proyecto Brovel (*.bvx)"});

        QSignalSpy nuevo(ventana->Nuevo, &QAction::triggered);
        QTest::keyClick(campo, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(nuevo.count(), 1);
        QCOMPARE(TituloMostrado(*ventana), QStringLiteral("Brovel - Sin Nombre"));
    }

    void notasSinElDocumentoMuestraElError() {
        QDir(QFileInfo(RutaAyuda()).path()).removeRecursively();
        ventana->Notas->trigger();
        QCOMPARE(escritorio->errores, QStringList{ErrorAyuda()});
        QVERIFY2(escritorio->documentosAbiertos.isEmpty(), "no se pide abrir lo que no existe");
        QCOMPARE(escritorio->carpetasOfrecidas, QStringList{QString()});
        QCOMPARE(escritorio->duenosDeErrores.first(), ventana.get());
    }

    void notasAbreElDocumentoDeAyuda() {
        const DocumentoDeAyuda documento;
        ventana->Notas->trigger();
        QCOMPARE(escritorio->documentosAbiertos, QStringList{RutaAyuda()});
        QVERIFY(RutaAyuda().endsWith(QStringLiteral("/Ayuda/Ayuda Brovel y Zumbrel.pdf")));
        QVERIFY(escritorio->errores.isEmpty());
    }

    void notasSinProgramaQueLoAbraMuestraElError() {
        const DocumentoDeAyuda documento;
        escritorio->abrirFunciona = false;
        ventana->Zumbrel()->Notas->trigger();
        QCOMPARE(escritorio->errores, QStringList{ErrorAyuda()});
        QVERIFY(QFileInfo(RutaAyuda()).isAbsolute());
        QCOMPARE(escritorio->carpetasOfrecidas, QStringList{QFileInfo(RutaAyuda()).absolutePath()});
        QCOMPARE(escritorio->duenosDeErrores.first(), ventana->Zumbrel());
    }

    void acercaDeEnCadaVentana() {
        escritorio->modales.clear();
        ventana->AcercaDe->trigger();
        ventana->Zumbrel()->AcercaDe->trigger();
        QCOMPARE(escritorio->modales, (QStringList{"Acerca de Brovel", "Acerca de Zumbrel"}));
    }

private:
    std::unique_ptr<TEscritorioDePrueba> escritorio;
    std::unique_ptr<TMainFormBrovel> ventana;
};

QTEST_MAIN(PruebaVentanas)
#include "Ventanas_test.moc"
