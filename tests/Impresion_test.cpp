// Printing end to end: the report goes to the default printer of a real print
// server (CUPS with its PDF printer), and the job that comes out holds what the
// view shows. Without such a server the tests say so and are skipped.
#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

#include <memory>

#include "EscritorioDePrueba.h"
#include "VentanaConReportes.h"
#include "ui/windows/MainBrovel.h"
#include "ui/windows/MainZumbrel.h"
#include "ui/windows/PanelReporte.h"

using namespace brovel;

namespace {

// Where the PDF printer leaves each job: $HOME/PDF.
QDir CarpetaDeTrabajos() { return QDir(QDir::homePath() + QStringLiteral("/PDF")); }

// The text of the first PDF job named after `titulo` that appeared after `desde`,
// waiting for it a while; empty when none came.
QString EsperarTrabajo(const QString& titulo, const QDateTime& desde) {
    for (int intento = 0; intento < 120; ++intento) {
        const QFileInfoList trabajos = CarpetaDeTrabajos().entryInfoList({QStringLiteral("*.pdf")}, QDir::Files);
        for (const QFileInfo& trabajo : trabajos) {
            if (!trabajo.fileName().contains(titulo) || trabajo.lastModified() < desde) continue;
            QTest::qWait(500);  // the printer may still be writing it
            QProcess texto;
            texto.start(QStringLiteral("pdftotext"), {trabajo.absoluteFilePath(), QStringLiteral("-")});
            if (texto.waitForFinished(30000) && texto.exitCode() == 0)
                return QString::fromUtf8(texto.readAllStandardOutput());
        }
        QTest::qWait(500);
    }
    return {};
}

}  // namespace

class PruebaImpresion : public QObject {
    Q_OBJECT

private slots:
    void init() {
        if (QPrinterInfo::defaultPrinter().isNull())
            QSKIP("No hay un servidor de impresión con impresora predeterminada (scripts/servidor-impresion.sh lo "
                  "prepara como root)");
        escritorio = std::make_unique<TEscritorioDePrueba>();
        ventana = VentanaConReportes();
    }
    void cleanup() {
        ventana.reset();
        escritorio.reset();
    }

    void elReporteDeLaLaderaLlegaALaImpresora() {
        ventana->PageControl->setCurrentIndex(6);
        const QString a = ventana->Forma().euTeEResultado.Text().c_str();
        QVERIFY(ventana->Reporte->Vista()->toPlainText().contains(QStringLiteral("Tasa de Erosión (A) ") + a));
        const QDateTime desde = QDateTime::currentDateTime().addSecs(-1);
        ventana->findChild<QAction*>(QStringLiteral("ImprimirReporte"))->trigger();
        QCOMPARE(escritorio->errores, QStringList());
        const QString trabajo = EsperarTrabajo(QStringLiteral("Brovel"), desde);
        QVERIFY2(!trabajo.isEmpty(), "La impresora no dejó ningún trabajo «Brovel» en ~/PDF");
        QVERIFY2(trabajo.contains(QStringLiteral("Tasa de Erosión (A)")), qPrintable(trabajo));
        QVERIFY2(trabajo.contains(a), qPrintable(a));
    }

    void elReporteDeZumbrelLlegaConSuTitulo() {
        TMainFormZumbrel* zumbrel = ventana->Zumbrel;
        zumbrel->PageControl->setCurrentIndex(5);
        const QDateTime desde = QDateTime::currentDateTime().addSecs(-1);
        zumbrel->findChild<QAction*>(QStringLiteral("ImprimirReporte1"))->trigger();
        QCOMPARE(escritorio->errores, QStringList());
        const QString trabajo = EsperarTrabajo(QStringLiteral("Impresion_de_Zumbrel"), desde);
        QVERIFY2(!trabajo.isEmpty(), "La impresora no dejó ningún trabajo «Impresion de Zumbrel» en ~/PDF");
        QVERIFY2(trabajo.contains(QStringLiteral("Tiempo de Concentración de la Cuenca")), qPrintable(trabajo));
    }

private:
    std::unique_ptr<TEscritorioDePrueba> escritorio;
    std::unique_ptr<TMainFormBrovel> ventana;
};

QTEST_MAIN(PruebaImpresion)
#include "Impresion_test.moc"
