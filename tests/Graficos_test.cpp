// The plots beside the numbers follow the form: the plot of the tab shown after
// every action, the others once their tab is shown; the axes follow the units the
// fields and grids show; and the plots can be drawn without a window.
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QComboBox>
#include <QImage>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QScatterSeries>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>
#include <QValueAxis>

#include <memory>

#include "EscritorioDePrueba.h"
#include "forms/SeriesGraficos.h"
#include "ui/fields/Unidades.h"
#include "ui/plots/GraficoCurva.h"
#include "ui/plots/GraficoFactores.h"
#include "ui/plots/GraficoHietograma.h"
#include "ui/plots/GraficoTiempo.h"
#include "ui/plots/Graficos.h"
#include "ui/plots/VistaGrafico.h"
#include "ui/windows/Formulario.h"
#include "ui/windows/MainBrovel.h"
#include "ui/windows/MainZumbrel.h"

using namespace brovel;

namespace {

constexpr int kSuelo = Indice(TPestanaBrovel::Suelo);
constexpr int kForzantes = Indice(TPestanaBrovel::Forzantes);
constexpr int kErosion = Indice(TPestanaBrovel::Erosion);

void Activar(QComboBox* lista, int indice) {
    lista->setCurrentIndex(indice);
    emit lista->activated(indice);
}

double MaximoY(const QList<QPointF>& puntos) {
    double maximo = 0;
    for (const QPointF& p : puntos) maximo = std::max(maximo, p.y());
    return maximo;
}

// The share of an image's pixels that are not white.
double Tinta(const QImage& imagen) {
    qsizetype pintados = 0;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x) pintados += imagen.pixel(x, y) != qRgb(255, 255, 255);
    return double(pintados) / (imagen.width() * imagen.height());
}

}  // namespace

class PruebaGraficos : public QObject {
    Q_OBJECT

    std::unique_ptr<TEscritorioDePrueba> escritorio;
    std::unique_ptr<TMainFormBrovel> ventana;

private slots:
    void init() {
        escritorio = std::make_unique<TEscritorioDePrueba>();
        ventana = std::make_unique<TMainFormBrovel>(false);
    }
    void cleanup() {
        ventana.reset();
        escritorio.reset();
    }

    // A number changed moves its factor's bar and label once the Erosión tab has
    // been recomputed.
    void losFactoresSiguenAlRecalculo() {
        ventana->PageControl->setCurrentIndex(kErosion);
        const QString antes = ventana->euSrsEResultado->text();
        QVERIFY(ventana->GraficoFactores->EjeFactores()->categories().contains(QStringLiteral("SR = ") + antes));

        ventana->euRast->SetText(QStringLiteral("4"));
        ventana->Forma().tsErosionShow();
        const QString despues = ventana->euSrsEResultado->text();
        QVERIFY(despues != antes);
        QVERIFY(ventana->GraficoFactores->EjeFactores()->categories().contains(QStringLiteral("SR = ") + despues));
    }

    // A plot made when its tab is first current, after the form changed, is the
    // one its view shows, and shows what the form holds then.
    void unGraficoHechoAlMostrarSuPestanaMuestraLaForma_data() {
        QTest::addColumn<int>("pestana");
        QTest::addColumn<QString>("vista");
        QTest::newRow("Suelo") << kSuelo << "VistaCurva";
        QTest::newRow("Forzantes") << kForzantes << "VistaHietograma";
        QTest::newRow("Erosión") << kErosion << "VistaFactores";
    }
    void unGraficoHechoAlMostrarSuPestanaMuestraLaForma() {
        QFETCH(int, pestana);
        QFETCH(QString, vista);
        ventana->Forma().euDg.SetBaseValue(ventana->Forma().euDg.GetBaseValue() * 2);
        ventana->Forma().euCll.SetBaseValue(12.5);
        ventana->Forma().euRast.SetBaseValue(4);
        ventana->PageControl->setCurrentIndex(pestana);
        const QChart* mostrado = ventana->PageControl->findChild<TVistaGrafico*>(vista)->chart();
        QVERIFY(mostrado);
        if (pestana == kSuelo) {
            QCOMPARE(mostrado, ventana->GraficoCurva);
            const TDatosCurva datos = DatosCurva(ventana->Forma());
            QVERIFY(datos.elegido);
            QCOMPARE(ventana->GraficoCurva->Elegido()->at(0), QPointF(datos.elegido->x, datos.elegido->y));
            QCOMPARE(datos.elegido->x, double(ventana->Forma().euDg.GetBaseValue()));
        } else if (pestana == kForzantes) {
            QCOMPARE(mostrado, ventana->GraficoHietograma);
            QCOMPARE(ventana->GraficoHietograma->Barras()->at(0), 12.5);
        } else {
            QCOMPARE(mostrado, ventana->GraficoFactores);
            QVERIFY(ventana->GraficoFactores->EjeFactores()->categories().contains(QStringLiteral("SR = ") +
                                                                                   ventana->euSrsEResultado->text()));
        }
    }

    // The plot of a tab not shown waits for its tab.
    void elGraficoDeOtraPestanaEsperaASuPestana() {
        ventana->PageControl->setCurrentIndex(kSuelo);
        const QPointF antes = ventana->GraficoCurva->Elegido()->at(0);
        ventana->PageControl->setCurrentIndex(kErosion);
        ventana->Forma().euDg.SetBaseValue(antes.x() * 2);
        QCOMPARE(ventana->GraficoCurva->Elegido()->at(0), antes);
        ventana->PageControl->setCurrentIndex(kSuelo);
        QCOMPARE(ventana->GraficoCurva->Elegido()->at(0).x(), antes.x() * 2);
    }

    // The grain-size curve's axis speaks the diameter's unit; the selected point moves.
    void laCurvaSigueSuUnidadYSuPunto() {
        ventana->PageControl->setCurrentIndex(kSuelo);
        Activar(ventana->euDg->SubCombo(), 1);  // cm
        QCOMPARE(ventana->GraficoCurva->EjeDiametro()->titleText(), QStringLiteral("Diámetro de grano [cm]"));
        Activar(ventana->cbPcg, 4);
        const TEstadoBrovel& e = ventana->Estado();
        QCOMPARE(ventana->GraficoCurva->Elegido()->count(), 1);
        QCOMPARE(ventana->GraficoCurva->Elegido()->at(0), QPointF(e.Dg[5] / 10, e.Pp[5]));
        QCOMPARE(ventana->GraficoCurva->Curva()->count(), 9);
    }

    // Each plot of the slope window shows the title its series gives; the
    // factors' says when some of them are not current.
    void cadaGraficoMuestraElTituloDeSuSerie() {
        ventana->PageControl->setCurrentIndex(kSuelo);
        QCOMPARE(ventana->GraficoCurva->title(), QStringLiteral("Curva granométrica"));
        ventana->PageControl->setCurrentIndex(kErosion);
        QCOMPARE(ventana->GraficoFactores->title(), QStringLiteral("Factores adimensionales"));
        ventana->Forma().euDt.SetBaseValue(-5);
        ventana->PageControl->setCurrentIndex(kSuelo);
        ventana->PageControl->setCurrentIndex(kErosion);
        QCOMPARE(ventana->GraficoFactores->title(), QStringLiteral("Factores adimensionales (sin actualizar)"));
    }

    // The step the editor shows is the bar in the other colour.
    void elPasoElegidoSeMarcaEnElHietograma() {
        ventana->PageControl->setCurrentIndex(kForzantes);
        Activar(ventana->cbPhn, 3);
        QBarSet* barras = ventana->GraficoHietograma->Barras();
        QCOMPARE(barras->count(), 8);
        QCOMPARE(barras->selectedBars(), QList<int>{3});
        ventana->euCll->SetText(QStringLiteral("12.5"));
        QCOMPARE(barras->at(3), 12.5);
        QCOMPARE(ventana->GraficoHietograma->title(), QStringLiteral("Hietograma representativo"));
    }

    // The hydrograph's axis follows its grid's unit selector.
    void elHidrogramaSigueLaUnidadDeSuGrilla() {
        TMainFormZumbrel* zumbrel = ventana->Zumbrel();
        zumbrel->PageControl->setCurrentIndex(4);
        TGraficoTiempo* hidrograma = zumbrel->GraficoHidrograma;
        QCOMPARE(hidrograma->EjeLinea()->titleText(), QStringLiteral("Caudal [m³/s]"));
        const double pico = MaximoY(hidrograma->Linea()->points());
        QCOMPARE(pico, zumbrel->Forma().Estado.Cp);
        QCOMPARE(hidrograma->Pico()->at(0).y(), pico);
        QVERIFY(hidrograma->EjeBarras()->isReverse());

        Activar(zumbrel->cbUnidadHidrograma, 1);
        QCOMPARE(hidrograma->EjeLinea()->titleText(), QStringLiteral("Caudal [l/s]"));
        QCOMPARE(MaximoY(hidrograma->Linea()->points()), pico * 1000);
        QVERIFY(hidrograma->EjeLinea()->max() >= pico * 1000);
    }

    // At the default size, on a screen of 1366 × 768, each plot has the width the
    // window keeps for it, at the right of the groups, and the whole height of its page.
    void losGraficosEstanJuntoALosNumeros_data() {
        QTest::addColumn<bool>("deZumbrel");
        QTest::addColumn<int>("pestana");
        QTest::addColumn<QString>("vista");
        QTest::newRow("curva") << false << int(kSuelo) << "VistaCurva";
        QTest::newRow("hietograma") << false << int(kForzantes) << "VistaHietograma";
        QTest::newRow("factores") << false << int(kErosion) << "VistaFactores";
        QTest::newRow("lluvia") << true << 2 << "VistaLluvia";
        QTest::newRow("escorrentía") << true << 3 << "VistaEscorrentia";
        QTest::newRow("hidrograma") << true << 4 << "VistaHidrograma";
    }
    void losGraficosEstanJuntoALosNumeros() {
        QFETCH(bool, deZumbrel);
        QFETCH(int, pestana);
        QFETCH(QString, vista);
        QWidget* w = deZumbrel ? static_cast<QWidget*>(ventana->Zumbrel()) : ventana.get();
        QTabWidget* pestanas = deZumbrel ? ventana->Zumbrel()->PageControl : ventana->PageControl;
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        // At the designed size, which a screen of 1366 × 768 holds; the test's own
        // screen may be smaller, and the window is then placed smaller.
        w->resize(deZumbrel ? QSize(1240, 600) : QSize(1210, 640));
        QVERIFY(w->width() <= 1366 && w->height() <= 768 - 80);
        pestanas->setCurrentIndex(pestana);
        QWidget* pagina = pestanas->widget(pestana);
        auto* grafico = pagina->findChild<QWidget*>(vista);
        auto* area = pagina->findChild<QScrollArea*>();
        QVERIFY(grafico && area);
        QVERIFY(grafico->isVisible());
        QCOMPARE(grafico->width(), kAnchoGrafico);
        QCOMPARE(grafico->height(), pagina->height());
        QVERIFY(grafico->x() >= area->geometry().right());
        // The groups keep their designed width beside it.
        QVERIFY2(area->width() >= kAnchoPaginaDisenada, qPrintable(QString::number(area->width())));
        // The runoff window is closed before the slope window's form ends.
        w->hide();
    }

    // The report's page: each window's plots, drawn into an image, fill it.
    void losGraficosSeDibujanSinVentana() {
        for (bool deZumbrel : {false, true}) {
            QImage imagen(600, 900, QImage::Format_RGB32);
            imagen.fill(Qt::white);
            {
                QPainter pintor(&imagen);
                if (deZumbrel)
                    DibujarGraficosZumbrel(ventana->Forma().Zumbrel, pintor, QRectF(0, 0, 600, 900));
                else
                    DibujarGraficos(ventana->Forma(), pintor, QRectF(0, 0, 600, 900));
            }
            // Each of the three bands holds a plot.
            for (int banda = 0; banda < 3; ++banda)
                QVERIFY2(Tinta(imagen.copy(0, banda * 300, 600, 300)) > 0.02, qPrintable(QString::number(banda)));
        }
    }
};

QTEST_MAIN(PruebaGraficos)
#include "Graficos_test.moc"
