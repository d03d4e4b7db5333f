// The "Reporte" tabs of both windows: when the report is built and what the view
// then holds, a template that cannot be read, the pending data error that keeps the
// last report, printing without a printer, and exporting as PDF or RTF.
#include <QAction>
#include <QFile>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <memory>

#include "EscritorioDePrueba.h"
#include "VentanaConReportes.h"
#include "ui/fields/Unidades.h"
#include "ui/windows/MainBrovel.h"
#include "ui/windows/MainZumbrel.h"
#include "ui/windows/PanelReporte.h"

using namespace brovel;

namespace {

constexpr int kReporteBrovel = 6;
constexpr int kReporteZumbrel = 5;

QString Texto(const TPanelReporte* panel) { return panel->Vista()->toPlainText(); }

QByteArray Leer(const QString& ruta) {
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

}  // namespace

class PruebaReportes : public QObject {
    Q_OBJECT

private slots:
    void init() {
        carpeta = std::make_unique<QTemporaryDir>();
        escritorio = std::make_unique<TEscritorioDePrueba>();
        ventana = VentanaConReportes();
    }
    void cleanup() {
        ventana.reset();
        escritorio.reset();
    }

    void elReporteSeConstruyeAlMostrarSuPestana() {
        QVERIFY(Texto(ventana->Reporte).isEmpty());
        ventana->PageControl->setCurrentIndex(kReporteBrovel);
        const QString texto = Texto(ventana->Reporte);
        QVERIFY2(texto.contains(QStringLiteral("Tasa de Erosión (A) 9.35051 ton/ha/año")), qPrintable(texto));
        QVERIFY(texto.contains(QStringLiteral("Producción de Sedimentos (T) 125.418 ton")));
        QVERIFY(!texto.contains(QStringLiteral("[$")));
        QVERIFY(ventana->Reporte->Vista()->isReadOnly());
        QVERIFY(escritorio->errores.isEmpty());
        // Rebuilt when shown again, with what changed on other tabs.
        ventana->PageControl->setCurrentIndex(0);
        ventana->Forma().euLt.CambiarUnidad(1);
        ventana->PageControl->setCurrentIndex(kReporteBrovel);
        QVERIFY(Texto(ventana->Reporte).contains(QStringLiteral("0.06 km")));
    }

    void unErrorDeDatosPendienteDejaElReporteAnterior() {
        ventana->PageControl->setCurrentIndex(kReporteBrovel);
        const QString antes = Texto(ventana->Reporte);
        ventana->PageControl->setCurrentIndex(0);
        ventana->Forma().RecalculoSuspendido = true;
        ventana->euLt->SetBaseValue(30);
        ventana->PageControl->setCurrentIndex(kReporteBrovel);
        QCOMPARE(Texto(ventana->Reporte), antes);
    }

    void unaPlantillaQueFaltaVaAlCuadroDeError() {
        ventana->PageControl->setCurrentIndex(kReporteBrovel);
        ventana->PageControl->setCurrentIndex(0);
        ventana->RutaModeloReporte = carpeta->filePath(QStringLiteral("Reportes/ModeloRep.rtf"));
        ventana->PageControl->setCurrentIndex(kReporteBrovel);
        QCOMPARE(escritorio->errores, QStringList{QStringLiteral("Cannot open file ") + ventana->RutaModeloReporte});
        QVERIFY(Texto(ventana->Reporte).isEmpty());
    }

    void unIdentificadorInvalidoTerminaElReporte() {
        const QString plantilla = carpeta->filePath(QStringLiteral("ModeloRep.rtf"));
        QFile archivo(plantilla);
        QVERIFY(archivo.open(QIODevice::WriteOnly));
        archivo.write("{\\rtf1 Pendiente [$1]\\par [x]}");
        archivo.close();
        ventana->RutaModeloReporte = plantilla;
        ventana->PageControl->setCurrentIndex(kReporteBrovel);
        QCOMPARE(escritorio->errores, QStringList{QStringLiteral("Identificador de reporte [$--] no válido")});
        QVERIFY(Texto(ventana->Reporte).isEmpty());
    }

    void elReporteDeZumbrelSeConstruyeSiempre() {
        TMainFormZumbrel* zumbrel = ventana->Zumbrel();
        zumbrel->PageControl->setCurrentIndex(kReporteZumbrel);
        const QString texto = Texto(zumbrel->Reporte);
        QVERIFY2(texto.contains(QStringLiteral("Tiempo de Concentración de la Cuenca 2.333 hrs")), qPrintable(texto));
        QVERIFY(texto.contains(QStringLiteral("Nota: tiempos en horas, Histograma en m³/s.")));
        QVERIFY(zumbrel->findChild<QWidget*>(QStringLiteral("Button8")));
        QVERIFY(escritorio->errores.isEmpty());
    }

    // The test runs with no print server: there is no default printer.
    void imprimirSinImpresoraLoDice() {
        ventana->findChild<QAction*>(QStringLiteral("ImprimirReporte"))->trigger();
        QCOMPARE(escritorio->errores, QStringList{QStringLiteral("Error al querer imprimir el reporte")});
        escritorio->errores.clear();
        ventana->Zumbrel()->findChild<QAction*>(QStringLiteral("ImprimirReporte1"))->trigger();
        QCOMPARE(escritorio->errores.size(), 1);
        QVERIFY(escritorio->errores.front() != QStringLiteral("Error al querer imprimir el reporte"));
    }

    void exportarEscribeElTipoElegido() {
        const QString rtf = carpeta->filePath(QStringLiteral("ladera.rtf"));
        const QString pdf = carpeta->filePath(QStringLiteral("ladera.pdf"));
        escritorio->archivosElegidos = {rtf, pdf};
        auto* exportar = ventana->findChild<QAction*>(QStringLiteral("ExportarReporte"));
        exportar->trigger();
        exportar->trigger();
        QCOMPARE(escritorio->errores, QStringList());
        QCOMPARE(escritorio->filtrosPedidos.front(), QStringLiteral("Documento PDF (*.pdf);;Documento RTF (*.rtf)"));
        // The RTF is the report as the engine wrote it, the one the tab shows.
        ventana->PageControl->setCurrentIndex(kReporteBrovel);
        const std::string& buffer = ventana->Reporte->Buffer();
        QCOMPARE(Leer(rtf), QByteArray(buffer.data(), static_cast<qsizetype>(buffer.size())));
        QVERIFY(Leer(pdf).startsWith("%PDF-"));
        // The report, then the plots on a page of their own.
        QProcess texto;
        texto.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(texto.waitForFinished(30000));
        const QStringList paginas = QString::fromUtf8(texto.readAllStandardOutput()).split(QLatin1Char('\f'));
        QVERIFY2(paginas.size() >= 3, qPrintable(QString::number(paginas.size())));
        QVERIFY(paginas.front().contains(QStringLiteral("Pendiente")));
        const QString graficos = paginas.at(paginas.size() - 2);  // the text ends in a page break
        QVERIFY2(graficos.contains(QStringLiteral("Factores adimensionales")), qPrintable(graficos));
        QVERIFY(!graficos.contains(QStringLiteral("Tasa de Erosión (A)")));
    }

    void unaExportacionQueFallaNoDejaNada() {
        const QString destino = carpeta->filePath(QStringLiteral("no-existe/ladera.pdf"));
        escritorio->archivosElegidos = {destino};
        ventana->Zumbrel()->findChild<QAction*>(QStringLiteral("ExportarReporte"))->trigger();
        QCOMPARE(escritorio->errores.size(), 1);
        QCOMPARE(escritorio->errores.front(),
                 QStringLiteral("No se pudo guardar \"%1\": No existe el archivo o la carpeta").arg(destino));
        QVERIFY(!QFile::exists(destino));
    }

private:
    std::unique_ptr<QTemporaryDir> carpeta;
    std::unique_ptr<TEscritorioDePrueba> escritorio;
    std::unique_ptr<TMainFormBrovel> ventana;
};

QTEST_MAIN(PruebaReportes)
#include "Reportes_test.moc"
