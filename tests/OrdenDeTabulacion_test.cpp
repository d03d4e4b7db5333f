// The Tab key goes through each tab of the slope window in the order its rows
// are read, and from its last control on to the tab bar and back; however and
// whenever a tab's controls come to be made, the order stays this one.
#include <QApplication>
#include <QTabWidget>
#include <QTest>

#include <memory>

#include "EscritorioDePrueba.h"
#include "forms/Pestanas.h"
#include "ui/windows/MainBrovel.h"

using namespace brovel;

namespace {

bool TomaElTabulador(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isVisible() && w->isEnabled();
}

// The tab's first control that Tab stops at, in the window's order.
QWidget* PrimeroDe(QWidget* pagina) {
    for (QWidget* w = pagina->nextInFocusChain(); w != pagina; w = w->nextInFocusChain())
        if (pagina->isAncestorOf(w) && TomaElTabulador(w)) return w;
    return nullptr;
}

// The names of the controls the focus goes through, pressing Tab from the tab's
// first control, through the controls after the tab, until it is back there.
QStringList Recorrido(TMainFormBrovel& ventana, int pestana) {
    ventana.PageControl->setCurrentIndex(pestana);
    QWidget* primero = PrimeroDe(ventana.PageControl->widget(pestana));
    if (!primero) return {QStringLiteral("(nada)")};
    primero->setFocus(Qt::TabFocusReason);
    QStringList nombres;
    for (int paso = 0; paso < 200; ++paso) {
        QWidget* foco = QApplication::focusWidget();
        if (!foco) return nombres << QStringLiteral("(sin foco)");
        if (paso > 0 && foco == primero) break;
        nombres << (foco->objectName().isEmpty() ? QString::fromLatin1(foco->metaObject()->className())
                                                 : foco->objectName());
        QTest::keyClick(foco, Qt::Key_Tab);
    }
    return nombres;
}

}  // namespace

class PruebaOrdenDeTabulacion : public QObject {
    Q_OBJECT

private slots:
    void init() {
        ventana = std::make_unique<TMainFormBrovel>(false);
        ventana->show();
        QApplication::setActiveWindow(ventana.get());
        QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
    }
    void cleanup() { ventana.reset(); }

    void cadaPestanaEnElOrdenDeSusFilas_data() {
        QTest::addColumn<int>("pestana");
        QTest::addColumn<QStringList>("orden");
        const auto fila = [](const char* nombre, TPestanaBrovel pestana, const char* orden) {
            QTest::newRow(nombre) << Indice(pestana) << QString::fromLatin1(orden).split(QLatin1Char(' '));
        };
        fila("Geometría", TPestanaBrovel::Geometria, "QScrollArea euDt euLt qt_tabwidget_tabbar");
        fila("Suelo", TPestanaBrovel::Suelo,
             "QScrollArea rbCrr euCpcg cbPcg euDg euPp Button1 cbD euShs euBvs BitBtn4 BitBtn3 euBrvs MsgsS "
             "qt_tabwidget_tabbar");
        fila("Forzantes", TPestanaBrovel::Forzantes,
             "QScrollArea rbHr euPth cbCph euCta cbPhn euCll rbHdlt euCe rbHdlt2 euPth3 cbCph4 cbPhn4 euCll3 "
             "btUsarZumbrel2 qt_tabwidget_tabbar");
        fila("Condicionantes", TPestanaBrovel::Condicionantes,
             "QScrollArea euFatc BitBtn5 euAmf BitBtn6 cbHl euTtfo cbHm euRacmr bbSTC1 euPsrua BitBtn7 cbMde cbHmg "
             "cbTp euPs euAl qt_tabwidget_tabbar");
        fila("Disipación", TPestanaBrovel::Disipacion,
             "QScrollArea euRast BitBtn1 BitBtn2 euCmst bbSTD3 qt_tabwidget_tabbar");
        fila("Erosión", TPestanaBrovel::Erosion, "QScrollArea qt_tabwidget_tabbar");
    }
    void cadaPestanaEnElOrdenDeSusFilas() {
        QFETCH(int, pestana);
        QFETCH(QStringList, orden);
        QCOMPARE(Recorrido(*ventana, pestana), orden);
    }

private:
    TEscritorioDePrueba escritorio;
    std::unique_ptr<TMainFormBrovel> ventana;
};

QTEST_MAIN(PruebaOrdenDeTabulacion)
#include "OrdenDeTabulacion_test.moc"
