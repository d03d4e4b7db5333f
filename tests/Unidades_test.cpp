#include "ui/fields/Unidades.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTextDocument>
#include <QToolTip>
#include <QTest>

#include <memory>

#include "EscritorioDePrueba.h"
#include "ui/windows/Comandos.h"

using namespace brovel;

namespace {

// A window with three fields in a column (a length, a read-only result, a
// percentage) and actions on Ctrl+A and Ctrl+N, as the slope window has.
struct Ventana {
    Ventana() {
        ventana.resize(500, 200);
        abrir = new QAction(QStringLiteral("&Abrir"), &ventana);
        abrir->setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));
        ventana.addAction(abrir);
        nuevo = new QAction(QStringLiteral("&Nuevo"), &ventana);
        nuevo->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
        ventana.addAction(nuevo);

        longitud = Crear("euLt", "Longitud del Brovel", {"m|1|0", "km|0.001|0"}, 60, 30);
        longitud->SetBaseMin(0.9L);
        longitud->SetBaseMax(120);
        longitud->SetUseRange(true);
        resultado = Crear("euFtResultado", "Factor topográfico (LS)", {"-|1|0"}, 1.5L, 70);
        resultado->SetReadOnly(true);
        porcentaje = Crear("euPp", "Porcentaje pasante", {"%|1|0"}, 100, 110);
        porcentaje->SetBaseMax(100);
        porcentaje->SetUseRange(true);
        for (auto* campo : {longitud, resultado, porcentaje}) campo->Cargado();

        ventana.show();
        QApplication::setActiveWindow(&ventana);
        QVERIFY(QTest::qWaitForWindowActive(&ventana));
    }

    TUnidades* Crear(const char* nombre, const char* titulo, const QStringList& unidades, long double valor, int y) {
        auto* campo = new TUnidades(&ventana, QString::fromUtf8(nombre));
        campo->SetCaption(QString::fromUtf8(titulo));
        campo->SetUnits(unidades);
        campo->Cantidad().SciMax = 10000;
        campo->Cantidad().AutoRecalculate = true;
        campo->SetAsFloat(valor);
        campo->setGeometry(220, y, 120, 24);
        return campo;
    }

    // Enters the field as the Tab key does, even when it already has the focus.
    void Enfocar(TUnidades* campo) {
        campo->clearFocus();
        campo->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(campo->hasFocus());
    }

    TEscritorioDePrueba escritorio;
    QWidget ventana;
    QAction* abrir = nullptr;
    QAction* nuevo = nullptr;
    TUnidades* longitud = nullptr;
    TUnidades* resultado = nullptr;
    TUnidades* porcentaje = nullptr;
};

}  // namespace

class PruebaUnidades : public QObject {
    Q_OBJECT

private slots:
    void init() { v = std::make_unique<Ventana>(); }
    void cleanup() { v.reset(); }

    void soloAceptaCaracteresDeNumero_data() {
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("pitidos");
        // clang-format off
        QTest::newRow("cifras") << "125" << "125" << 0;
        QTest::newRow("exponente") << "1.5e-3" << "1.5e-3" << 0;
        QTest::newRow("mayúscula E y signo") << "+2E4" << "+2E4" << 0;
        QTest::newRow("coma decimal") << "1,5" << "1,5" << 0;
        QTest::newRow("letras") << "1a2b" << "12" << 2;
        QTest::newRow("espacio y barra") << "3 /4" << "34" << 2;
        QTest::newRow("por ciento") << "5%" << "5" << 1;
        // clang-format on
    }
    void soloAceptaCaracteresDeNumero() {
        QFETCH(QString, tecleado);
        QFETCH(QString, texto);
        QFETCH(int, pitidos);
        v->Enfocar(v->longitud);
        QTest::keyClick(v->longitud, Qt::Key_Backspace);
        QTest::keyClicks(v->longitud, tecleado);
        QCOMPARE(v->longitud->text(), texto);
        QCOMPARE(v->escritorio.pitidos, pitidos);
    }

    void alEntrarSeSeleccionaTodoElTexto() {
        v->Enfocar(v->longitud);
        QCOMPARE(v->longitud->selectedText(), QStringLiteral("60"));
    }

    void enterYFlechasMuevenElFoco() {
        v->Enfocar(v->longitud);
        QTest::keyClick(v->longitud, Qt::Key_Return);
        QVERIFY2(v->porcentaje->hasFocus(), "Enter salta el resultado de solo lectura, como Tab");
        QTest::keyClick(v->porcentaje, Qt::Key_Up);
        QVERIFY(v->longitud->hasFocus());
        QTest::keyClick(v->longitud, Qt::Key_Down);
        QVERIFY(v->porcentaje->hasFocus());
        QTest::keyClick(v->porcentaje, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(!v->resultado->hasFocus());
    }

    void escDeshaceLaUltimaEdicion() {
        v->Enfocar(v->longitud);
        QTest::keyClicks(v->longitud, "75");
        QCOMPARE(v->longitud->text(), QStringLiteral("75"));
        QTest::keyClick(v->longitud, Qt::Key_Escape);
        QCOMPARE(v->longitud->text(), QStringLiteral("60"));
        QCOMPARE(v->longitud->AsFloat(), 60.0L);
    }

    void unCampoDeSoloLecturaNoCambiaConElTeclado() {
        v->resultado->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(v->resultado->hasFocus());
        v->resultado->selectAll();
        QTest::keyClicks(v->resultado, "7");
        QTest::keyClick(v->resultado, Qt::Key_Delete);
        QTest::keyClick(v->resultado, Qt::Key_Insert, Qt::ShiftModifier);
        QApplication::clipboard()->setText(QStringLiteral("9"));
        QTest::keyClick(v->resultado, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(v->resultado, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(v->resultado->text(), QStringLiteral("1.5"));
        QCOMPARE(v->escritorio.pitidos, 1);
        QTest::keyClick(v->resultado, Qt::Key_Return);
        QVERIFY(v->porcentaje->hasFocus());
    }

    void losColoresDistinguenLosResultados() {
        QCOMPARE(v->resultado->palette().color(QPalette::Base), QColor(181, 189, 204));
        QCOMPARE(v->longitud->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
        QCOMPARE(v->resultado->focusPolicy(), Qt::ClickFocus);
        v->longitud->SetAsFloat(-2.5L);
        QCOMPARE(v->longitud->palette().color(QPalette::Text), QApplication::palette().color(QPalette::Text));
    }

    void alSalirSeNormalizaElTexto_data() {
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("texto");
        // clang-format off
        QTest::newRow("coma final") << "12," << "12";
        QTest::newRow("solo un signo") << "-" << "0";
        QTest::newRow("coma decimal") << "15,5" << "15.5";
        QTest::newRow("punto final") << "7." << "7";
        QTest::newRow("decimales de más") << "1.23456" << "1.235";
        QTest::newRow("vacío") << "" << "0";
        // clang-format on
    }
    void alSalirSeNormalizaElTexto() {
        QFETCH(QString, tecleado);
        QFETCH(QString, texto);
        v->longitud->SetBaseMin(0);  // only the text matters here
        v->longitud->SetUseRange(true);
        v->Enfocar(v->longitud);
        QTest::keyClick(v->longitud, Qt::Key_Backspace);
        QTest::keyClicks(v->longitud, tecleado);
        QTest::keyClick(v->longitud, Qt::Key_Tab);
        QCOMPARE(v->longitud->text(), texto);
        QVERIFY(v->escritorio.errores.isEmpty());
    }

    void loTecleadoSeLeeMientrasSeEscribe() {
        v->Enfocar(v->longitud);
        QTest::keyClicks(v->longitud, "1e");
        QCOMPARE(v->longitud->AsFloat(), 1.0L);
        QTest::keyClicks(v->longitud, "2");
        QCOMPARE(v->longitud->AsFloat(), 100.0L);
    }

    void avisaCadaCambioDelTexto() {
        QSignalSpy avisos(v->longitud, &TUnidades::OnChange);
        v->longitud->SetBaseValue(60);
        QCOMPARE(avisos.count(), 0);
        v->longitud->SetBaseValue(61);
        QCOMPARE(avisos.count(), 1);
        v->Enfocar(v->longitud);
        QTest::keyClicks(v->longitud, "75");
        QCOMPARE(avisos.count(), 3);
        v->longitud->SubCombo()->setCurrentIndex(1);
        emit v->longitud->SubCombo()->activated(1);
        QCOMPARE(v->longitud->text(), QStringLiteral("0.075"));
        QCOMPARE(avisos.count(), 4);
    }

    void noAvisaMientrasSeConstruyeLaVentana() {
        TUnidades campo(&v->ventana, QStringLiteral("euNuevo"));
        QSignalSpy avisos(&campo, &TUnidades::OnChange);
        campo.SetAsFloat(5);
        campo.SetText(QStringLiteral("6"));
        QCOMPARE(avisos.count(), 0);
        campo.Cargado();
        campo.SetAsFloat(7);
        QCOMPARE(avisos.count(), 1);
    }

    void unTextoQueNoEsNumeroMuestraElErrorYNoAvisa() {
        QSignalSpy avisos(v->longitud, &TUnidades::OnChange);
        v->Enfocar(v->longitud);
        QTest::keyClicks(v->longitud, "1.2.3");
        QCOMPARE(v->escritorio.errores, QStringList{"'1.2.3' is not a valid floating point value"});
        QCOMPARE(avisos.count(), 4);
        QCOMPARE(v->longitud->text(), QStringLiteral("1.2.3"));

        QTest::keyClick(v->longitud, Qt::Key_Tab);
        QCOMPARE(v->escritorio.errores.size(), 2);
        QVERIFY2(v->longitud->hasFocus(), "el foco queda en el campo con el texto que no se lee");
        QCOMPARE(v->longitud->text(), QStringLiteral("1.2.3"));
    }

    void fueraDeRangoSinManejadorMuestraElMensajeDelCampo() {
        v->Enfocar(v->porcentaje);
        QTest::keyClicks(v->porcentaje, "150");
        QTest::keyClick(v->porcentaje, Qt::Key_Tab);
        QCOMPARE(v->escritorio.errores, QStringList{"Your entered Value is above the acceptable limit of 100.000"});
        QVERIFY(v->porcentaje->hasFocus());
        QCOMPARE(v->porcentaje->text(), QStringLiteral("150"));
        QCOMPARE(v->porcentaje->selectedText(), QStringLiteral("150"));
    }

    void fueraDeRangoConElManejadorDeLasVentanas() {
        v->longitud->OnBoundsError = BoundsError;
        v->longitud->SubCombo()->setCurrentIndex(1);
        emit v->longitud->SubCombo()->activated(1);
        QCOMPARE(v->longitud->BoundUpper(), 0.12L);
        v->Enfocar(v->longitud);
        QTest::keyClicks(v->longitud, "0.5");
        v->porcentaje->setFocus(Qt::MouseFocusReason);
        QCOMPARE(v->escritorio.errores,
                 QStringList{"El valor ingresado se encuentra fuera del rango permitido (0.9 - 1.2E2)"});
        QVERIFY(v->longitud->hasFocus());
        QCOMPARE(v->longitud->text(), QStringLiteral("0.5"));
        QCOMPARE(v->longitud->selectedText(), QStringLiteral("0.5"));
    }

    void unNumeroIgualAlLimitePasa() {
        v->longitud->OnBoundsError = BoundsError;
        v->Enfocar(v->longitud);
        QTest::keyClicks(v->longitud, "120");
        QTest::keyClick(v->longitud, Qt::Key_Tab);
        QVERIFY(v->escritorio.errores.isEmpty());
    }

    void losAtajosDeLaVentanaGananDentroDelCampo() {
        QSignalSpy nuevo(v->nuevo, &QAction::triggered);
        v->Enfocar(v->longitud);
        QTest::keyClick(v->longitud, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(nuevo.count(), 1);
    }

    // Select-all is the edit's own, even where the window has an action on its key.
    void ctrlASeleccionaElTextoDelCampo() {
        QSignalSpy abrir(v->abrir, &QAction::triggered);
        v->Enfocar(v->longitud);
        v->longitud->deselect();
        QTest::keyClick(v->longitud, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(abrir.count(), 0);
        QCOMPARE(v->longitud->selectedText(), QStringLiteral("60"));
    }

    void etiquetaYSelectorSiguenAlCampo() {
        auto* campo = v->longitud;
        auto comprobar = [campo] {
            const QRect g = campo->geometry();
            const QRect e = campo->EditLabel()->geometry();
            const QRect s = campo->SubCombo()->geometry();
            QCOMPARE(e.left() + e.width() + 3, g.left());
            QCOMPARE(e.top(), g.top() + (g.height() - e.height()) / 2);
            QCOMPARE(s.left(), g.left() + g.width() + 3);
            QCOMPARE(s.top(), g.top() + (g.height() - s.height()) / 2);
            QCOMPARE(s.width(), 100);
        };
        comprobar();
        campo->move(260, 40);
        comprobar();
        campo->resize(90, 30);
        comprobar();
        const int ancho = campo->EditLabel()->width();
        campo->SetCaption(QStringLiteral("Longitud"));
        QVERIFY(campo->EditLabel()->width() < ancho);
        comprobar();
    }

    // A caption given before the field has a place goes beside the field once it
    // has one: placed by code, or shown where it was made.
    void laEtiquetaVaConElCampoAlColocarloOMostrarlo_data() {
        QTest::addColumn<bool>("colocado");
        QTest::newRow("colocado") << true;
        QTest::newRow("mostrado donde se hizo") << false;
    }
    void laEtiquetaVaConElCampoAlColocarloOMostrarlo() {
        QFETCH(bool, colocado);
        QWidget marco;
        auto* campo = new TUnidades(&marco, QStringLiteral("euLc"));
        campo->SetCaption(QStringLiteral("Longitud del cauce principal"));
        if (colocado) campo->setGeometry(200, 30, 110, 24);
        marco.resize(500, 100);
        marco.show();
        QVERIFY(QTest::qWaitForWindowExposed(&marco));
        const QRect g = campo->geometry();
        const QRect e = campo->EditLabel()->geometry();
        const QRect s = campo->SubCombo()->geometry();
        QCOMPARE(e.size(), campo->EditLabel()->sizeHint());
        QCOMPARE(e.left() + e.width() + 3, g.left());
        QCOMPARE(e.top(), g.top() + (g.height() - e.height()) / 2);
        QCOMPARE(s.left(), g.left() + g.width() + 3);
    }

    void ocultarElCampoOcultaEtiquetaYSelector() {
        v->longitud->hide();
        QVERIFY(!v->longitud->EditLabel()->isVisible());
        QVERIFY(!v->longitud->SubCombo()->isVisible());
        v->longitud->show();
        QVERIFY(v->longitud->EditLabel()->isVisible());
        QVERIFY(v->longitud->SubCombo()->isVisible());
    }

    void elSelectorListaLasUnidades() {
        QCOMPARE(v->longitud->SubCombo()->count(), 2);
        QCOMPARE(v->longitud->SubCombo()->itemText(1), QStringLiteral("km"));
        QCOMPARE(v->longitud->UnitAsString(), QStringLiteral("m"));
        v->longitud->SetDefaultUnit(1);
        QCOMPARE(v->longitud->SubCombo()->currentIndex(), 1);
        QCOMPARE(v->longitud->text(), QStringLiteral("0.06"));
        QCOMPARE(v->longitud->GetBaseValue(), 60.0L);
    }

    // A field made on a form's quantity shows it and follows it from the start, as
    // one bound to it later; let go, it follows its own quantity again.
    void unCampoHechoSobreUnaCantidadLaMuestraYLaSigue() {
        TCantidad cantidad;
        cantidad.SetUnits({"m|1|0", "km|0.001|0"});
        cantidad.SetDefaultUnit(1);
        cantidad.SetText("1.5");
        auto* campo = new TUnidades(&v->ventana, QStringLiteral("euLc"), &cantidad);
        QVERIFY(campo->Vinculado());
        QCOMPARE(campo->text(), QStringLiteral("1.5"));
        QCOMPARE(campo->SubCombo()->count(), 2);
        QCOMPARE(campo->SubCombo()->currentIndex(), 1);
        cantidad.SetText("2.25");
        QCOMPARE(campo->text(), QStringLiteral("2.25"));
        campo->setText(QStringLiteral("3"));
        QCOMPARE(cantidad.Text(), std::string("3"));

        campo->Desvincular();
        QVERIFY(!campo->Vinculado());
        campo->SetText(QStringLiteral("7"));
        QCOMPARE(campo->text(), QStringLiteral("7"));
        QCOMPARE(cantidad.Text(), std::string("3"));
        delete campo;
    }

    // A sentence of help shows as a paragraph of a few lines, not as one line
    // across the screen, over the field and over its caption alike.
    void laAyudaSeMuestraEnParrafo_data() {
        QTest::addColumn<bool>("enElTitulo");
        QTest::newRow("campo") << false;
        QTest::newRow("título") << true;
    }
    void laAyudaSeMuestraEnParrafo() {
        QFETCH(bool, enElTitulo);
        const QString ayuda = QStringLiteral(
            "Longitud de la ladera medida a lo largo de la pendiente, desde donde comienza el escurrimiento hasta "
            "donde el sedimento se deposita o el flujo entra en un canal, en metros (m); debe estar entre 0.9 y 120 "
            "(y nunca < 0.9).");
        v->longitud->setToolTip(ayuda);
        v->longitud->EditLabel()->setToolTip(ayuda);
        QWidget* bajoElPuntero = enElTitulo ? static_cast<QWidget*>(v->longitud->EditLabel()) : v->longitud;
        const QPoint dentro(5, 5);
        QHelpEvent pedido(QEvent::ToolTip, dentro, bajoElPuntero->mapToGlobal(dentro));
        QApplication::sendEvent(bajoElPuntero, &pedido);
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY2(Qt::mightBeRichText(QToolTip::text()), qPrintable(QToolTip::text()));
        QVERIFY2(QToolTip::text().contains(ayuda.toHtmlEscaped()), qPrintable(QToolTip::text()));
        QWidget* globo = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("QTipLabel") && w->isVisible()) globo = w;
        QVERIFY(globo);
        // A few lines of a width that reads well.
        const int unaLinea = globo->fontMetrics().horizontalAdvance(ayuda);
        QVERIFY2(globo->width() < unaLinea / 2 && globo->width() > unaLinea / 6,
                 qPrintable(QStringLiteral("%1 de %2 px").arg(globo->width()).arg(unaLinea)));
        QToolTip::hideText();
    }

private:
    std::unique_ptr<Ventana> v;
};

QTEST_MAIN(PruebaUnidades)
#include "Unidades_test.moc"
