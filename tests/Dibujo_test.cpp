// The drawings of the Geometría tabs (the slope, the basin): rendered from their
// description once for each size they take, and looking as if they were rendered
// straight onto the widget, in its place and at its scale, at every size.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include <algorithm>

#include "ui/windows/Pagina.h"

using namespace brovel;

namespace {

// The largest difference of one channel of one pixel between two images of one size.
int MayorDiferencia(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int mayor = 0;
    for (int fila = 0; fila < x.height(); ++fila) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(fila));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(fila));
        for (int col = 0; col < x.width(); ++col)
            mayor = std::max({mayor, std::abs(qRed(p[col]) - qRed(q[col])), std::abs(qGreen(p[col]) - qGreen(q[col])),
                              std::abs(qBlue(p[col]) - qBlue(q[col])), std::abs(qAlpha(p[col]) - qAlpha(q[col]))});
    }
    return mayor;
}

}  // namespace

class PruebaDibujo : public QObject {
    Q_OBJECT

private slots:
    void seRenderizaUnaVezPorTamano_data() {
        QTest::addColumn<QString>("recurso");
        QTest::newRow("ladera") << QStringLiteral(":/ladera.svg");
        QTest::newRow("cuenca") << QStringLiteral(":/cuenca.svg");
    }
    // Painted again at the same size, it is copied; at a new size, rendered anew.
    void seRenderizaUnaVezPorTamano() {
        QFETCH(QString, recurso);
        TDibujo dibujo(nullptr, recurso, QStringLiteral("Dibujo"), 1.8, 0.6, Qt::AlignTop);
        dibujo.resize(700, 400);
        for (int vez = 0; vez < 3; ++vez) dibujo.grab();
        QCOMPARE(dibujo.Renderizados(), 1);
        dibujo.resize(900, 500);
        dibujo.grab();
        dibujo.grab();
        QCOMPARE(dibujo.Renderizados(), 2);
        // Only a size in its room counts: the same drawing in a taller room is not redrawn.
        dibujo.resize(900, 800);
        dibujo.grab();
        QCOMPARE(dibujo.Renderizados(), 2);
    }

    void seVeComoRenderizadoEnElWidget_data() {
        QTest::addColumn<QString>("recurso");
        QTest::addColumn<int>("alineacion");
        QTest::addColumn<QSize>("tamano");
        QTest::newRow("ladera arriba, chica") << QStringLiteral(":/ladera.svg") << int(Qt::AlignTop) << QSize(500, 300);
        QTest::newRow("ladera arriba, grande")
            << QStringLiteral(":/ladera.svg") << int(Qt::AlignTop) << QSize(1300, 700);
        QTest::newRow("cuenca al medio, angosta")
            << QStringLiteral(":/cuenca.svg") << int(Qt::AlignVCenter) << QSize(400, 600);
        QTest::newRow("cuenca al medio, ancha")
            << QStringLiteral(":/cuenca.svg") << int(Qt::AlignVCenter) << QSize(1200, 400);
    }
    // Each size's image, also after another size was shown in between.
    void seVeComoRenderizadoEnElWidget() {
        QFETCH(QString, recurso);
        QFETCH(int, alineacion);
        QFETCH(QSize, tamano);
        TDibujo dibujo(nullptr, recurso, QStringLiteral("Dibujo"), 1.8, 0.6, Qt::Alignment(alineacion));
        dibujo.resize(tamano / 2);
        dibujo.grab();
        dibujo.resize(tamano);
        const QImage visto = dibujo.grab().toImage();

        QImage esperado(visto.size(), QImage::Format_ARGB32_Premultiplied);
        esperado.fill(dibujo.palette().color(dibujo.backgroundRole()));
        QPainter pintor(&esperado);
        pintor.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer(recurso).render(&pintor, dibujo.Lugar());
        pintor.end();
        // Blending the kept image may round an edge's pixel differently, never more.
        const int diferencia = MayorDiferencia(visto, esperado);
        QVERIFY2(diferencia <= 4, qPrintable(QStringLiteral("un canal difiere en %1").arg(diferencia)));
    }
};

QTEST_MAIN(PruebaDibujo)
#include "Dibujo_test.moc"
