// A caption beside a button takes the room its text needs, on one line where the
// row is wide enough and on more where it is not, for whatever text and font it
// has now, however many times the rows are measured before.
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "ui/windows/Formulario.h"

using namespace brovel;

namespace {

const QString kCorto = QStringLiteral("Tabla");
const QString kLargo = QStringLiteral("Seleccionar la práctica de conservación desde la tabla de referencia");

}  // namespace

class PruebaFormulario : public QObject {
    Q_OBJECT

private slots:
    void elRotuloSeMideConSuTextoYSuLetra_data() {
        QTest::addColumn<QString>("antes");
        QTest::addColumn<QString>("despues");
        QTest::addColumn<int>("puntos");
        QTest::newRow("un texto más largo") << kCorto << kLargo << 0;
        QTest::newRow("un texto más corto") << kLargo << kCorto << 0;
        QTest::newRow("una letra más grande") << kCorto << kCorto << 20;
    }
    void elRotuloSeMideConSuTextoYSuLetra() {
        QFETCH(QString, antes);
        QFETCH(QString, despues);
        QFETCH(int, puntos);
        QWidget ventana;
        TFormulario formulario(&ventana, QStringLiteral("Grupo"));
        QToolButton* boton = formulario.BotonConRotulo(QStringLiteral("bt"), QStringLiteral("..."), antes);
        QWidget* fila = boton->parentWidget();
        auto* rotulo = fila->findChild<QLabel*>();
        // Measured once with the first text, at every width the layouts try.
        const QSize primero = fila->sizeHint();
        for (int ancho : {200, 300, 600}) fila->heightForWidth(ancho);

        rotulo->setText(despues);
        if (puntos > 0) {
            QFont letra = rotulo->font();
            letra.setPointSize(puntos);
            rotulo->setFont(letra);
        }
        const QFontMetrics medida(rotulo->font());
        const int izquierda = fila->sizeHint().width() - (medida.horizontalAdvance(despues) + 1);
        QCOMPARE(izquierda, primero.width() - (QFontMetrics(ventana.font()).horizontalAdvance(antes) + 1));
        for (int ancho : {200, 300, 600}) {
            const int alto =
                medida.boundingRect(QRect(0, 0, ancho - izquierda, 10000), Qt::TextWordWrap, despues).height();
            QCOMPARE(fila->heightForWidth(ancho), std::max({alto, boton->sizeHint().height(), 22}) + 2);
        }
    }
};

QTEST_MAIN(PruebaFormulario)
#include "Formulario_test.moc"
