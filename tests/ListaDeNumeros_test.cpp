// A list of numbers is sized as Qt sizes a list that fits a few characters and an
// icon, whatever it holds and in whatever font, without making its popup.
#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

#include "ui/fields/ListaDeNumeros.h"

using namespace brovel;

class PruebaListaDeNumeros : public QObject {
    Q_OBJECT

private slots:
    void mideComoUnaListaDeQtDeEsosCaracteres_data() {
        QTest::addColumn<int>("caracteres");
        QTest::addColumn<int>("entradas");
        QTest::addColumn<int>("puntos");
        QTest::newRow("vacía") << 2 << 0 << 0;
        QTest::newRow("de 1 a 5") << 2 << 5 << 0;
        QTest::newRow("de 1 a 120") << 2 << 120 << 0;
        QTest::newRow("de 1 a 12, en letra de 8 puntos") << 2 << 12 << 8;
        QTest::newRow("de 1 a 12, en letra de 20 puntos") << 2 << 12 << 20;
        QTest::newRow("de 4 caracteres") << 4 << 12 << 0;
    }
    void mideComoUnaListaDeQtDeEsosCaracteres() {
        QFETCH(int, caracteres);
        QFETCH(int, entradas);
        QFETCH(int, puntos);
        QWidget ventana;
        if (puntos > 0) {
            QFont letra = ventana.font();
            letra.setPointSize(puntos);
            ventana.setFont(letra);
        }
        auto* lista = new TListaDeNumeros(&ventana, caracteres);
        auto* deQt = new QComboBox(&ventana);
        deQt->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        deQt->setMinimumContentsLength(caracteres);
        for (int n = 1; n <= entradas; ++n) {
            lista->addItem(QString::number(n));
            deQt->addItem(QString::number(n));
        }
        QCOMPARE(lista->sizeHint(), deQt->sizeHint());
        QCOMPARE(lista->minimumSizeHint(), deQt->minimumSizeHint());
    }

    // Opened, it shows its entries as the list Qt sizes so does.
    void abiertaMuestraLoMismo() {
        QWidget ventana;
        ventana.resize(300, 200);
        auto* lista = new TListaDeNumeros(&ventana, 2);
        auto* deQt = new QComboBox(&ventana);
        deQt->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        deQt->setMinimumContentsLength(2);
        for (QComboBox* c : {static_cast<QComboBox*>(lista), deQt}) {
            for (int n = 1; n <= 40; ++n) c->addItem(QString::number(n * 1000));
            c->setFixedWidth(110);
        }
        lista->move(10, 10);
        deQt->move(10, 10);
        ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ventana));
        QSize abiertas[2];
        int i = 0;
        for (QComboBox* c : {static_cast<QComboBox*>(lista), deQt}) {
            c->showPopup();
            QTRY_VERIFY(c->view()->isVisible());
            abiertas[i++] = c->view()->window()->size();
            c->hidePopup();
        }
        QCOMPARE(abiertas[0], abiertas[1]);
    }
};

QTEST_MAIN(PruebaListaDeNumeros)
#include "ListaDeNumeros_test.moc"
