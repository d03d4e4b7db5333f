// The slope window around its model: start-up, what each option shows, which
// handler each edit runs, hidden inputs, and the faults it keeps quiet or reports.
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
        QVERIFY(!ventana->RecalculoSuspendido);
        QVERIFY(!ventana->ErrorRango);
        QVERIFY(!ventana->FaltaVerificar);
        QVERIFY(!ventana->ErrorLimos);
        QVERIFY(!ventana->ErrorArena);
        QVERIFY(!ventana->FaltaZumbrel);
        QCOMPARE(escritorio->errores, QStringList());
        QCOMPARE(escritorio->modales, QStringList());
    }

    void laPestanaErosionMuestraElProyectoPorDefecto() {
        ventana->PageControl->setCurrentIndex(kErosion);
        const TEstadoBrovel& e = ventana->Estado;
        VERIFICAR_CERCA(e.TeE, 9.3505053052130279);
        VERIFICAR_CERCA(e.PsE, 125.41806829029869);
        VERIFICAR_CERCA(e.Fps, 0.8718327105474365);
        QCOMPARE(Valor(ventana->euTeEResultado), Redondeado(e.TeE, 5));
        QCOMPARE(ventana->euTeEResultado->text(), QStringLiteral("9.35051"));
        QCOMPARE(Valor(ventana->euPsEResultado), Redondeado(e.PsE, 3));
        QCOMPARE(Valor(ventana->euFpsEResultado), Redondeado(e.Fps, 3));
        QCOMPARE(Valor(ventana->euFesEResultado), Redondeado(e.Fes, 3));
        QCOMPARE(Valor(ventana->euFtEResultado), Redondeado(e.Ft, 3));
        QCOMPARE(Valor(ventana->euFcmEResultado), Redondeado(e.Fcm, 3));
        QCOMPARE(escritorio->errores, QStringList());
    }

    // Every field of the table: units that read, a base unit first, a default
    // inside its own range, and a widget of that name on the tabs.
    void laTablaDeCamposEsCoherente() {
        for (const TDefinicionCampo& d : CamposBrovel()) {
            const QString nombre = QString::fromUtf8(d.nombre.data(), static_cast<int>(d.nombre.size()));
            const std::vector<TUnidad> unidades = LeerUnidades(UnidadesDe(d));
            QVERIFY2(!unidades.empty(), qPrintable(nombre));
            QVERIFY2(unidades.front().factor == 1 && unidades.front().desplazamiento == 0, qPrintable(nombre));
            for (const TUnidad& u : unidades)
                QVERIFY2(u.factor > 0 && u.desplazamiento == 0 && !u.nombre.empty(), qPrintable(nombre));
            if (!std::isnan(static_cast<double>(d.porDefecto)) && d.clase == TClaseCampo::Entrada)
                QVERIFY2(d.minimo <= d.porDefecto && d.porDefecto <= d.maximo, qPrintable(nombre));
            QVERIFY2(ventana->PageControl->findChild<TUnidades*>(nombre), qPrintable(nombre));
        }
    }

    // A unit shows the same quantity: 55 mm/h is 5.5 cm/h, 52 cm are 0.52 m.
    void lasUnidadesConviertenBien_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<int>("unidad");
        QTest::addColumn<double>("mostrado");
        QTest::newRow("euMi30m en cm/h") << "euMi30m" << 1 << 5.5;
        QTest::newRow("euMi30m en m/h") << "euMi30m" << 2 << 0.055;
        QTest::newRow("euAmf en m") << "euAmf" << 2 << 0.52;
        QTest::newRow("euAl en m") << "euAl" << 2 << 0.06;
        QTest::newRow("euAl en mm") << "euAl" << 1 << 60.0;
        QTest::newRow("euRast en m") << "euRast" << 2 << 0.02;
        QTest::newRow("euFatc en %") << "euFatc" << 1 << 80.0;
        QTest::newRow("euPth en hrs") << "euPth" << 2 << 10.0 / 60;
    }
    void lasUnidadesConviertenBien() {
        QFETCH(QString, campo);
        QFETCH(int, unidad);
        QFETCH(double, mostrado);
        auto* c = ventana->PageControl->findChild<TUnidades*>(campo);
        QVERIFY(c);
        c->Cantidad().CambiarUnidad(unidad);
        QVERIFY2(std::fabs(static_cast<double>(c->AsFloat()) - Redondeado(mostrado, c->DecimalPlaces())) < 1e-12,
                 qPrintable(c->text()));
    }

    // From 1E+4 up a field shows four significant digits, and the model takes what it shows.
    void unNumeroGrandeSeLeeComoSeMuestra() {
        Elegir(*ventana, QStringLiteral("rbFelle"));
        ventana->euFele->SetBaseValue(12345);
        QCOMPARE(ventana->euFele->text(), QStringLiteral("1.235E+4"));
        QCOMPARE(ventana->Estado.Felle, 12350.0);
    }

    // On every tab the fields start at one x, their captions end 3 pixels before
    // them and nothing sticks out of its group.
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

    // What each option shows.

    // Each option shows its own inputs, hides the others' and sets its code.
    void loQueMuestraCadaOpcion_data() {
        QTest::addColumn<QString>("opcion");
        QTest::addColumn<QStringList>("mostrados");
        QTest::addColumn<QStringList>("ocultos");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("miembro");
        QTest::newRow("curva") << "rbCrr" << kCurva + QStringList{"euDMResultado"}
                               << kTextura + QStringList{"euDm"} << 0
            << QStringLiteral("OpcionSuelo");
        QTest::newRow("diámetro medio") << "rbDm" << QStringList{"euDm"}
                                        << kCurva + kTextura + QStringList{"euDMResultado"} << 1
            << QStringLiteral("OpcionSuelo");
        QTest::newRow("clase y textura") << "rbCyT" << kTextura << kCurva + QStringList{"euDm", "euDMResultado"} << 2
            << QStringLiteral("OpcionSuelo");
        QTest::newRow("hietograma representativo")
            << "rbHr" << kHietogramaRepresentativo + QStringList{"euCta", "euFdeResultado"}
            << kSerie + kEnergia + QStringList{"euFele"} << 0
            << QStringLiteral("OpcionLluviaMedia");
        QTest::newRow("serie de hietogramas")
            << "rbSh" << kSerie + QStringList{"euCta", "euFdeResultado"}
            << kHietogramaRepresentativo + kEnergia + QStringList{"euFele"} << 1
            << QStringLiteral("OpcionLluviaMedia");
        QTest::newRow("parámetros de la energía")
            << "rbPre" << kEnergia + QStringList{"euCta", "euFdeResultado"}
            << kHietogramaRepresentativo + kSerie + QStringList{"euFele"} << 2
            << QStringLiteral("OpcionLluviaMedia");
        QTest::newRow("erosividad dada")
            << "rbFelle" << QStringList{"euFele"}
            << kHietogramaRepresentativo + kSerie + kEnergia + QStringList{"euCta", "euFdeResultado"} << 3
            << QStringLiteral("OpcionLluviaMedia");
        QTest::newRow("hietograma de la tormenta")
            << "rbHdlt" << kTormenta + QStringList{"euCEResultado"} << QStringList{"euCe"} << 0
            << QStringLiteral("OpcionLluviaExtrema");
        QTest::newRow("escorrentía dada") << "rbCe" << QStringList{"euCe"} << kTormenta + QStringList{"euCEResultado"}
                                          << 1
            << QStringLiteral("OpcionLluviaExtrema");
        QTest::newRow("hietograma del evento") << "rbHdlt2" << kEvento << QStringList{"euVp", "euCp"} << 0
            << QStringLiteral("OpcionEvento");
        QTest::newRow("parámetros del evento") << "rbPrde" << QStringList{"euVp", "euCp"} << kEvento << 1
            << QStringLiteral("OpcionEvento");
    }
    void loQueMuestraCadaOpcion() {
        QFETCH(QString, opcion);
        QFETCH(QStringList, mostrados);
        QFETCH(QStringList, ocultos);
        QFETCH(int, codigo);
        QFETCH(QString, miembro);
        Elegir(*ventana, opcion);
        QCOMPARE(Mostrados(*ventana, mostrados), mostrados);
        QCOMPARE(Mostrados(*ventana, ocultos), QStringList());
        const TEstadoBrovel& e = ventana->Estado;
        const std::map<QString, int> codigos = {{"OpcionSuelo", e.OpcionSuelo},
                                                {"OpcionLluviaMedia", e.OpcionLluviaMedia},
                                                {"OpcionLluviaExtrema", e.OpcionLluviaExtrema},
                                                {"OpcionEvento", e.OpcionEvento}};
        QCOMPARE(codigos.at(miembro), codigo);
    }

    void casillasDeCondicionantes_data() {
        QTest::addColumn<QString>("casilla");
        QTest::addColumn<bool>("marcada");
        QTest::addColumn<QStringList>("mostrados");
        QTest::addColumn<QStringList>("ocultos");
        const QStringList labranza = {"euTtfo", "euFcss"};
        const QStringList mulching = {"euRacmr", "euPsrua", "lblMde", "cbMde"};
        const QStringList practicas = QStringList{"cbTp", "lblTp"} + kFranjas + kTerrazas + kPastoreo + kPerfilado;
        QTest::newRow("con labranza") << "cbHl" << true << labranza << QStringList();
        QTest::newRow("sin labranza") << "cbHl" << false << QStringList() << labranza;
        QTest::newRow("con mulching") << "cbHm" << true << mulching << QStringList();
        QTest::newRow("sin mulching") << "cbHm" << false << QStringList() << mulching;
        QTest::newRow("con prácticas") << "cbHmg" << true << QStringList{"cbTp", "lblTp"} + kPerfilado
                                       << kFranjas + kTerrazas + kPastoreo + QStringList{"euFdPdS"};
        QTest::newRow("sin prácticas") << "cbHmg" << false << QStringList{"euFdPdS"} << practicas;
    }
    void casillasDeCondicionantes() {
        QFETCH(QString, casilla);
        QFETCH(bool, marcada);
        QFETCH(QStringList, mostrados);
        QFETCH(QStringList, ocultos);
        auto* control = ventana->PageControl->findChild<QCheckBox*>(casilla);
        QVERIFY(control);
        Marcar(control, marcada);
        QCOMPARE(Mostrados(*ventana, mostrados), mostrados);
        QCOMPARE(Mostrados(*ventana, ocultos), QStringList());
    }

    void tipoDePractica_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QStringList>("mostrados");
        QTest::addColumn<QStringList>("ocultos");
        QTest::newRow("perfilado") << 0 << kPerfilado + QStringList{"euLctResultado", "euFpsResultado"}
                                   << kFranjas + kTerrazas + kPastoreo + QStringList{"euFdPdS"};
        QTest::newRow("cultivo en franjas")
            << 1 << kFranjas + QStringList{"euFdPdS"}
            << kPerfilado + kTerrazas + kPastoreo + QStringList{"euLctResultado", "euFpsResultado"};
        QTest::newRow("aterrazamiento") << 2 << kTerrazas + QStringList{"euFdPdS"}
                                        << kPerfilado + kFranjas + kPastoreo +
                                               QStringList{"euLctResultado", "euFpsResultado"};
        QTest::newRow("campos de pastoreo") << 3 << kPastoreo + QStringList{"euFpsResultado"}
                                            << kPerfilado + kFranjas + kTerrazas +
                                                   QStringList{"euFdPdS", "euLctResultado"};
    }
    void tipoDePractica() {
        QFETCH(int, tipo);
        QFETCH(QStringList, mostrados);
        QFETCH(QStringList, ocultos);
        ventana->cbTp->setCurrentIndex(tipo);
        ventana->cbTpChange();
        QCOMPARE(int(ventana->Estado.Tp), tipo);
        // The critical length and P of the Disipación tab follow its own recalculation.
        MostrarPestana(*ventana, kDisipacion);
        QCOMPARE(Mostrados(*ventana, mostrados), mostrados);
        QCOMPARE(Mostrados(*ventana, ocultos), QStringList());
    }

    void sinPracticasDeSoporteElFactorEsUno() {
        Marcar(ventana->cbHmg, false);
        QCOMPARE(int(ventana->Estado.Tp), 4);
        QCOMPARE(ventana->Estado.Fps, 1.0);
        QVERIFY(TMainFormBrovel::Visible(ventana->euFdPdS));
        QCOMPARE(Valor(ventana->euFdPdS), 1.0);
        MostrarPestana(*ventana, kErosion);
        QCOMPARE(int(ventana->Estado.Tp), 4);
        QCOMPARE(Valor(ventana->euFpsEResultado), 1.0);
        QCOMPARE(ventana->Estado.Fps, 1.0);
    }

    // Hidden inputs.

    void laTexturaVuelveConLaOpcion() {
        Elegir(ventana->rbCyT);
        ventana->euPl->SetBaseValue(40);
        ventana->euPlm->SetBaseValue(70);
        ventana->euPa->SetBaseValue(20);
        ventana->euPmo->SetBaseValue(3);
        QCOMPARE(ventana->Panel1->text(), kOk);
        const TEstadoBrovel& e = ventana->Estado;
        QCOMPARE(e.Pl, 40.0);
        QCOMPARE(e.Plm, 70.0);
        QCOMPARE(e.Pa, 20.0);
        QCOMPARE(e.Pmo, 3.0);
        const double fesConTextura = e.Fes;

        Elegir(ventana->rbCrr);
        QCOMPARE(int(e.OpcionSuelo), 0);
        QVERIFY(e.Fes != fesConTextura);
        QCOMPARE(e.Pl, 40.0);
        QCOMPARE(e.Plm, 70.0);
        QCOMPARE(e.Pa, 20.0);
        QCOMPARE(e.Pmo, 3.0);

        Elegir(ventana->rbCyT);
        QCOMPARE(int(e.OpcionSuelo), 2);
        QCOMPARE(e.Pl, 40.0);
        QCOMPARE(e.Plm, 70.0);
        QCOMPARE(e.Pa, 20.0);
        QCOMPARE(e.Pmo, 3.0);
        QCOMPARE(Valor(ventana->euPl), 40.0);
        QCOMPARE(e.Fes, fesConTextura);
    }

    void unaEntradaOcultaNoLlegaAlModelo() {
        Elegir(ventana->rbCyT);
        ventana->euPmo->SetBaseValue(3);
        Elegir(ventana->rbCrr);
        ventana->euPmo->SetBaseValue(4);
        QCOMPARE(ventana->Estado.Pmo, 3.0);
        Elegir(ventana->rbCyT);
        QCOMPARE(ventana->Estado.Pmo, 4.0);
    }

    void sinLabranzaSeConservaElTiempo() {
        ventana->euTtfo->SetBaseValue(3);
        const TEstadoBrovel& e = ventana->Estado;
        QCOMPARE(e.Ttfo, 3.0);
        const double fcss = e.Fcss;

        Marcar(ventana->cbHl, false);
        QVERIFY(!e.Hl);
        QCOMPARE(e.Ttfo, 3.0);
        QCOMPARE(Valor(ventana->euTtfo), 3.0);

        Marcar(ventana->cbHl, true);
        QVERIFY(e.Hl);
        QCOMPARE(e.Ttfo, 3.0);
        QCOMPARE(e.Fcss, fcss);
        QCOMPARE(Valor(ventana->euFcss), Redondeado(fcss, 3));
    }

    // The chain.

    void laLongitudSoloRecalculaLaGeometria() {
        MostrarPestana(*ventana, kCondicionantes);
        const TEstadoBrovel& e = ventana->Estado;
        const double ft = e.Ft;
        ventana->euLt->SetBaseValue(100);
        QCOMPARE(e.Lt, 100.0);
        QCOMPARE(e.Ft, ft);
        MostrarPestana(*ventana, kDisipacion);
        QVERIFY(e.Ft != ft);
        QCOMPARE(Valor(ventana->euFtResultado), Redondeado(e.Ft, 3));
    }

    // Thaw.

    void mensajeDeDescongelamiento_data() {
        QTest::addColumn<bool>("descongelamiento");
        QTest::addColumn<double>("longitud");
        QTest::addColumn<bool>("mensaje");
        QTest::newRow("3 m con descongelamiento") << true << 3.0 << true;
        QTest::newRow("4.5 m con descongelamiento") << true << 4.5 << true;
        QTest::newRow("5 m con descongelamiento") << true << 5.0 << false;
        QTest::newRow("3 m sin descongelamiento") << false << 3.0 << false;
    }
    void mensajeDeDescongelamiento() {
        QFETCH(bool, descongelamiento);
        QFETCH(double, longitud);
        QFETCH(bool, mensaje);
        ventana->euLt->SetBaseValue(longitud);
        Marcar(ventana->cbD, descongelamiento);
        MostrarPestana(*ventana, kSuelo);
        QCOMPARE(ventana->MensajesSuelo(), mensaje ? QStringList{kDescongelamiento} : QStringList());
    }

    void alargarElBrovelQuitaElMensaje() {
        Marcar(ventana->cbD, true);
        ventana->euLt->SetBaseValue(3);
        MostrarPestana(*ventana, kSuelo);
        QCOMPARE(ventana->MensajesSuelo(), QStringList{kDescongelamiento});
        ventana->euLt->SetBaseValue(5);
        MostrarPestana(*ventana, kForzantes);
        QCOMPARE(ventana->MensajesSuelo(), QStringList());
    }

    // Faults.

    void mulchingSinRugosidadConservaLosResultados() {
        QVERIFY(ventana->cbHm->isChecked());
        MostrarPestana(*ventana, kErosion);
        const TEstadoBrovel antes = ventana->Estado;
        ventana->euRast->SetBaseValue(0);
        QCOMPARE(ventana->Estado.Rast, 0.0);
        MostrarPestana(*ventana, kErosion);
        const TEstadoBrovel& despues = ventana->Estado;
        QCOMPARE(despues.Scs, antes.Scs);
        QCOMPARE(despues.Srs, antes.Srs);
        QCOMPARE(despues.Fcm, antes.Fcm);
        QCOMPARE(despues.Lct, antes.Lct);
        QCOMPARE(despues.Fps, antes.Fps);
        QCOMPARE(despues.TeE, antes.TeE);
        QCOMPARE(Valor(ventana->euScsEResultado), Redondeado(antes.Scs, 3));
        QCOMPARE(escritorio->errores, QStringList());
        QCOMPARE(escritorio->modales, QStringList());
    }

    void unTextoQueNoEsNumeroSeInformaYSigue() {
        MostrarPestana(*ventana, kErosion);
        const double teE = ventana->Estado.TeE;
        MostrarPestana(*ventana, kDisipacion);
        const QString mensaje = QStringLiteral("'1.2.3' is not a valid floating point value");

        // Written from code, the text is kept and the failed reading goes to the caller.
        QVERIFY_THROWS_EXCEPTION(ErrorDeConversion, ventana->euLt->SetText(QStringLiteral("1.2.3")));
        QCOMPARE(ventana->euLt->text(), QStringLiteral("1.2.3"));
        QCOMPARE(escritorio->errores, QStringList());

        ventana->PageControl->setCurrentIndex(kErosion);
        QCOMPARE(escritorio->errores, QStringList{mensaje});
        QCOMPARE(escritorio->duenosDeErrores.value(0), ventana.get());
        QCOMPARE(ventana->Estado.Lt, 60.0);
        QCOMPARE(ventana->Estado.TeE, teE);

        ventana->euLt->SetText(QStringLiteral("80"));
        QCOMPARE(ventana->Estado.Lt, 80.0);
        MostrarPestana(*ventana, kErosion);
        QVERIFY(ventana->Estado.TeE != teE);
        QCOMPARE(escritorio->errores.size(), 1);
    }

    void unTextoPegadoQueNoEsNumeroSeInforma() {
        ventana->euDt->QLineEdit::setText(QStringLiteral("1.2.3"));
        QCOMPARE(escritorio->errores, QStringList{QStringLiteral("'1.2.3' is not a valid floating point value")});
        QCOMPARE(ventana->euDt->text(), QStringLiteral("1.2.3"));
        ventana->euDt->QLineEdit::setText(QStringLiteral("8"));
        QCOMPARE(ventana->Estado.Dt, 8.0);
        QCOMPARE(escritorio->errores.size(), 1);
    }

private:
    std::unique_ptr<TEscritorioDePrueba> escritorio;
    std::unique_ptr<TMainFormBrovel> ventana;
};

QTEST_MAIN(PruebaBrovel)
#include "Brovel_test.moc"
