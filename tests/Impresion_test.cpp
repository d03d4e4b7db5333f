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
#include <QTemporaryDir>
#include <QTextEdit>

#include <memory>

#include "EscritorioDePrueba.h"
#include "VentanaConReportes.h"
#include "ui/windows/MainBrovel.h"
#include "ui/windows/MainZumbrel.h"
#include "ui/windows/PanelEstado.h"
#include "ui/windows/PanelReporte.h"

using namespace brovel;

namespace {

// Where the PDF printer leaves each job: $HOME/PDF.
QDir CarpetaDeTrabajos() { return QDir(QDir::homePath() + QStringLiteral("/PDF")); }

// The first PDF job named after `titulo` that appeared after `desde`, waiting for
// it a while; empty when none came.
QString RutaDelTrabajo(const QString& titulo, const QDateTime& desde) {
    for (int intento = 0; intento < 120; ++intento) {
        const QFileInfoList trabajos = CarpetaDeTrabajos().entryInfoList({QStringLiteral("*.pdf")}, QDir::Files);
        for (const QFileInfo& trabajo : trabajos) {
            if (!trabajo.fileName().contains(titulo) || trabajo.lastModified() < desde) continue;
            QTest::qWait(500);  // the printer may still be writing it
            return trabajo.absoluteFilePath();
        }
        QTest::qWait(500);
    }
    return {};
}

int Paginas(const QString& pdf) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    if (!info.waitForFinished(30000)) return -1;
    for (const QString& linea : QString::fromUtf8(info.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (linea.startsWith(QStringLiteral("Pages:"))) return linea.mid(6).trimmed().toInt();
    return -1;
}

QString Texto(const QString& pdf) {
    QProcess texto;
    texto.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!texto.waitForFinished(30000) || texto.exitCode() != 0) return {};
    return QString::fromUtf8(texto.readAllStandardOutput());
}

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
            QSKIP(
                "No hay un servidor de impresión con impresora predeterminada (scripts/servidor-impresion.sh lo "
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
        const QString trabajo = EsperarTrabajo(QStringLiteral("Brovel_-_Sin_Nombre"), desde);
        QVERIFY2(!trabajo.isEmpty(), "La impresora no dejó ningún trabajo «Brovel - Sin Nombre» en ~/PDF");
        QVERIFY2(trabajo.contains(QStringLiteral("Tasa de Erosión (A)")), qPrintable(trabajo));
        QVERIFY2(trabajo.contains(a), qPrintable(a));
    }

    // The printout is the exported PDF: the same pages, each with its footer, the
    // plots last; and the status panel says where it went.
    void laImpresionEsElMismoDocumentoQueElPdf_data() {
        QTest::addColumn<bool>("escorrentia");
        QTest::newRow("ladera") << false;
        QTest::newRow("escorrentía") << true;
    }

    void laImpresionEsElMismoDocumentoQueElPdf() {
        QFETCH(bool, escorrentia);
        QWidget* vista = escorrentia ? static_cast<QWidget*>(ventana->Zumbrel()) : ventana.get();
        QTabWidget* pestanas = escorrentia ? ventana->Zumbrel()->PageControl : ventana->PageControl;
        pestanas->setCurrentIndex(pestanas->count() - 1);
        const QTemporaryDir carpeta;
        const QString exportado = carpeta.filePath(QStringLiteral("exportado.pdf"));
        escritorio->archivosElegidos << exportado;
        vista->findChild<QAction*>(QStringLiteral("ExportarReporte"))->trigger();
        QCOMPARE(escritorio->errores, QStringList());
        const int paginas = Paginas(exportado);
        QVERIFY(paginas >= 2);

        const QDateTime desde = QDateTime::currentDateTime().addSecs(-1);
        vista->findChild<QAction*>(escorrentia ? QStringLiteral("ImprimirReporte1") : QStringLiteral("ImprimirReporte"))
            ->trigger();
        QCOMPARE(escritorio->errores, QStringList());
        const QString nombre =
            escorrentia ? QStringLiteral("Zumbrel_-_Sin_Nombre") : QStringLiteral("Brovel_-_Sin_Nombre");
        const QString impreso = RutaDelTrabajo(nombre, desde);
        QVERIFY2(!impreso.isEmpty(), qPrintable(QStringLiteral("La impresora no dejó ningún trabajo ") + nombre));
        QCOMPARE(Paginas(impreso), paginas);
        const QString texto = Texto(impreso);
        for (int pagina = 1; pagina <= paginas; ++pagina)
            QVERIFY2(texto.contains(QStringLiteral("Página %1 de %2").arg(pagina).arg(paginas)), qPrintable(texto));
        QVERIFY(
            texto.contains(escorrentia ? QStringLiteral("Reporte de Zumbrel") : QStringLiteral("Reporte de Brovel")));
        const QString impresora = QPrinterInfo::defaultPrinter().printerName();
        TPanelEstado* panel = escorrentia ? ventana->Zumbrel()->Panel1 : ventana->Panel1;
        QCOMPARE(panel->text(), QStringLiteral("Reporte enviado a la impresora «%1»").arg(impresora));
        QVERIFY(!panel->EnError());
    }

    void elReporteDeZumbrelLlegaConSuTitulo() {
        TMainFormZumbrel* zumbrel = ventana->Zumbrel();
        zumbrel->PageControl->setCurrentIndex(5);
        const QDateTime desde = QDateTime::currentDateTime().addSecs(-1);
        zumbrel->findChild<QAction*>(QStringLiteral("ImprimirReporte1"))->trigger();
        QCOMPARE(escritorio->errores, QStringList());
        const QString trabajo = EsperarTrabajo(QStringLiteral("Zumbrel_-_Sin_Nombre"), desde);
        QVERIFY2(!trabajo.isEmpty(), "La impresora no dejó ningún trabajo «Zumbrel - Sin Nombre» en ~/PDF");
        QVERIFY2(trabajo.contains(QStringLiteral("Tiempo de Concentración de la Cuenca")), qPrintable(trabajo));
    }

private:
    std::unique_ptr<TEscritorioDePrueba> escritorio;
    std::unique_ptr<TMainFormBrovel> ventana;
};

QTEST_MAIN(PruebaImpresion)
#include "Impresion_test.moc"
