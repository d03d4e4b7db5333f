// A caption of one line measures as Qt's own label measures the same text, before
// and after its text or its font changes, and any other label is left to Qt.
#include <QCheckBox>
#include <QLabel>
#include <QTest>

#include "ui/fields/Rotulo.h"

using namespace brovel;

namespace {

// How a label is set up before it is measured.
enum class TArreglo { Ninguno, Partido, Margen, Sangria, Marco, ConCompanero, AnchoMinimo, Centrado };

void Arreglar(QLabel& etiqueta, TArreglo arreglo, QWidget* companero) {
    switch (arreglo) {
        case TArreglo::Ninguno: break;
        case TArreglo::Partido:
            etiqueta.setWordWrap(true);
            etiqueta.setFixedWidth(120);
            break;
        case TArreglo::Margen: etiqueta.setMargin(5); break;
        case TArreglo::Sangria: etiqueta.setIndent(9); break;
        case TArreglo::Marco: etiqueta.setFrameStyle(QFrame::Box | QFrame::Plain); break;
        case TArreglo::ConCompanero: etiqueta.setBuddy(companero); break;
        case TArreglo::AnchoMinimo: etiqueta.setMinimumWidth(300); break;
        case TArreglo::Centrado: etiqueta.setAlignment(Qt::AlignCenter); break;
    }
}

}  // namespace

class PruebaRotulo : public QObject {
    Q_OBJECT

private slots:
    void mideComoLaEtiquetaDeQt_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("arreglo");
        const auto fila = [](const char* nombre, const char* texto, TArreglo arreglo) {
            QTest::newRow(nombre) << QString::fromUtf8(texto) << static_cast<int>(arreglo);
        };
        fila("corto", "R", TArreglo::Ninguno);
        fila("un título", "Longitud del Brovel", TArreglo::Ninguno);
        fila("acentos y paréntesis", "Factor de erosibilidad del suelo (K)", TArreglo::Ninguno);
        fila("largo", "Porcentaje de la superficie cubierta por residuos en contacto con el suelo", TArreglo::Ninguno);
        fila("vacío", "", TArreglo::Ninguno);
        fila("con margen", "Pendiente del Brovel", TArreglo::Margen);
        fila("centrado", "Pendiente del Brovel", TArreglo::Centrado);
        fila("partido en líneas", "Una nota que no cabe en una línea de ciento veinte puntos", TArreglo::Partido);
        fila("texto rico", "<b>Área</b> de la cuenca", TArreglo::Ninguno);
        fila("con sangría", "Área de la cuenca", TArreglo::Sangria);
        fila("con marco", "Área de la cuenca", TArreglo::Marco);
        fila("atajo de su compañero", "&Tipo de práctica", TArreglo::ConCompanero);
        fila("ancho mínimo", "Área", TArreglo::AnchoMinimo);
    }
    void mideComoLaEtiquetaDeQt() {
        QFETCH(QString, texto);
        QFETCH(int, arreglo);
        QWidget ventana;
        auto* companero = new QCheckBox(&ventana);
        auto* rotulo = new TRotulo(texto, &ventana);
        auto* etiqueta = new QLabel(texto, &ventana);
        Arreglar(*rotulo, static_cast<TArreglo>(arreglo), companero);
        Arreglar(*etiqueta, static_cast<TArreglo>(arreglo), companero);
        QCOMPARE(rotulo->sizeHint(), etiqueta->sizeHint());
        QCOMPARE(rotulo->minimumSizeHint(), etiqueta->minimumSizeHint());
    }

    // Measured once, it is measured again for a new text or a new font.
    void mideDeNuevoAlCambiarTextoOLetra() {
        QWidget ventana;
        auto* rotulo = new TRotulo(QStringLiteral("Área"), &ventana);
        auto* etiqueta = new QLabel(QStringLiteral("Área"), &ventana);
        QCOMPARE(rotulo->sizeHint(), etiqueta->sizeHint());

        const QString otro = QStringLiteral("Volumen total escurrido en la cuenca");
        rotulo->setText(otro);
        etiqueta->setText(otro);
        QCOMPARE(rotulo->sizeHint(), etiqueta->sizeHint());
        QCOMPARE(rotulo->minimumSizeHint(), etiqueta->minimumSizeHint());

        QFont grande = ventana.font();
        grande.setPointSize(grande.pointSize() * 2);
        ventana.setFont(grande);
        QCOMPARE(rotulo->sizeHint(), etiqueta->sizeHint());
        QVERIFY(rotulo->sizeHint().width() > QLabel(otro).sizeHint().width());

        rotulo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        etiqueta->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(rotulo->sizeHint(), etiqueta->sizeHint());
    }
};

QTEST_MAIN(PruebaRotulo)
#include "Rotulo_test.moc"
