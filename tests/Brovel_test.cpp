// The slope window as a view of its form: start-up, the field widgets bound to
// the form's quantities both ways, the option, check-box and list widgets driving
// the form and following it, the controls shown as the form decides, the Suelo
// tab's messages, the layout of the tabs and the error boxes.
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWheelEvent>

#include "VentanaBrovel.h"
#include "ui/windows/Formulario.h"

namespace {

// Everything the form holds that a stray turn of the wheel could change: each
// field's text and unit, and each list's entry.
QStringList Huella(TFormaBrovel& forma) {
    QStringList huella;
    for (const TDefinicionCampo& d : CamposBrovel()) {
        const TCantidad& campo = forma.Campo(d.nombre);
        huella << QStringLiteral("%1=%2 [%3]")
                      .arg(QString::fromUtf8(d.nombre.data(), static_cast<int>(d.nombre.size())),
                           QString::fromStdString(campo.Text()))
                      .arg(campo.CurrentUnit());
    }
    for (int i = 0; i < kCantidadDeListas; ++i) {
        const auto lista = static_cast<TListaBrovel>(i);
        huella << QStringLiteral("%1=%2").arg(QLatin1String(NombreDe(lista))).arg(forma.Lista(lista).indice);
    }
    return huella;
}

// A limit as the help writes it: 0.9, 20, 120.
QString Limite(long double valor) { return QString::number(static_cast<double>(valor), 'g', 15); }

// One notch of the wheel, turned towards the user, over the middle of `control`.
void GirarRueda(QWidget* control) {
    const QPointF centro(control->width() / 2.0, control->height() / 2.0);
    QWheelEvent rueda(centro, control->mapToGlobal(centro), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(control, &rueda);
}

QScrollBar* BarraDeLaPestana(const TMainFormBrovel& v, int pestana) {
    auto* area = v.PageControl->widget(pestana)->findChild<QScrollArea*>();
    return area ? area->verticalScrollBar() : nullptr;
}

// The part of an image that is not the background colour of its top-left corner.
QRect Tinta(const QImage& imagen) {
    const QRgb fondo = imagen.pixel(0, 0);
    QRect tinta;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x)
            if (imagen.pixel(x, y) != fondo) tinta |= QRect(x, y, 1, 1);
    return tinta;
}

// The input column's x on a tab: where its shown fields start, in the window.
QSet<int> ColumnaDeCampos(const TMainFormBrovel& v, int pestana) {
    QSet<int> columnas;
    for (TUnidades* campo : v.PageControl->widget(pestana)->findChildren<TUnidades*>())
        if (campo->isVisible()) columnas.insert(campo->mapTo(&v, QPoint(0, 0)).x());
    return columnas;
}

const char* const kListasDeNumeros[] = {"cbPcg",  "cbCph",  "cbPhn",  "cbCh",   "cbCph2", "cbHn",
                                        "cbPhn2", "cbCph3", "cbPhn3", "cbCph4", "cbPhn4"};

// Counts the times a widget is painted.
class TPintadas : public QObject {
public:
    explicit TPintadas(QWidget* widget) { widget->installEventFilter(this); }
    int veces = 0;

protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::Paint) ++veces;
        return false;
    }
};

}  // namespace

class PruebaBrovel : public QObject {
    Q_OBJECT

private slots:
    void init() {
        escritorio = std::make_unique<TEscritorioDePrueba>();
        ventana = std::make_unique<TMainFormBrovel>(false);
    }
    void cleanup() {
        ventana.reset();
        escritorio.reset();
    }

    // Start-up.

    void arrancaSinNombreEnGeometriaYSinErrores() {
        QCOMPARE(TituloMostrado(*ventana), QStringLiteral("Brovel - Sin Nombre"));
        QCOMPARE(ventana->PageControl->currentIndex(), int(kGeometria));
        QCOMPARE(ventana->PageControl->currentWidget()->objectName(), QStringLiteral("Geometria"));
        QCOMPARE(ventana->Panel1->text(), kOk);
        QVERIFY(!ventana->Panel1->EnError());
        QCOMPARE(escritorio->errores, QStringList());
        QCOMPARE(escritorio->modales, QStringList());
    }

    // Every field of the table has a widget of its name on the tabs that shows and
    // edits the form's quantity of that name; results cannot be typed over.
    void cadaCampoDeLaTablaTieneSuControl() {
        for (const TDefinicionCampo& d : CamposBrovel()) {
            const QString nombre = QString::fromUtf8(d.nombre.data(), static_cast<int>(d.nombre.size()));
            auto* campo = ventana->PageControl->findChild<TUnidades*>(nombre);
            QVERIFY2(campo, qPrintable(nombre));
            QVERIFY2(&campo->Cantidad() == &ventana->Forma().Campo(d.nombre), qPrintable(nombre));
            QVERIFY2(campo->text() == QString::fromStdString(ventana->Forma().Campo(d.nombre).Text()),
                     qPrintable(nombre));
            QVERIFY2(campo->isReadOnly() == (d.clase == TClaseCampo::Resultado), qPrintable(nombre));
        }
    }

    // Field widgets and the form.

    void escribirEnUnCampoLlegaAlModelo() {
        ventana->euLt->selectAll();
        QTest::keyClicks(ventana->euLt, QStringLiteral("75"));
        QCOMPARE(ventana->Forma().euLt.Text(), std::string("75"));
        QCOMPARE(ventana->Estado().Lt, 75.0);
        QCOMPARE(escritorio->errores, QStringList());
    }

    // What the form writes shows in the widget, as the field renders it.
    void loQueEscribeLaFormaSeVeEnElCampo_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("texto");
        QTest::newRow("euLt") << "euLt" << 100.0 << "100";
        QTest::newRow("euDg, cinco decimales") << "euDg" << 1.234567 << "1.23457";
        QTest::newRow("euFele, desde 1E+4") << "euFele" << 12345.0 << "1.235E+4";
    }
    void loQueEscribeLaFormaSeVeEnElCampo() {
        QFETCH(QString, campo);
        QFETCH(double, valor);
        QFETCH(QString, texto);
        ventana->Forma().Campo(campo.toStdString()).SetBaseValue(valor);
        auto* control = ventana->PageControl->findChild<TUnidades*>(campo);
        QVERIFY(control);
        QCOMPARE(control->text(), texto);
    }

    // Showing a tab runs the form's handler for it and the results appear.
    void laPestanaErosionMuestraSusResultados() {
        const QString antes = ventana->euTeEResultado->text();
        ventana->PageControl->setCurrentIndex(kErosion);
        QCOMPARE(Indice(ventana->Forma().PestanaActual()), kErosion);
        QCOMPARE(ventana->euTeEResultado->text(), QStringLiteral("9.35051"));
        QVERIFY(antes != ventana->euTeEResultado->text());
        QCOMPARE(escritorio->errores, QStringList());
    }

    // A unit picked in the field's selector converts the number shown.
    void laUnidadSeEligeEnElSelector_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<int>("unidad");
        QTest::addColumn<QString>("texto");
        QTest::newRow("euMi30m en cm/h") << "euMi30m" << 1 << "5.5";
        QTest::newRow("euAl en m") << "euAl" << 2 << "0.06";
        QTest::newRow("euPth en hrs") << "euPth" << 2 << "0.167";
    }
    void laUnidadSeEligeEnElSelector() {
        QFETCH(QString, campo);
        QFETCH(int, unidad);
        QFETCH(QString, texto);
        auto* control = ventana->PageControl->findChild<TUnidades*>(campo);
        QVERIFY(control);
        Activar(control->SubCombo(), unidad);
        QCOMPARE(ventana->Forma().Campo(campo.toStdString()).CurrentUnit(), unidad);
        QCOMPARE(control->text(), texto);
        QCOMPARE(escritorio->errores, QStringList());
    }

    // Option, check-box and list widgets.

    // A button clicked chooses its option in the form; an option the form chooses
    // checks its button.
    void losBotonesYLaFormaEligenLoMismo_data() {
        QTest::addColumn<int>("grupo");
        QTest::addColumn<int>("boton");
        for (TGrupoOpciones grupo : kGruposDeOpciones) {
            const auto& botones = BotonesDe(grupo);
            for (int i = 0; i < static_cast<int>(botones.size()); ++i)
                QTest::newRow(botones[static_cast<size_t>(i)]) << static_cast<int>(grupo) << i;
        }
    }
    void losBotonesYLaFormaEligenLoMismo() {
        QFETCH(int, grupo);
        QFETCH(int, boton);
        const auto g = static_cast<TGrupoOpciones>(grupo);
        const auto& nombres = BotonesDe(g);
        const auto radio = [&](int i) {
            return ventana->PageControl->findChild<QRadioButton*>(QString::fromLatin1(nombres[static_cast<size_t>(i)]));
        };
        radio(boton)->click();
        QCOMPARE(ventana->Forma().Opcion(g), boton);
        QVERIFY(radio(boton)->isChecked());

        const int otro = (boton + 1) % static_cast<int>(nombres.size());
        ventana->Forma().ElegirOpcion(g, otro);
        QVERIFY(radio(otro)->isChecked());
        QVERIFY(!radio(boton)->isChecked());
    }

    void lasCasillasYLaFormaMarcanLoMismo_data() {
        QTest::addColumn<int>("casilla");
        for (TCasilla casilla : kCasillas) QTest::newRow(NombreDe(casilla)) << static_cast<int>(casilla);
    }
    void lasCasillasYLaFormaMarcanLoMismo() {
        QFETCH(int, casilla);
        const auto c = static_cast<TCasilla>(casilla);
        auto* caja = ventana->PageControl->findChild<QCheckBox*>(QString::fromLatin1(NombreDe(c)));
        QVERIFY(caja);
        const bool antes = ventana->Forma().Marcada(c);
        QCOMPARE(caja->isChecked(), antes);
        caja->click();
        QCOMPARE(ventana->Forma().Marcada(c), !antes);
        ventana->Forma().Marcar(c, antes);
        QCOMPARE(caja->isChecked(), antes);
    }

    // A list picked reaches the form, and what the form puts in a list shows.
    void lasListasYLaFormaMuestranLoMismo() {
        Activar(ventana->cbTp, 2);
        QCOMPARE(ventana->Forma().Lista(TListaBrovel::cbTp).indice, 2);
        QCOMPARE(int(ventana->Estado().Tp), 2);

        Activar(ventana->cbCph3, 3);
        QCOMPARE(ventana->cbPhn3->count(), 4);
        QCOMPARE(ventana->cbPhn3->currentText(), QStringLiteral("1"));

        ventana->Forma().ElegirEnLista(TListaBrovel::cbCph4, 4);
        QCOMPARE(ventana->cbCph4->currentText(), QStringLiteral("5"));
        QCOMPARE(ventana->cbPhn4->count(), 5);
        QCOMPARE(ventana->cbPhn4->currentIndex(), 0);
    }

    // Every control the form speaks of is shown on its tab exactly when the form
    // shows it, with its caption and its unit selector, after each of these actions.
    void losControlesSeMuestranComoDiceLaForma_data() {
        QTest::addColumn<QString>("accion");
        for (const char* opcion :
             {"rbDm", "rbCyT", "rbCrr", "rbSh", "rbPre", "rbFelle", "rbHr", "rbHdlt", "rbCe", "rbPrde", "rbHdlt2"})
            QTest::newRow(opcion) << opcion;
        for (const char* accion : {"sin labranza", "sin mulching", "sin prácticas", "franjas", "terrazas", "pastoreo",
                                   "Disipación", "Nuevo"})
            QTest::newRow(accion) << accion;
    }
    void losControlesSeMuestranComoDiceLaForma() {
        QFETCH(QString, accion);
        const std::map<QString, std::function<void(TMainFormBrovel&)>> acciones = {
            {"sin labranza", [](TMainFormBrovel& v) { Marcar(v.cbHl, false); }},
            {"sin mulching", [](TMainFormBrovel& v) { Marcar(v.cbHm, false); }},
            {"sin prácticas", [](TMainFormBrovel& v) { Marcar(v.cbHmg, false); }},
            {"franjas", [](TMainFormBrovel& v) { Activar(v.cbTp, 1); }},
            {"terrazas", [](TMainFormBrovel& v) { Activar(v.cbTp, 2); }},
            {"pastoreo", [](TMainFormBrovel& v) { Activar(v.cbTp, 3); }},
            {"Disipación",
             [](TMainFormBrovel& v) {
                 Activar(v.cbTp, 3);
                 MostrarPestana(v, kDisipacion);
             }},
            {"Nuevo",
             [](TMainFormBrovel& v) {
                 Elegir(v.rbDm);
                 Elegir(v.rbFelle);
                 Marcar(v.cbHmg, false);
                 v.Nuevo->trigger();
             }},
        };
        const auto hecha = acciones.find(accion);
        if (hecha != acciones.end())
            hecha->second(*ventana);
        else
            Elegir(*ventana, accion);

        QVERIFY(!ventana->Forma().Visibilidad().empty());
        for (const auto& [nombre, mostrado] : ventana->Forma().Visibilidad()) {
            const QString control = QString::fromStdString(nombre);
            const QWidget* widget = Control(*ventana, control);
            QVERIFY2(widget, qPrintable(control));
            QVERIFY2(TMainFormBrovel::Visible(widget) == mostrado, qPrintable(control));
            if (const auto* campo = qobject_cast<const TUnidades*>(widget)) {
                QVERIFY2(TMainFormBrovel::Visible(campo->EditLabel()) == mostrado, qPrintable(control));
                QVERIFY2(TMainFormBrovel::Visible(campo->SubCombo()) == mostrado, qPrintable(control));
            }
        }
    }

    // The window mirrors only what changed: a control an option hides comes back
    // when the option that shows it is chosen again, however many times.
    void unControlOcultoPorUnaOpcionVuelveAMostrarse_data() {
        QTest::addColumn<QString>("muestra");
        QTest::addColumn<QString>("oculta");
        QTest::addColumn<QStringList>("controles");
        // clang-format off
        QTest::newRow("tormenta extrema") << "rbHdlt" << "rbCe" << kTormenta;
        QTest::newRow("evento") << "rbHdlt2" << "rbPrde" << kEvento;
        // clang-format on
    }
    void unControlOcultoPorUnaOpcionVuelveAMostrarse() {
        QFETCH(QString, muestra);
        QFETCH(QString, oculta);
        QFETCH(QStringList, controles);
        MostrarPestana(*ventana, kForzantes);
        for (int vuelta = 0; vuelta < 2; ++vuelta) {
            Elegir(*ventana, muestra);
            QCOMPARE(Mostrados(*ventana, controles), controles);
            Elegir(*ventana, oculta);
            QCOMPARE(Mostrados(*ventana, controles), QStringList());
        }
        Elegir(*ventana, muestra);
        QCOMPARE(Mostrados(*ventana, controles), controles);
    }

    // A result that goes out of date keeps its number; its field is painted again
    // all the same, in muted red, and again once it is current.
    void unaMarcaQueCambiaSinSuNumeroSeRepinta() {
        ventana->show();
        QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
        MostrarPestana(*ventana, kErosion);
        TUnidades* ls = ventana->euFtEResultado;
        const QString numero = ls->text();
        const QColor normal = ls->palette().color(QPalette::Text);
        TPintadas pintadas(ls);
        QApplication::processEvents();

        const auto recalcular = [&](double pendiente) {
            pintadas.veces = 0;
            ventana->euDt->SetBaseValue(pendiente);
            ventana->Forma().tsErosionShow();
        };
        recalcular(-5);
        QCOMPARE(ls->text(), numero);
        QCOMPARE(ls->palette().color(QPalette::Text), QColor(168, 58, 58));
        QTRY_VERIFY(pintadas.veces > 0);
        recalcular(6);
        QCOMPARE(ls->text(), numero);
        QCOMPARE(ls->palette().color(QPalette::Text), normal);
        QTRY_VERIFY(pintadas.veces > 0);
    }

    // The Suelo tab shows the form's messages, and loses them with them.
    void losMensajesDelSueloSeVenEnSuPestana() {
        Marcar(ventana->cbD, true);
        ventana->euLt->SetBaseValue(3);
        MostrarPestana(*ventana, kSuelo);
        QCOMPARE(ventana->MensajesSuelo(), QStringList{kDescongelamiento});
        ventana->euLt->SetBaseValue(5);
        MostrarPestana(*ventana, kForzantes);
        QCOMPARE(ventana->MensajesSuelo(), QStringList());
    }

    // Layout: on every tab the fields start at one x, their captions end 3 pixels
    // before them and nothing sticks out of its group.
    void losCamposDeCadaPestanaEstanAlineados() {
        ventana->resize(774, 586);
        ventana->show();
        QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
        for (int pestana = kGeometria; pestana <= kErosion; ++pestana) {
            MostrarPestana(*ventana, pestana);
            QWidget* pagina = ventana->PageControl->widget(pestana);
            QSet<int> columnas;
            for (TUnidades* campo : pagina->findChildren<TUnidades*>()) {
                if (!campo->isVisible()) continue;
                const QString nombre = campo->objectName();
                const int x = campo->mapTo(pagina, QPoint(0, 0)).x();
                columnas.insert(x);
                const QRect etiqueta = campo->EditLabel()->geometry();
                QCOMPARE(etiqueta.right() + 1 + 3, campo->geometry().left());
                QVERIFY2(etiqueta.left() >= 0, qPrintable(nombre));
                const QRect selector = campo->SubCombo()->geometry();
                QCOMPARE(selector.left(), campo->geometry().right() + 1 + 3);
                QVERIFY2(selector.right() < campo->parentWidget()->width(), qPrintable(nombre));
            }
            QVERIFY2(columnas.size() == 1, qPrintable(ventana->PageControl->tabText(pestana)));
        }
    }

    // Help: every field explains itself where the eye is, in its tooltip and its
    // caption's, with the sentence of its row.
    void cadaCampoMuestraSuAyuda_data() {
        QTest::addColumn<QString>("campo");
        for (const TDefinicionCampo& d : CamposBrovel()) {
            const std::string nombre(d.nombre);
            QTest::newRow(nombre.c_str()) << QString::fromStdString(nombre);
        }
    }
    void cadaCampoMuestraSuAyuda() {
        QFETCH(QString, campo);
        const TDefinicionCampo& d = CampoBrovel(campo.toStdString());
        const QString ayuda = QString::fromUtf8(d.ayuda.data(), static_cast<int>(d.ayuda.size()));
        QVERIFY2(ayuda.size() > 40, qPrintable(ayuda));
        QVERIFY2(ayuda.endsWith(QLatin1Char('.')) && ayuda.at(0).isUpper(), qPrintable(ayuda));
        // An input with limits names them.
        if (d.clase == TClaseCampo::Entrada || d.clase == TClaseCampo::EntradaSinAviso) {
            if (d.maximo < kSinLimite) QVERIFY2(ayuda.contains(Limite(d.maximo)), qPrintable(ayuda));
            if (d.minimo > 0) QVERIFY2(ayuda.contains(Limite(d.minimo)), qPrintable(ayuda));
            QVERIFY2(ayuda.contains(QStringLiteral("debe ")), qPrintable(ayuda));
        }
        auto* control = ventana->PageControl->findChild<TUnidades*>(campo);
        QVERIFY(control);
        QCOMPARE(control->toolTip(), ayuda);
        QCOMPARE(control->EditLabel()->toolTip(), ayuda);
    }

    // The wheel: over a list or a field without the focus it scrolls the page and
    // changes nothing; a list with the focus still takes it.
    void laRuedaSinFocoDesplazaLaPagina_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("pestana");
        QTest::newRow("cantidad de pasos") << "cbCph" << int(kForzantes);
        QTest::newRow("paso del hietograma") << "cbPhn" << int(kForzantes);
        QTest::newRow("pasos del evento") << "cbCph4" << int(kForzantes);
        QTest::newRow("unidad de un campo") << "euPthUnidad" << int(kForzantes);
        QTest::newRow("campo") << "euPth" << int(kForzantes);
        QTest::newRow("punto de la curva") << "cbPcg" << int(kSuelo);
        QTest::newRow("tipo de práctica") << "cbTp" << int(kCondicionantes);
        QTest::newRow("unidad de un resultado") << "euTecrResultadoUnidad" << int(kForzantes);
    }
    void laRuedaSinFocoDesplazaLaPagina() {
        QFETCH(QString, control);
        QFETCH(int, pestana);
        ventana->resize(774, 586);
        ventana->show();
        QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
        MostrarPestana(*ventana, pestana);
        QWidget* w = Control(*ventana, control);
        QVERIFY(w);
        QVERIFY(!w->hasFocus());
        QScrollBar* barra = BarraDeLaPestana(*ventana, pestana);
        QVERIFY(barra && barra->maximum() > 0);
        barra->setValue(0);
        auto* lista = qobject_cast<QComboBox*>(w);
        const int indice = lista ? lista->currentIndex() : -1;
        const QString texto = qobject_cast<TUnidades*>(w) ? static_cast<TUnidades*>(w)->text() : QString();
        const QStringList antes = Huella(ventana->Forma());

        GirarRueda(w);
        if (lista) QCOMPARE(lista->currentIndex(), indice);
        if (auto* campo = qobject_cast<TUnidades*>(w)) QCOMPARE(campo->text(), texto);
        QCOMPARE(Huella(ventana->Forma()), antes);
        QVERIFY2(barra->value() > 0, "la página no se desplazó");
        QCOMPARE(escritorio->errores, QStringList());
    }

    void laRuedaConFocoCambiaLaLista_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("pestana");
        QTest::newRow("cantidad de pasos") << "cbCph" << int(kForzantes);
        QTest::newRow("unidad de un campo") << "euPthUnidad" << int(kForzantes);
        QTest::newRow("tipo de práctica") << "cbTp" << int(kCondicionantes);
    }
    void laRuedaConFocoCambiaLaLista() {
        QFETCH(QString, control);
        QFETCH(int, pestana);
        ventana->show();
        QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
        MostrarPestana(*ventana, pestana);
        auto* lista = qobject_cast<QComboBox*>(Control(*ventana, control));
        QVERIFY(lista);
        lista->setFocus();
        QVERIFY(lista->hasFocus());
        const int indice = lista->currentIndex();
        const QStringList antes = Huella(ventana->Forma());

        GirarRueda(lista);
        QCOMPARE(lista->currentIndex(), indice + 1);
        QVERIFY2(Huella(ventana->Forma()) != antes, "la forma no se enteró");
    }

    // Layout across tabs and sizes.

    // The input column is the window's: moving from tab to tab the fields stay put.
    void lasPestanasCompartenLaColumnaDeCampos_data() {
        QTest::addColumn<int>("pestana");
        for (int pestana = kSuelo; pestana <= kErosion; ++pestana)
            QTest::newRow(qPrintable(QStringLiteral("Geometría y %1").arg(pestana))) << pestana;
    }
    void lasPestanasCompartenLaColumnaDeCampos() {
        QFETCH(int, pestana);
        ventana->resize(774, 586);
        ventana->show();
        QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
        MostrarPestana(*ventana, kGeometria);
        const QSet<int> geometria = ColumnaDeCampos(*ventana, kGeometria);
        MostrarPestana(*ventana, pestana);
        const QSet<int> otra = ColumnaDeCampos(*ventana, pestana);
        QCOMPARE(geometria.size(), 1);
        QCOMPARE(otra, geometria);
    }

    // A tab not yet shown places its fields when it is: after the window changed
    // size and the options showed more rows, each field is as wide as those of the
    // tab shown, its caption ends before it, its unit after it and its "..." button
    // after the unit.
    void unaPestanaNoVistaColocaSusCamposAlMostrarse_data() {
        QTest::addColumn<int>("pestana");
        QTest::newRow("Suelo") << kSuelo;
        QTest::newRow("Forzantes") << kForzantes;
        QTest::newRow("Condicionantes") << kCondicionantes;
        QTest::newRow("Disipación") << kDisipacion;
        QTest::newRow("Erosión") << kErosion;
    }
    void unaPestanaNoVistaColocaSusCamposAlMostrarse() {
        QFETCH(int, pestana);
        ventana->resize(774, 586);
        ventana->show();
        QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
        for (TCasilla casilla : kCasillas) ventana->Forma().Marcar(casilla, true);
        ventana->Forma().ElegirOpcion(TGrupoOpciones::Suelo, 2);
        ventana->resize(1300, 900);
        QTest::qWait(20);
        const int ancho = ventana->euLt->width();
        MostrarPestana(*ventana, pestana);
        int vistos = 0, botones = 0;
        for (TUnidades* campo : ventana->PageControl->widget(pestana)->findChildren<TUnidades*>()) {
            if (!campo->isVisible()) continue;
            ++vistos;
            const char* nombre = qPrintable(campo->objectName());
            QVERIFY2(campo->width() == ancho, nombre);
            QVERIFY2(campo->EditLabel()->geometry().right() + 1 + 3 == campo->geometry().left(), nombre);
            const QRect unidad = campo->SubCombo()->geometry();
            QVERIFY2(unidad.left() == campo->geometry().right() + 1 + 3, nombre);
            for (QToolButton* boton : campo->parentWidget()->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
                ++botones;
                QVERIFY2(boton->geometry().left() == unidad.right() + 1 + 3, nombre);
            }
        }
        QVERIFY(vistos > 0);
        if (pestana == kCondicionantes) QVERIFY(botones > 0);
    }

    // The count and step lists keep their width when New or Open fills them again.
    void lasListasDeNumerosConservanSuAncho_data() {
        QTest::addColumn<QString>("accion");
        QTest::newRow("Nuevo") << "Nuevo";
        QTest::newRow("Abrir") << "Abrir";
    }
    void lasListasDeNumerosConservanSuAncho() {
        QFETCH(QString, accion);
        QTemporaryDir carpeta;
        QVERIFY(carpeta.isValid());
        const QString ruta = carpeta.filePath(QStringLiteral("listas.bvx"));
        {
            QFile archivo(ruta);
            QVERIFY(archivo.open(QIODevice::WriteOnly));
            // The same options as a new project, with other counts.
            archivo.write(
                "[Suelo]\r\nOpcion=1\r\nCant_puntos=3\r\n"
                "[Forzantes]\r\nOpcion=1\r\nPasos_hieto=4\r\nOpcion2=2\r\nOpcion3=1\r\nPasos_hieto3=5\r\n");
        }
        ventana->resize(774, 586);
        ventana->show();
        QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
        const auto anchos = [&] {
            QMap<QString, int> medidos;
            for (int pestana : {int(kSuelo), int(kForzantes)}) {
                MostrarPestana(*ventana, pestana);
                QTest::qWait(50);
                for (const char* nombre : kListasDeNumeros) {
                    auto* lista = ventana->PageControl->widget(pestana)->findChild<QComboBox*>(nombre);
                    if (lista && lista->isVisible()) medidos[QLatin1String(nombre)] = lista->width();
                }
            }
            return medidos;
        };
        const QMap<QString, int> antes = anchos();
        QCOMPARE(antes.keys(), (QStringList{"cbCph", "cbCph4", "cbPcg", "cbPhn", "cbPhn4"}));
        for (auto ancho = antes.cbegin(); ancho != antes.cend(); ++ancho)
            QVERIFY2(ancho.value() >= kAnchoCampo, qPrintable(ancho.key()));

        if (accion == "Nuevo")
            ventana->Nuevo->trigger();
        else
            QVERIFY(ventana->Forma().AbrirProyecto(QFile::encodeName(ruta).toStdString()));
        QTest::qWait(50);
        if (accion == "Abrir") QCOMPARE(ventana->cbPhn4->count(), 5);
        QCOMPARE(anchos(), antes);
        QCOMPARE(escritorio->errores, QStringList());
    }

    // A window larger than its default size gives its width to the groups and the
    // fields of every tab (a plot beside them keeps its own), and to the drawing of
    // the slope, which keeps its proportions.
    void losGruposCrecenConLaVentana_data() {
        QTest::addColumn<int>("pestana");
        for (int pestana = kGeometria; pestana <= kErosion; ++pestana)
            QTest::newRow(qPrintable(QString::number(pestana))) << pestana;
    }
    void losGruposCrecenConLaVentana() {
        QFETCH(int, pestana);
        ventana->show();
        QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
        const auto medir = [&](QSize tamano) {
            ventana->resize(tamano);
            MostrarPestana(*ventana, pestana);
            QTest::qWait(20);
            int grupo = 0, campo = 0;
            for (QGroupBox* g : ventana->PageControl->widget(pestana)->findChildren<QGroupBox*>())
                if (g->isVisible()) grupo = std::max(grupo, g->width());
            for (TUnidades* c : ventana->PageControl->widget(pestana)->findChildren<TUnidades*>())
                if (c->isVisible()) campo = std::max(campo, c->width());
            return std::pair{grupo, campo};
        };
        const QSize inicial = ventana->size();
        const auto [grupoChico, campoChico] = medir(inicial);
        const auto [grupoGrande, campoGrande] = medir(inicial + QSize(526, 314));
        const auto cambio = [](int antes, int despues) { return QStringLiteral("%1 → %2").arg(antes).arg(despues); };
        QVERIFY2(grupoGrande >= grupoChico + 500, qPrintable(cambio(grupoChico, grupoGrande)));
        QVERIFY2(campoGrande > campoChico + 100, qPrintable(cambio(campoChico, campoGrande)));

        if (pestana != kGeometria) return;
        auto* dibujo = ventana->PageControl->findChild<QWidget*>(QStringLiteral("DibujoLadera"));
        QVERIFY(dibujo);
        const auto trazo = [&](QSize tamano) {
            ventana->resize(tamano);
            QTest::qWait(20);
            return Tinta(dibujo->grab().toImage());
        };
        const QRect chico = trazo({774, 586});
        const QRect grande = trazo({1300, 900});
        QVERIFY2(grande.width() > chico.width() * 5 / 4, qPrintable(cambio(chico.width(), grande.width())));
        const double proporcionChica = double(chico.width()) / chico.height();
        const double proporcionGrande = double(grande.width()) / grande.height();
        QVERIFY2(std::abs(proporcionGrande / proporcionChica - 1) < 0.03,
                 qPrintable(QStringLiteral("%1 → %2").arg(proporcionChica).arg(proporcionGrande)));
    }

    // Error boxes.

    // A text that is not a number, written from code, goes to the caller; the tab
    // that reads it next reports it once, in a box owned by the window.
    void unTextoQueNoEsNumeroSeInformaYSigue() {
        MostrarPestana(*ventana, kDisipacion);
        const QString mensaje = QStringLiteral("'1.2.3' is not a valid floating point value");

        QVERIFY_THROWS_EXCEPTION(ErrorDeConversion, ventana->euLt->SetText(QStringLiteral("1.2.3")));
        QCOMPARE(ventana->euLt->text(), QStringLiteral("1.2.3"));
        QCOMPARE(escritorio->errores, QStringList());

        ventana->PageControl->setCurrentIndex(kErosion);
        QCOMPARE(escritorio->errores, QStringList{mensaje});
        QCOMPARE(escritorio->duenosDeErrores.value(0), ventana.get());

        ventana->euLt->SetText(QStringLiteral("80"));
        QCOMPARE(ventana->Estado().Lt, 80.0);
        MostrarPestana(*ventana, kErosion);
        QCOMPARE(escritorio->errores.size(), 1);
    }

    // Pasted into the edit, it is reported at once and stays as pasted.
    void unTextoPegadoQueNoEsNumeroSeInforma() {
        ventana->euDt->QLineEdit::setText(QStringLiteral("1.2.3"));
        QCOMPARE(escritorio->errores, QStringList{QStringLiteral("'1.2.3' is not a valid floating point value")});
        QCOMPARE(escritorio->duenosDeErrores.value(0), ventana.get());
        QCOMPARE(ventana->euDt->text(), QStringLiteral("1.2.3"));
        ventana->euDt->QLineEdit::setText(QStringLiteral("8"));
        QCOMPARE(ventana->Estado().Dt, 8.0);
        QCOMPARE(escritorio->errores.size(), 1);
    }

private:
    std::unique_ptr<TEscritorioDePrueba> escritorio;
    std::unique_ptr<TMainFormBrovel> ventana;
};

QTEST_MAIN(PruebaBrovel)
#include "Brovel_test.moc"
