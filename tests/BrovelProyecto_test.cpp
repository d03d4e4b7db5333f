// The slope window's side of the project: the file dialogs, the menu and its
// shortcuts reaching the form, the caption, the error box of a failed save, and
// the widgets showing the project opened. What the file holds and how it is
// read and written is the form's, tested without widgets.
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

#include "VentanaBrovel.h"

namespace {

QByteArray Contenido(const QString& ruta) {
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

void Escribir(const QString& ruta, const QByteArray& texto) {
    QFile archivo(ruta);
    QVERIFY(archivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
    archivo.write(texto);
}

// What a control shows, in one line: a field its text, a list its entry and how
// many it has, a button whether it is checked; and whether it is shown at all.
QString Muestra(const QWidget* control) {
    QString texto;
    if (const auto* campo = qobject_cast<const TUnidades*>(control))
        texto = campo->text();
    else if (const auto* lista = qobject_cast<const QComboBox*>(control))
        texto = QStringLiteral("%1 de %2").arg(lista->currentText()).arg(lista->count());
    else if (const auto* boton = qobject_cast<const QAbstractButton*>(control))
        texto = boton->isChecked() ? QStringLiteral("marcado") : QStringLiteral("sin marcar");
    return TMainFormBrovel::Visible(control) ? texto : texto + QStringLiteral(" (oculto)");
}

}  // namespace

class PruebaBrovelProyecto : public QObject {
    Q_OBJECT

private slots:
    void init() {
        carpeta = std::make_unique<QTemporaryDir>();
        QVERIFY(carpeta->isValid());
        escritorio = std::make_unique<TEscritorioDePrueba>();
        ventana = std::make_unique<TMainFormBrovel>(false);
    }
    void cleanup() {
        ventana.reset();
        escritorio.reset();
    }

    // Each command that needs a file asks for a Brovel project, starting beside
    // the program (its build folder, where it may write).
    void losDialogosPidenUnProyectoBrovel_data() {
        QTest::addColumn<QString>("accion");
        QTest::addColumn<QString>("dialogo");
        // clang-format off
        QTest::newRow("Abrir") << "Abrir" << "abrir";
        QTest::newRow("Guardar como") << "GuardarComo" << "guardar";
        QTest::newRow("Guardar un proyecto nuevo") << "Guardar" << "guardar";
        // clang-format on
    }
    void losDialogosPidenUnProyectoBrovel() {
        QFETCH(QString, accion);
        QFETCH(QString, dialogo);
        auto* comando = ventana->findChild<QAction*>(accion);
        QVERIFY(comando);
        comando->trigger();
        QCOMPARE(escritorio->dialogosDeArchivo, QStringList{dialogo});
        QCOMPARE(escritorio->filtrosPedidos, QStringList{"Proyecto Brovel (*.bvx)"});
        QCOMPARE(escritorio->sufijosPedidos, QStringList{"bvx"});
        QCOMPARE(escritorio->carpetasPedidas, QStringList{QApplication::applicationDirPath()});
        // Cancelled: nothing else happens.
        QCOMPARE(TituloMostrado(*ventana), QStringLiteral("Brovel - Sin Nombre"));
        QCOMPARE(escritorio->errores, QStringList());
    }

    // While the program runs, a file dialog starts in the folder the previous one
    // chose, whichever command it was for; a cancelled one changes nothing.
    void elDialogoEmpiezaDondeTerminoElAnterior_data() {
        QTest::addColumn<QString>("primero");
        QTest::addColumn<bool>("elegido");
        QTest::addColumn<QString>("segundo");
        QTest::newRow("Abrir y Abrir") << "Abrir" << true << "Abrir";
        QTest::newRow("Abrir y Guardar como") << "Abrir" << true << "GuardarComo";
        QTest::newRow("Guardar como y Abrir") << "GuardarComo" << true << "Abrir";
        QTest::newRow("Guardar como y Guardar como") << "GuardarComo" << true << "GuardarComo";
        QTest::newRow("Abrir cancelado y Abrir") << "Abrir" << false << "Abrir";
        QTest::newRow("Guardar como cancelado y Abrir") << "GuardarComo" << false << "Abrir";
    }
    void elDialogoEmpiezaDondeTerminoElAnterior() {
        QFETCH(QString, primero);
        QFETCH(bool, elegido);
        QFETCH(QString, segundo);
        QVERIFY(QDir(carpeta->path()).mkpath(QStringLiteral("proyectos")));
        const QString otraCarpeta = carpeta->filePath(QStringLiteral("proyectos"));
        const QString ruta = QDir(otraCarpeta).filePath(QStringLiteral("ladera.bvx"));
        Escribir(ruta, "[Geometria]\r\nDeclive=9\r\n");
        if (elegido) escritorio->archivosElegidos << ruta;

        ventana->findChild<QAction*>(primero)->trigger();
        ventana->findChild<QAction*>(segundo)->trigger();
        const QString inicial = QApplication::applicationDirPath();
        QCOMPARE(escritorio->carpetasPedidas, (QStringList{inicial, elegido ? otraCarpeta : inicial}));
        QCOMPARE(escritorio->errores, QStringList());
    }

    // The File menu holds the commands, and they, by the menu or by their
    // shortcuts, reach the form.
    void elMenuYSusAtajosLleganALaForma() {
        const QList<QAction*> menus = ventana->menuBar()->actions();
        QVERIFY(!menus.isEmpty() && menus[0]->menu());
        QStringList comandos;
        for (const QAction* comando : menus[0]->menu()->actions())
            if (!comando->isSeparator()) comandos << comando->objectName() + " " + comando->shortcut().toString();
        QCOMPARE(comandos, (QStringList{"Nuevo Ctrl+N", "Abrir Ctrl+A", "Guardar Ctrl+G", "GuardarComo ",
                                        "ImprimirReporte Ctrl+I", "ExportarReporte ", "Salir "}));

        ventana->show();
        QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
        const QString ruta = carpeta->filePath("atajos.bvx");
        Escribir(ruta, "[Geometria]\r\nDeclive=9\r\n");
        escritorio->archivosElegidos << ruta;
        QTest::keySequence(ventana.get(), QKeySequence(QStringLiteral("Ctrl+A")));
        QCOMPARE(escritorio->dialogosDeArchivo, QStringList{"abrir"});
        QCOMPARE(QString::fromStdString(ventana->Forma().RutaProyecto), ruta);
        QCOMPARE(ventana->euDt->text(), QStringLiteral("9"));

        ventana->Forma().euDt.SetBaseValue(4);
        QTest::keySequence(ventana.get(), QKeySequence(QStringLiteral("Ctrl+G")));
        QVERIFY(Contenido(ruta).contains("\r\nDeclive=4\r\n"));

        QTest::keySequence(ventana.get(), QKeySequence(QStringLiteral("Ctrl+N")));
        QVERIFY(ventana->Forma().RutaProyecto.empty());
        QCOMPARE(ventana->euDt->text(), QStringLiteral("6"));
        QCOMPARE(escritorio->dialogosDeArchivo.size(), 1);
        QCOMPARE(escritorio->errores, QStringList());
    }

    // The caption is the form's, after every command.
    void elTituloSigueALaForma() {
        QCOMPARE(TituloMostrado(*ventana), QStringLiteral("Brovel - Sin Nombre"));
        const QString ruta = carpeta->filePath("ladera.bvx");
        escritorio->archivosElegidos << ruta;
        ventana->GuardarComo->trigger();
        QCOMPARE(TituloMostrado(*ventana), QStringLiteral("Brovel - ladera"));
        ventana->Nuevo->trigger();
        QCOMPARE(TituloMostrado(*ventana), QStringLiteral("Brovel - Sin Nombre"));
        escritorio->archivosElegidos << ruta;
        ventana->Abrir->trigger();
        QCOMPARE(TituloMostrado(*ventana), QStringLiteral("Brovel - ladera"));
        QCOMPARE(ventana->windowTitle(), QString::fromStdString(ventana->Forma().Titulo()) + "[*]");
    }

    // The title marks a project with unsaved changes, until it is saved.
    void elTituloMarcaLosCambiosSinGuardar() {
        QVERIFY(ventana->windowTitle().endsWith(QStringLiteral("[*]")));
        QVERIFY(!ventana->isWindowModified());
        ventana->Forma().euLt.SetBaseValue(77);
        QVERIFY(ventana->isWindowModified());
        QCOMPARE(TituloMostrado(*ventana), QStringLiteral("Brovel - Sin Nombre*"));
        escritorio->archivosElegidos << carpeta->filePath("marcada.bvx");
        ventana->GuardarComo->trigger();
        QVERIFY(!ventana->isWindowModified());
        QCOMPARE(TituloMostrado(*ventana), QStringLiteral("Brovel - marcada"));
        ventana->Forma().euLt.SetBaseValue(78);
        QCOMPARE(TituloMostrado(*ventana), QStringLiteral("Brovel - marcada*"));
        ventana->Nuevo->trigger();
        QCOMPARE(TituloMostrado(*ventana), QStringLiteral("Brovel - Sin Nombre"));
    }

    // A save that cannot be done tells the user why, in the window's error box.
    void unGuardadoFallidoMuestraElError() {
        const QString perdida = carpeta->filePath("no/existe/ladera.bvx");
        escritorio->archivosElegidos << perdida;
        ventana->GuardarComo->trigger();
        QCOMPARE(escritorio->errores.size(), 1);
        QVERIFY(escritorio->errores[0].contains(perdida));
        QVERIFY(escritorio->errores[0].contains(QStringLiteral("No existe el archivo o la carpeta")));
        QCOMPARE(escritorio->duenosDeErrores, QList<QWidget*>{ventana.get()});
        QCOMPARE(ventana->windowTitle(), QString::fromStdString(ventana->Forma().Titulo()) + "[*]");
    }

    // Opening a project through the dialog updates the widgets of every tab:
    // fields, options, check boxes, lists and which of them are shown.
    void losControlesMuestranElProyectoAbierto_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("muestra");
        // clang-format off
        QTest::newRow("pendiente") << "euDt" << "9.5";
        QTest::newRow("longitud") << "euLt" << "42";
        QTest::newRow("clase y textura") << "rbCyT" << "marcado";
        QTest::newRow("curva, ya no") << "rbCrr" << "sin marcar";
        QTest::newRow("puntos de la curva") << "euCpcg" << "9 (oculto)";
        QTest::newRow("limos") << "euPl" << "45";
        QTest::newRow("clase de estructura") << "cbCspe" << "Grano medio (2-5 mm) y grano grueso (5-10 mm) de 4";
        QTest::newRow("clase de permeabilidad") << "cbCspp" << "Lenta (20-60 mm/h) de 6";
        QTest::newRow("descongelamiento") << "cbD" << "marcado";
        QTest::newRow("serie de hietogramas") << "rbSh" << "marcado";
        QTest::newRow("hietogramas de la serie") << "cbCh" << "3 de 20";
        QTest::newRow("hietograma elegido") << "cbHn" << "1 de 3";
        QTest::newRow("pasos de la serie") << "cbCph2" << "4 de 20";
        QTest::newRow("paso elegido") << "cbPhn2" << "1 de 4";
        QTest::newRow("lluvia del paso elegido") << "euCll1" << "2.5";
        QTest::newRow("hietograma representativo, oculto") << "pHr" << " (oculto)";
        QTest::newRow("escorrentía dada") << "rbCe" << "marcado";
        QTest::newRow("escorrentía") << "euCe" << "48.5";
        QTest::newRow("mulching") << "cbHm" << "sin marcar";
        QTest::newRow("peso del residuo") << "euPsrua" << "1065 (oculto)";
        QTest::newRow("práctica") << "cbTp" << "Campos de pastoreo de 4";
        QTest::newRow("tiempo perturbado") << "euTfp" << "6";
        QTest::newRow("índice de rugosidad") << "euIrst" << "2.3";
        QTest::newRow("altura de los lomos, oculta") << "euAl" << "6 (oculto)";
        // clang-format on
    }
    void losControlesMuestranElProyectoAbierto() {
        QFETCH(QString, control);
        QFETCH(QString, muestra);
        const QString ruta = carpeta->filePath("abierto.bvx");
        Escribir(ruta,
                 "[Geometria]\r\nDeclive=9.5\r\nLongitud=42\r\n"
                 "[Suelo]\r\nOpcion=3\r\nClase_estr=2\r\nP_limos=45\r\nClase_perm=4\r\nDescongelamiento=1\r\n"
                 "[Forzantes]\r\nOpcion=2\r\nCantidad_hieto=3\r\nPasos_hieto=4\r\ncant_lluvia_1_1=2.5\r\n"
                 "Opcion2=2\r\nCantidad_escorrentia=48.5\r\n"
                 "[Condicionantes]\r\nMulching=0\r\nTipo_practica=3\r\nTiempo_perturbado=6\r\n"
                 "[Disipacion]\r\nIndice_rugosidad=2.3\r\n");
        escritorio->archivosElegidos << ruta;
        ventana->Abrir->trigger();
        QCOMPARE(TituloMostrado(*ventana), QStringLiteral("Brovel - abierto"));
        const QWidget* widget = Control(*ventana, control);
        QVERIFY2(widget, qPrintable(control));
        QCOMPARE(Muestra(widget), muestra);
        QCOMPARE(ventana->Panel1->text(), kOk);
        QCOMPARE(escritorio->errores, QStringList());
    }

private:
    std::unique_ptr<QTemporaryDir> carpeta;
    std::unique_ptr<TEscritorioDePrueba> escritorio;
    std::unique_ptr<TMainFormBrovel> ventana;
};

QTEST_MAIN(PruebaBrovelProyecto)
#include "BrovelProyecto_test.moc"
