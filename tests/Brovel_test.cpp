// The slope window as a view of its form: start-up, the field widgets bound to
// the form's quantities both ways, the option, check-box and list widgets driving
// the form and following it, the controls shown as the form decides, the Suelo
// tab's messages, the layout of the tabs and the error boxes.
#include "VentanaBrovel.h"

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
        QCOMPARE(ventana->windowTitle(), QStringLiteral("Brovel - Sin Nombre"));
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
        QCOMPARE(ventana->Forma().PestanaActual(), int(kErosion));
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
            return ventana->PageControl->findChild<QRadioButton*>(
                QString::fromLatin1(nombres[static_cast<size_t>(i)]));
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
        for (const char* accion : {"sin labranza", "sin mulching", "sin prácticas", "franjas", "terrazas",
                                   "pastoreo", "Disipación", "Nuevo"})
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
            {"Disipación", [](TMainFormBrovel& v) {
                 Activar(v.cbTp, 3);
                 MostrarPestana(v, kDisipacion);
             }},
            {"Nuevo", [](TMainFormBrovel& v) {
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
