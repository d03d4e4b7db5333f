// How a window puts its form's lists in its selectors: refilled when the entries
// differ from those last put, whatever their count, and left alone otherwise, so
// that mirroring the form again costs nothing and keeps the selector as it is.
#include <QComboBox>
#include <QSignalSpy>
#include <QRadioButton>
#include <QTest>
#include <QWidget>

#include <map>
#include <stdexcept>
#include <string>

#include "forms/Lista.h"
#include "ui/windows/Reflejo.h"

using namespace brovel;

namespace {

QStringList Entradas(const QComboBox& selector) {
    QStringList entradas;
    for (int i = 0; i < selector.count(); ++i) entradas << selector.itemText(i);
    return entradas;
}

}  // namespace

class PruebaReflejo : public QObject {
    Q_OBJECT

private slots:
    // A rule that names a control the window lacks is not passed over: the fault
    // shows where the rules are mirrored. A known name is shown or hidden.
    void unNombreQueLaVentanaNoTieneNoSeSalta_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<bool>("falla");
        QTest::newRow("conocido") << "euAi" << false;
        QTest::newRow("mal escrito") << "euAii" << true;
        QTest::newRow("un rótulo que la ventana no nombra") << "Label15" << true;
    }
    void unNombreQueLaVentanaNoTieneNoSeSalta() {
        QFETCH(QString, nombre);
        QFETCH(bool, falla);
        QWidget raiz;
        auto* campo = new QWidget(&raiz);
        campo->setObjectName(QStringLiteral("euAi"));
        TControlesPorNombre controles;
        const std::map<std::string, bool, std::less<>> visibilidad = {{nombre.toStdString(), false}};
        bool fallo = false;
        try {
            ReflejarVisibilidad(&raiz, visibilidad, controles);
        } catch (const std::logic_error&) {
            fallo = true;
        }
        QCOMPARE(fallo, falla);
        if (!falla) QVERIFY(campo->isHidden());
    }

    // Where two controls share a name, the one shown or hidden is the one a search
    // by name finds: a control's children before any of theirs, in their order.
    void unNombreRepetidoEsElQueEncuentraLaBusqueda_data() {
        QTest::addColumn<int>("profundidad");
        QTest::addColumn<bool>("primeroElHondo");
        QTest::newRow("hijo y nieto, el nieto antes") << 1 << true;
        QTest::newRow("hijo y bisnieto, el bisnieto antes") << 2 << true;
        QTest::newRow("hijo y nieto, el hijo antes") << 1 << false;
    }
    void unNombreRepetidoEsElQueEncuentraLaBusqueda() {
        QFETCH(int, profundidad);
        QFETCH(bool, primeroElHondo);
        QWidget raiz;
        const auto hondo = [&] {
            QWidget* padre = &raiz;
            for (int i = 0; i < profundidad; ++i) padre = new QWidget(padre);
            auto* campo = new QWidget(padre);
            campo->setObjectName(QStringLiteral("euAi"));
            return campo;
        };
        QWidget* nieto = primeroElHondo ? hondo() : nullptr;
        auto* hijo = new QWidget(&raiz);
        hijo->setObjectName(QStringLiteral("euAi"));
        if (!nieto) nieto = hondo();
        QCOMPARE(raiz.findChild<QWidget*>(QStringLiteral("euAi")), hijo);

        TControlesPorNombre controles;
        ReflejarVisibilidad(&raiz, {{"euAi", false}}, controles);
        QVERIFY(hijo->isHidden());
        QVERIFY(!nieto->isHidden());
    }

    // Looked up in one walk, a control is the one a search by name of its kind
    // finds, also where another control of another kind comes first with its name.
    void losNombresDeLaVentanaEncuentranLoQueLaBusqueda_data() {
        QTest::addColumn<QString>("nombre");
        QTest::newRow("único") << "rbCrr";
        QTest::newRow("el hijo antes que el nieto") << "euAi";
        QTest::newRow("antes, otro de otra clase") << "cbTp";
        QTest::newRow("ninguno") << "euAii";
    }
    void losNombresDeLaVentanaEncuentranLoQueLaBusqueda() {
        QFETCH(QString, nombre);
        QWidget raiz;
        auto* grupo = new QWidget(&raiz);
        (new QRadioButton(grupo))->setObjectName(QStringLiteral("euAi"));
        (new QRadioButton(grupo))->setObjectName(QStringLiteral("rbCrr"));
        (new QWidget(grupo))->setObjectName(QStringLiteral("cbTp"));
        (new QRadioButton(&raiz))->setObjectName(QStringLiteral("euAi"));
        auto* otroGrupo = new QWidget(&raiz);
        (new QRadioButton(otroGrupo))->setObjectName(QStringLiteral("cbTp"));
        const TNombresDeVentana nombres(&raiz);
        QCOMPARE(nombres.Buscar<QRadioButton>(nombre), raiz.findChild<QRadioButton*>(nombre));
        QCOMPARE(nombres.Buscar<QWidget>(nombre), raiz.findChild<QWidget*>(nombre));
    }

    void unaListaSeLlenaSoloCuandoCambia_data() {
        QTest::addColumn<QStringList>("antes");
        QTest::addColumn<QStringList>("despues");
        QTest::addColumn<int>("indice");
        QTest::addColumn<bool>("rellena");
        QTest::newRow("las mismas") << QStringList{"1", "2", "3"} << QStringList{"1", "2", "3"} << 1 << false;
        QTest::newRow("otras de igual cantidad")
            << QStringList{"arena", "limo"} << QStringList{"limo", "arcilla"} << 0 << true;
        QTest::newRow("más") << QStringList{"1", "2"} << QStringList{"1", "2", "3"} << 2 << true;
        QTest::newRow("ninguna") << QStringList{"1"} << QStringList{} << -1 << true;
    }
    void unaListaSeLlenaSoloCuandoCambia() {
        QFETCH(QStringList, antes);
        QFETCH(QStringList, despues);
        QFETCH(int, indice);
        QFETCH(bool, rellena);
        const auto lista = [](const QStringList& entradas, int elegida) {
            TLista l;
            for (const QString& e : entradas) l.items.push_back(e.toStdString());
            l.indice = elegida;
            return l;
        };
        QComboBox selector;
        std::vector<std::string> puestas;
        ReflejarLista(&selector, lista(antes, 0), puestas);
        QCOMPARE(Entradas(selector), antes);

        QSignalSpy vaciada(selector.model(), &QAbstractItemModel::rowsRemoved);
        QSignalSpy elegida(&selector, &QComboBox::currentIndexChanged);
        ReflejarLista(&selector, lista(despues, indice), puestas);
        QCOMPARE(Entradas(selector), despues);
        QCOMPARE(selector.currentIndex(), indice);
        QCOMPARE(!vaciada.isEmpty(), rellena && !antes.isEmpty());
        // Code choosing an entry runs no handler.
        QVERIFY(elegida.isEmpty());
    }

    // Entries put there by anyone else are replaced by the form's.
    void unaListaTocadaPorOtroVuelveALaDeLaForma() {
        QComboBox selector;
        std::vector<std::string> puestas;
        TLista lista;
        lista.items = {"1", "2"};
        lista.indice = 1;
        ReflejarLista(&selector, lista, puestas);
        selector.addItem(QStringLiteral("3"));
        ReflejarLista(&selector, lista, puestas);
        QCOMPARE(Entradas(selector), (QStringList{"1", "2"}));
        QCOMPARE(selector.currentIndex(), 1);
    }
};

QTEST_MAIN(PruebaReflejo)
#include "Reflejo_test.moc"
