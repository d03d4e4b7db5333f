// `brovel [PROYECTO]`: what the arguments ask for, the project opened once the
// window is up, and the program refusing arguments it does not understand.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "EscritorioDePrueba.h"
#include "app/LineaDeOrdenes.h"
#include "ui/windows/MainBrovel.h"

using namespace brovel;

Q_DECLARE_METATYPE(TLineaDeOrdenes::TPedido)

namespace {

struct TSalida {
    int estado;
    QString salida;
    QString errores;
};

TSalida EjecutarBrovel(const QStringList& argumentos, const QProcessEnvironment& entorno) {
    QProcess proceso;
    proceso.setProcessEnvironment(entorno);
    proceso.start(QStringLiteral(BROVEL), argumentos);
    if (!proceso.waitForFinished(30000)) {
        proceso.kill();
        proceso.waitForFinished();
        return {-1, {}, {}};
    }
    return {proceso.exitCode(), QString::fromUtf8(proceso.readAllStandardOutput()),
            QString::fromUtf8(proceso.readAllStandardError())};
}

}  // namespace

class PruebaLineaDeOrdenes : public QObject {
    Q_OBJECT

private slots:
    void init() {
        carpeta = std::make_unique<QTemporaryDir>();
        QVERIFY(carpeta->isValid());
        escritorio = std::make_unique<TEscritorioDePrueba>();
        ventana = std::make_unique<TMainFormBrovel>(false);
        inicial = QDir::currentPath();
    }
    void cleanup() {
        QDir::setCurrent(inicial);
        ventana.reset();
        escritorio.reset();
    }

    void leeLosArgumentos_data() {
        using P = TLineaDeOrdenes::TPedido;
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<P>("pedido");
        QTest::addColumn<QString>("proyecto");
        QTest::addColumn<QString>("error");
        // clang-format off
        QTest::newRow("nada") << QStringList{} << P::Arrancar << "" << "";
        QTest::newRow("un proyecto") << QStringList{"ladera.bvx"} << P::Arrancar << "ladera.bvx" << "";
        QTest::newRow("una ruta con espacios") << QStringList{"/a b/mi ladera.bvx"} << P::Arrancar
                                               << "/a b/mi ladera.bvx" << "";
        QTest::newRow("--help") << QStringList{"--help"} << P::Uso << "" << "";
        QTest::newRow("-h") << QStringList{"-h"} << P::Uso << "" << "";
        QTest::newRow("ayuda después de un proyecto") << QStringList{"ladera.bvx", "--help"} << P::Uso << "" << "";
        QTest::newRow("ayuda entre errores") << QStringList{"-x", "a", "b", "-h"} << P::Uso << "" << "";
        QTest::newRow("un nombre con guion tras --") << QStringList{"--", "-ladera.bvx"} << P::Arrancar
                                                     << "-ladera.bvx" << "";
        QTest::newRow("--help tras --") << QStringList{"--", "--help"} << P::Arrancar << "--help" << "";
        QTest::newRow("solo --") << QStringList{"--"} << P::Arrancar << "" << "";
        QTest::newRow("dos proyectos") << QStringList{"a.bvx", "b.bvx"} << P::Error << ""
                                       << "se abre un proyecto por vez, y se nombraron 2: «a.bvx», «b.bvx»";
        QTest::newRow("dos proyectos tras --") << QStringList{"a.bvx", "--", "b.bvx"} << P::Error << ""
                                               << "se abre un proyecto por vez, y se nombraron 2: «a.bvx», «b.bvx»";
        QTest::newRow("una opción desconocida") << QStringList{"--nuevo"} << P::Error << ""
                                                << "opción desconocida: «--nuevo»";
        QTest::newRow("la primera opción desconocida")
            << QStringList{"a.bvx", "-v", "-w"} << P::Error << "" << "opción desconocida: «-v»";
        QTest::newRow("un guion solo") << QStringList{"-"} << P::Error << "" << "opción desconocida: «-»";
        QTest::newRow("un nombre vacío") << QStringList{""} << P::Error << "" << "el nombre del proyecto está vacío";
        // clang-format on
    }
    void leeLosArgumentos() {
        QFETCH(QStringList, argumentos);
        QFETCH(TLineaDeOrdenes::TPedido, pedido);
        QFETCH(QString, proyecto);
        QFETCH(QString, error);
        const TLineaDeOrdenes leida = LeerLineaDeOrdenes(argumentos);
        QCOMPARE(leida.pedido, pedido);
        QCOMPARE(leida.proyecto, proyecto);
        QCOMPARE(leida.error, error);
    }

    // The project opens once the window is shown, as Abrir opens it: the caption
    // names it, its path is whole whatever folder the program started in, and the
    // next file dialog starts in its folder. One that is no project's file is
    // shown in the window's error box, and the new project stays.
    void abreElProyectoConLaVentanaYaMostrada_data() {
        QTest::addColumn<QString>("nombrado");  // "@" stands for the test's folder
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("ruta");   // of the project opened
        QTest::addColumn<QString>("error");  // how the error box begins
        // clang-format off
        QTest::newRow("sin proyecto") << "" << "Brovel - Sin Nombre" << "" << "";
        QTest::newRow("una ruta completa") << "@/ladera.bvx" << "Brovel - ladera" << "@/ladera.bvx" << "";
        QTest::newRow("un nombre en la carpeta de partida") << "ladera.bvx" << "Brovel - ladera" << "@/ladera.bvx"
                                                            << "";
        QTest::newRow("una ruta relativa") << "sub/../ladera.bvx" << "Brovel - ladera" << "@/ladera.bvx" << "";
        QTest::newRow("un nombre con espacios") << "@/mi ladera.v2.bvx" << "Brovel - mi ladera.v2"
                                                << "@/mi ladera.v2.bvx" << "";
        QTest::newRow("un proyecto que no existe") << "@/otra.bvx" << "Brovel - Sin Nombre" << ""
                                                   << "No se pudo abrir \"@/otra.bvx\": ";
        QTest::newRow("una carpeta") << "@/sub" << "Brovel - Sin Nombre" << "" << "No se pudo abrir \"@/sub\": ";
        // clang-format on
    }
    void abreElProyectoConLaVentanaYaMostrada() {
        QFETCH(QString, nombrado);
        QFETCH(QString, titulo);
        QFETCH(QString, ruta);
        QFETCH(QString, error);
        const QString raiz = QFileInfo(carpeta->path()).canonicalFilePath();
        const auto enCarpeta = [&](QString texto) { return texto.replace(QLatin1Char('@'), raiz); };
        QVERIFY(QDir(raiz).mkpath(QStringLiteral("sub")));
        for (const char* nombre : {"ladera.bvx", "mi ladera.v2.bvx"}) {
            QFile archivo(QDir(raiz).filePath(QString::fromUtf8(nombre)));
            QVERIFY(archivo.open(QIODevice::WriteOnly));
            archivo.write("[Geometria]\r\nDeclive=9\r\n");
        }
        QVERIFY(QDir::setCurrent(raiz));

        MostrarAlArrancar(*ventana, enCarpeta(nombrado));
        QVERIFY(ventana->isVisible());
        QCOMPARE(TituloMostrado(*ventana), QStringLiteral("Brovel - Sin Nombre"));
        QVERIFY(escritorio->errores.isEmpty());
        const qsizetype errores = error.isEmpty() ? 0 : 1;
        QTRY_VERIFY(TituloMostrado(*ventana) == titulo && escritorio->errores.size() == errores);
        QCOMPARE(QString::fromStdString(ventana->Forma().RutaProyecto), enCarpeta(ruta));
        QCOMPARE(ventana->Forma().Estado.Dt, ruta.isEmpty() ? 6.0 : 9.0);
        if (error.isEmpty()) {
            QCOMPARE(escritorio->errores, QStringList());
        } else {
            QCOMPARE(escritorio->errores.size(), 1);
            QVERIFY2(escritorio->errores[0].startsWith(enCarpeta(error)), qPrintable(escritorio->errores[0]));
            QCOMPARE(escritorio->duenosDeErrores, QList<QWidget*>{ventana.get()});
        }
        ventana->Abrir->trigger();
        QCOMPARE(escritorio->carpetasPedidas, QStringList{ruta.isEmpty() ? QApplication::applicationDirPath() : raiz});
        QVERIFY(!ventana->Forma().Modificado());
    }

    // Refused arguments end the program before any window, with one line on the
    // error output; the usage needs no display. Qt's own options are Qt's.
    void elProgramaRechazaLoQueNoEntiende_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<bool>("conPantalla");
        QTest::addColumn<int>("estado");
        QTest::addColumn<QString>("salida");
        QTest::addColumn<QString>("errores");
        const QString uso = QString::fromUtf8(kUsoDeBrovel);
        QTest::newRow("--help") << QStringList{"--help"} << true << 0 << uso << "";
        QTest::newRow("--help sin pantalla") << QStringList{"--help"} << false << 0 << uso << "";
        QTest::newRow("dos proyectos")
            << QStringList{"a.bvx", "b.bvx"} << true << 2 << ""
            << "brovel: se abre un proyecto por vez, y se nombraron 2: «a.bvx», «b.bvx» (pruebe «brovel --help»)\n";
        QTest::newRow("dos proyectos y opciones de Qt")
            << QStringList{"-style", "fusion", "a.bvx", "b.bvx"} << true << 2 << ""
            << "brovel: se abre un proyecto por vez, y se nombraron 2: «a.bvx», «b.bvx» (pruebe «brovel --help»)\n";
        QTest::newRow("una opción desconocida") << QStringList{"--version"} << true << 2 << ""
                                                << "brovel: opción desconocida: «--version» (pruebe «brovel --help»)\n";
        QTest::newRow("un nombre con ESC y salto de línea")
            << QStringList{"a.bvx", "\x1b[2J\nb.bvx"} << true << 2 << ""
            << "brovel: se abre un proyecto por vez, y se nombraron 2: «a.bvx», «\\x1B[2J\\x0Ab.bvx» (pruebe «brovel "
               "--help»)\n";
        QTest::newRow("una opción con ESC") << QStringList{"-\x1b"} << true << 2 << ""
                                            << "brovel: opción desconocida: «-\\x1B» (pruebe «brovel --help»)\n";
        QTest::newRow("sin pantalla")
            << QStringList{"a.bvx"} << false << 1 << ""
            << "Brovel necesita un escritorio gráfico y no hay ninguno (DISPLAY está vacío).\n";
    }
    void elProgramaRechazaLoQueNoEntiende() {
        QFETCH(QStringList, argumentos);
        QFETCH(bool, conPantalla);
        QFETCH(int, estado);
        QFETCH(QString, salida);
        QFETCH(QString, errores);
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        if (!conPantalla)
            for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                entorno.remove(QString::fromLatin1(variable));
        else
            entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        const TSalida r = EjecutarBrovel(argumentos, entorno);
        QCOMPARE(r.estado, estado);
        QCOMPARE(r.salida, salida);
        QCOMPARE(r.errores, errores);
    }

private:
    std::unique_ptr<QTemporaryDir> carpeta;
    std::unique_ptr<TEscritorioDePrueba> escritorio;
    std::unique_ptr<TMainFormBrovel> ventana;
    QString inicial;
};

QTEST_MAIN(PruebaLineaDeOrdenes)
#include "LineaDeOrdenes_test.moc"
