// The slope window's editors: the grain-size curve, the texture limits and the
// hyetograph steps, with the soil-data checks that the status panel reports.
#include "VentanaBrovel.h"

class PruebaBrovelEditores : public QObject {
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

    // The grain-size curve.

    void ordenDeLaCurva_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<int>("punto");
        QTest::addColumn<double>("valor");
        QTest::addColumn<bool>("error");
        QTest::newRow("diámetro menor que el siguiente") << "euDg" << 2 << 0.3 << true;
        QTest::newRow("diámetro igual al siguiente") << "euDg" << 2 << 0.42 << false;
        QTest::newRow("diámetro mayor que el anterior") << "euDg" << 3 << 2.5 << true;
        QTest::newRow("diámetro igual al anterior") << "euDg" << 3 << 2.0 << false;
        QTest::newRow("porcentaje mayor que el anterior") << "euPp" << 4 << 99.5 << true;
        QTest::newRow("porcentaje igual al anterior") << "euPp" << 4 << 99.0 << false;
        QTest::newRow("porcentaje menor que el siguiente") << "euPp" << 5 << 60.0 << true;
    }
    void ordenDeLaCurva() {
        QFETCH(QString, campo);
        QFETCH(int, punto);
        QFETCH(double, valor);
        QFETCH(bool, error);
        MostrarPestana(*ventana, kErosion);
        const double teE = ventana->Estado.TeE;
        const QString textoTeE = ventana->euTeEResultado->text();

        ElegirPunto(*ventana, punto);
        TUnidades* editor = campo == QLatin1String("euDg") ? ventana->euDg : ventana->euPp;
        const double original = Valor(editor);
        editor->SetBaseValue(valor);
        QCOMPARE(ventana->Panel1->text(), error ? kNoDecreciente : kOk);
        QCOMPARE(ventana->Panel1->EnError(), error);
        QCOMPARE(ventana->RecalculoSuspendido, error);
        QCOMPARE(ventana->ErrorRango, error);
        QVERIFY(!ventana->FaltaVerificar);

        if (error) {
            MostrarPestana(*ventana, kErosion);
            QCOMPARE(ventana->Estado.TeE, teE);
            QCOMPARE(ventana->euTeEResultado->text(), textoTeE);
        }

        editor->SetBaseValue(original);
        QCOMPARE(ventana->Panel1->text(), kOk);
        QVERIFY(!ventana->RecalculoSuspendido);
        MostrarPestana(*ventana, kErosion);
        VERIFICAR_CERCA(ventana->Estado.TeE, teE);
    }

    void conErrorEnLosUltimosPuntosBajarLaCantidadNoLoResuelve() {
        ElegirPunto(*ventana, 7);
        ventana->euDg->SetBaseValue(0.1);
        QCOMPARE(ventana->Panel1->text(), kNoDecreciente);

        // The check runs on the count stored by the last complete recalculation.
        ventana->euCpcg->SetBaseValue(5);
        QCOMPARE(ventana->cbPcg->count(), 5);
        QCOMPARE(ventana->Estado.Cpcg, 9);
        QCOMPARE(ventana->Panel1->text(), kNoDecreciente);
        QVERIFY(ventana->RecalculoSuspendido);

        ventana->euCpcg->SetBaseValue(9);
        QCOMPARE(ventana->cbPcg->count(), 9);
        QCOMPARE(ventana->Panel1->text(), kNoDecreciente);
        ElegirPunto(*ventana, 7);
        QCOMPARE(Valor(ventana->euDg), 0.1);
        ventana->euDg->SetBaseValue(0.06);
        QCOMPARE(ventana->Panel1->text(), kOk);
        QVERIFY(!ventana->RecalculoSuspendido);
        QCOMPARE(ventana->Estado.Cpcg, 9);
    }

    void cambiarLaCantidadNoRefrescaElPunto() {
        ElegirPunto(*ventana, 3);
        ventana->euCpcg->SetBaseValue(8);
        QCOMPARE(ventana->cbPcg->count(), 8);
        QCOMPARE(ventana->cbPcg->currentText(), QStringLiteral("1"));
        QCOMPARE(Valor(ventana->euDg), 0.42);
        QCOMPARE(Valor(ventana->euPp), 99.0);
        QCOMPARE(ventana->Estado.Cpcg, 8);

        // The next edit goes to the point the selector shows.
        ventana->euDg->SetBaseValue(5);
        QCOMPARE(ventana->Estado.Dg[1], 5.0);
        QCOMPARE(ventana->Estado.Dg[3], 0.42);
        QCOMPARE(ventana->Panel1->text(), kOk);
    }

    void elegirUnPuntoMuestraSusValores_data() {
        QTest::addColumn<int>("punto");
        QTest::addColumn<double>("diametro");
        QTest::addColumn<double>("pasante");
        const double diametros[] = {4.76, 2.0, 0.42, 0.25, 0.15, 0.07, 0.05, 0.005, 0.0005};
        const double pasantes[] = {100, 100, 99, 98, 84.8, 64.5, 43, 12.5, 1};
        for (int i = 0; i < 9; ++i)
            QTest::addRow("punto %d", i + 1) << i + 1 << diametros[i] << pasantes[i];
    }
    void elegirUnPuntoMuestraSusValores() {
        QFETCH(int, punto);
        QFETCH(double, diametro);
        QFETCH(double, pasante);
        ElegirPunto(*ventana, 9 - punto + 1);
        ElegirPunto(*ventana, punto);
        QCOMPARE(ventana->cbPcg->currentText(), QString::number(punto));
        QCOMPARE(Valor(ventana->euDg), diametro);
        QCOMPARE(Valor(ventana->euPp), pasante);
        QCOMPARE(ventana->Panel1->text(), kOk);
    }

    void bajarUnDiametroSoloMarcaPorUnMomento() {
        ElegirPunto(*ventana, 5);
        ventana->euDg->SetBaseValue(0.1);
        QCOMPARE(ventana->Estado.Dg[5], 0.1);
        QVERIFY(!ventana->FaltaVerificar);
        QVERIFY(!ventana->ErrorRango);
        QVERIFY(!ventana->RecalculoSuspendido);
        QCOMPARE(ventana->Panel1->text(), kOk);
    }

    // Away from the curve option the mark stays, so it shows what the editor decided.
    void soloUnDiametroMenorPideVerificar_data() {
        QTest::addColumn<double>("diametro");
        QTest::addColumn<bool>("pide");
        QTest::newRow("menor") << 0.1 << true;
        QTest::newRow("apenas menor") << 0.14999 << true;
        QTest::newRow("igual") << 0.15 << false;
        QTest::newRow("mayor") << 0.2 << false;
    }
    void soloUnDiametroMenorPideVerificar() {
        QFETCH(double, diametro);
        QFETCH(bool, pide);
        ElegirPunto(*ventana, 5);
        Elegir(ventana->rbDm);
        ventana->euDg->SetBaseValue(diametro);
        QCOMPARE(ventana->Estado.Dg[5], diametro);
        QCOMPARE(ventana->FaltaVerificar, pide);
        QCOMPARE(ventana->Panel1->text(), kOk);

        // Back on the curve, the Suelo recalculation checks it at once.
        Elegir(ventana->rbCrr);
        QVERIFY(!ventana->FaltaVerificar);
        QCOMPARE(ventana->Panel1->text(), kOk);
    }

    void laCantidadDePuntosSeTrunca_data() {
        QTest::addColumn<double>("cantidad");
        QTest::addColumn<double>("escrita");
        QTest::addColumn<int>("puntos");
        QTest::newRow("5.7") << 5.7 << 5.0 << 5;
        QTest::newRow("12") << 12.0 << 12.0 << 12;
        QTest::newRow("25") << 25.0 << 25.0 << 20;
        QTest::newRow("0") << 0.0 << 0.0 << 0;
    }
    void laCantidadDePuntosSeTrunca() {
        QFETCH(double, cantidad);
        QFETCH(double, escrita);
        QFETCH(int, puntos);
        ventana->euCpcg->SetBaseValue(cantidad);
        QCOMPARE(Valor(ventana->euCpcg), escrita);
        QCOMPARE(ventana->cbPcg->count(), puntos);
        QCOMPARE(ventana->cbPcg->currentIndex(), puntos > 0 ? 0 : -1);
        if (puntos > 0) QCOMPARE(ventana->cbPcg->itemText(puntos - 1), QString::number(puntos));
        QVERIFY(ventana->Estado.Cpcg >= 0 && ventana->Estado.Cpcg <= 20);
        QCOMPARE(escritorio->errores, QStringList());
    }

    void estadoDelPanel_data() {
        QTest::addColumn<QString>("opcion");
        QTest::addColumn<bool>("faltaVerificar");
        QTest::addColumn<bool>("errorRango");
        QTest::addColumn<bool>("errorLimos");
        QTest::addColumn<bool>("errorArena");
        QTest::addColumn<bool>("faltaZumbrel");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<bool>("suspendido");
        QTest::newRow("curva sin marcas") << "rbCrr" << false << false << false << false << false << kOk << false;
        QTest::newRow("curva sin verificar") << "rbCrr" << true << false << false << false << false
                                             << kFaltaVerificar << true;
        QTest::newRow("curva no decreciente") << "rbCrr" << false << true << false << false << false
                                              << kNoDecreciente << true;
        QTest::newRow("curva, sin verificar primero") << "rbCrr" << true << true << false << false << false
                                                      << kFaltaVerificar << true;
        QTest::newRow("curva, la textura no cuenta") << "rbCrr" << false << false << true << true << false << kOk
                                                     << false;
        QTest::newRow("textura, arena") << "rbCyT" << false << false << false << true << false << kArena << true;
        QTest::newRow("textura, limos") << "rbCyT" << false << false << true << false << false << kLimos << true;
        QTest::newRow("textura, arena primero") << "rbCyT" << false << false << true << true << false << kArena
                                                << true;
        QTest::newRow("textura, la curva no cuenta") << "rbCyT" << true << true << false << false << false << kOk
                                                     << false;
        QTest::newRow("diámetro medio, nada cuenta") << "rbDm" << true << true << true << true << false << kOk
                                                     << false;
        QTest::newRow("falta zumbrel") << "rbCrr" << false << false << false << false << true << kFaltaZumbrel
                                       << false;
        QTest::newRow("falta zumbrel sobre un error") << "rbCrr" << false << true << false << false << true
                                                      << kFaltaZumbrel << true;
        QTest::newRow("falta zumbrel con textura") << "rbCyT" << false << false << true << false << true
                                                   << kFaltaZumbrel << true;
    }
    void estadoDelPanel() {
        QFETCH(QString, opcion);
        QFETCH(bool, faltaVerificar);
        QFETCH(bool, errorRango);
        QFETCH(bool, errorLimos);
        QFETCH(bool, errorArena);
        QFETCH(bool, faltaZumbrel);
        QFETCH(QString, mensaje);
        QFETCH(bool, suspendido);
        Elegir(*ventana, opcion);
        ventana->FaltaVerificar = faltaVerificar;
        ventana->ErrorRango = errorRango;
        ventana->ErrorLimos = errorLimos;
        ventana->ErrorArena = errorArena;
        ventana->FaltaZumbrel = faltaZumbrel;
        ventana->ActualizarEstado();
        QCOMPARE(ventana->Panel1->text(), mensaje);
        QCOMPARE(ventana->Panel1->EnError(), mensaje != kOk);
        QCOMPARE(ventana->RecalculoSuspendido, suspendido);
    }

    void verificarDatosLevantaLaMarca() {
        ventana->FaltaVerificar = true;
        ventana->ActualizarEstado();
        QCOMPARE(ventana->Panel1->text(), kFaltaVerificar);
        ventana->Button1->click();
        QVERIFY(!ventana->FaltaVerificar);
        QCOMPARE(ventana->Panel1->text(), kOk);
        QVERIFY(!ventana->RecalculoSuspendido);
    }

    // Texture.

    void limitesDeTextura_data() {
        QTest::addColumn<double>("limos");
        QTest::addColumn<double>("arena");
        QTest::addColumn<double>("limosModificado");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("en orden") << 20.0 << 30.0 << 70.0 << kOk;
        QTest::newRow("iguales") << 30.0 << 30.0 << 30.0 << kOk;
        QTest::newRow("modificado bajo la arena") << 20.0 << 30.0 << 25.0 << kArena;
        QTest::newRow("modificado bajo la arena y los limos") << 20.0 << 30.0 << 15.0 << kArena;
        QTest::newRow("modificado bajo los limos") << 60.0 << 30.0 << 50.0 << kLimos;
    }
    void limitesDeTextura() {
        QFETCH(double, limos);
        QFETCH(double, arena);
        QFETCH(double, limosModificado);
        QFETCH(QString, mensaje);
        Elegir(ventana->rbCyT);
        ventana->euPl->SetBaseValue(limos);
        ventana->euPa->SetBaseValue(arena);
        ventana->euPlm->SetBaseValue(limosModificado);
        QCOMPARE(ventana->Panel1->text(), mensaje);
        QCOMPARE(ventana->RecalculoSuspendido, mensaje != kOk);
    }

    void losLimosAcotanLosOtrosPorcentajes_data() {
        QTest::addColumn<double>("limos");
        QTest::addColumn<double>("minimoModificado");
        QTest::addColumn<double>("maximoArena");
        QTest::newRow("40") << 40.0 << 40.0 << 60.0;
        QTest::newRow("12.5") << 12.5 << 12.5 << 87.5;
        QTest::newRow("0") << 0.0 << 0.0 << 100.0;
    }
    void losLimosAcotanLosOtrosPorcentajes() {
        QFETCH(double, limos);
        QFETCH(double, minimoModificado);
        QFETCH(double, maximoArena);
        Elegir(ventana->rbCyT);
        ventana->euPl->SetBaseValue(limos);
        QCOMPARE(double(ventana->euPlm->BaseMin()), minimoModificado);
        QCOMPARE(double(ventana->euPa->BaseMax()), maximoArena);
        QVERIFY(ventana->euPlm->UseRange());
        QVERIFY(ventana->euPa->UseRange());
    }

    void pasarALaCurvaLevantaElErrorDeTextura() {
        Elegir(ventana->rbCyT);
        ventana->euPl->SetBaseValue(20);
        ventana->euPlm->SetBaseValue(25);
        QCOMPARE(ventana->Panel1->text(), kArena);
        QVERIFY(ventana->RecalculoSuspendido);

        Elegir(ventana->rbCrr);
        QCOMPARE(ventana->Panel1->text(), kOk);
        QVERIFY(!ventana->Panel1->EnError());
        QVERIFY(!ventana->RecalculoSuspendido);
        QCOMPARE(int(ventana->Estado.OpcionSuelo), 0);
    }

    // Hyetographs.

    void elRepresentativoEsElPrimeroDeLaSerie() {
        Elegir(ventana->rbSh);
        ventana->cbHn->setCurrentIndex(0);
        ventana->cbPhn2->setCurrentIndex(2);
        ventana->cbHnChange();
        QCOMPARE(Valor(ventana->euCll1), 5.84);
        ventana->euCll1->SetBaseValue(7.5);
        QCOMPARE(ventana->Estado.Cll1[1][3], 7.5);

        ventana->cbPhn->setCurrentIndex(2);
        ventana->cbPhnChange();
        QCOMPARE(Valor(ventana->euCll), 7.5);

        // And the other way round.
        ventana->cbPhn->setCurrentIndex(3);
        ventana->cbPhnChange();
        ventana->euCll->SetBaseValue(12.25);
        ventana->cbPhn2->setCurrentIndex(3);
        ventana->cbHnChange();
        QCOMPARE(Valor(ventana->euCll1), 12.25);
    }

    void losEditoresDePasosGuardanLoQueMuestran_data() {
        QTest::addColumn<QString>("editor");
        QTest::addColumn<double>("valor");
        QTest::addColumn<double>("guardado");
        for (const char* editor : {"euCll", "euCll1", "euCll2", "euCll3"}) {
            QTest::addRow("%s, 1.234567", editor) << editor << 1.234567 << 1.23457;
            QTest::addRow("%s, 2.000004", editor) << editor << 2.000004 << 2.0;
        }
    }
    void losEditoresDePasosGuardanLoQueMuestran() {
        QFETCH(QString, editor);
        QFETCH(double, valor);
        QFETCH(double, guardado);
        const TEstadoBrovel& e = ventana->Estado;
        double leido = -1;
        if (editor == QLatin1String("euCll")) {
            ventana->cbPhn->setCurrentIndex(2);
            ventana->cbPhnChange();
            ventana->euCll->SetBaseValue(valor);
            leido = e.Cll1[1][3];
        } else if (editor == QLatin1String("euCll1")) {
            ventana->cbHn->setCurrentIndex(1);
            ventana->cbPhn2->setCurrentIndex(2);
            ventana->cbHnChange();
            ventana->euCll1->SetBaseValue(valor);
            leido = e.Cll1[2][3];
        } else if (editor == QLatin1String("euCll2")) {
            ventana->cbPhn3->setCurrentIndex(2);
            ventana->cbPhn3Change();
            ventana->euCll2->SetBaseValue(valor);
            leido = e.Cll2[3];
        } else {
            ventana->cbPhn4->setCurrentIndex(2);
            ventana->cbPhn4Change();
            ventana->euCll3->SetBaseValue(valor);
            leido = e.Cll3[3];
        }
        QCOMPARE(leido, guardado);
    }

    void cambiosQuePidenZumbrel_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("pide");
        for (const char* control : {"cbPhn3", "cbCph3", "euCll2", "euPth2", "cbPhn4", "cbCph4", "euCll3", "euPth3"})
            QTest::newRow(control) << control << true;
        for (const char* control : {"cbPhn", "cbCph", "euCll", "euPth", "cbCh", "cbCph2", "cbHn", "cbPhn2", "euCll1"})
            QTest::newRow(control) << control << false;
    }
    void cambiosQuePidenZumbrel() {
        QFETCH(QString, control);
        QFETCH(bool, pide);
        const auto edicion = EdicionDeForzantes(control);
        QVERIFY(edicion);
        edicion(*ventana);
        QCOMPARE(ventana->FaltaZumbrel, pide);
        QCOMPARE(ventana->Panel1->text(), pide ? kFaltaZumbrel : kOk);
        QVERIFY(!ventana->RecalculoSuspendido);
        QCOMPARE(escritorio->errores, QStringList());
    }

    void conZumbrelPendienteLosResultadosSiguen() {
        MostrarPestana(*ventana, kErosion);
        const double teE = ventana->Estado.TeE;
        ventana->cbPhn4->setCurrentIndex(2);
        ventana->cbPhn4Change();
        QCOMPARE(ventana->Panel1->text(), kFaltaZumbrel);
        QVERIFY(ventana->Panel1->EnError());
        QVERIFY(!ventana->RecalculoSuspendido);

        ventana->euRast->SetBaseValue(3);
        QCOMPARE(ventana->Estado.Rast, 3.0);
        MostrarPestana(*ventana, kErosion);
        QVERIFY(ventana->Estado.TeE != teE);
        QCOMPARE(Valor(ventana->euTeEResultado), Redondeado(ventana->Estado.TeE, 5));
        QCOMPARE(ventana->Panel1->text(), kFaltaZumbrel);

        ventana->NuevoExecute();
        QVERIFY(!ventana->FaltaZumbrel);
        QCOMPARE(ventana->Panel1->text(), kOk);
    }

    void laCantidadDePasosDeLaTormentaPideZumbrel() {
        ventana->cbCph3->setCurrentIndex(3);
        ventana->cbCph3Change();
        QCOMPARE(ventana->cbPhn3->count(), 4);
        QCOMPARE(ventana->cbPhn3->currentText(), QStringLiteral("1"));
        QVERIFY(ventana->FaltaZumbrel);
        QCOMPARE(ventana->Panel1->text(), kFaltaZumbrel);
        ventana->NuevoExecute();
        QVERIFY(!ventana->FaltaZumbrel);
        QCOMPARE(ventana->Panel1->text(), kOk);
    }

    // Selectors.

    void selectoresDeCantidad_data() {
        QTest::addColumn<QString>("selector");
        for (const char* selector : {"cbCph", "cbCh", "cbCph2", "cbCph3", "cbCph4"})
            QTest::newRow(selector) << selector;
    }
    void selectoresDeCantidad() {
        QFETCH(QString, selector);
        const auto* lista = ventana->PageControl->findChild<QComboBox*>(selector);
        QVERIFY(lista);
        QVERIFY(!lista->isEditable());
        QStringList entradas;
        for (int i = 0; i < lista->count(); ++i) entradas << lista->itemText(i);
        QStringList esperadas;
        for (int i = 1; i <= 20; ++i) esperadas << QString::number(i);
        QCOMPARE(entradas, esperadas);
    }

    void losSelectoresDePasoYPuntoSoloSeEligen_data() {
        QTest::addColumn<QString>("selector");
        for (const char* selector : {"cbPcg", "cbPhn", "cbHn", "cbPhn2", "cbPhn3", "cbPhn4"})
            QTest::newRow(selector) << selector;
    }
    void losSelectoresDePasoYPuntoSoloSeEligen() {
        QFETCH(QString, selector);
        const auto* lista = ventana->PageControl->findChild<QComboBox*>(selector);
        QVERIFY(lista);
        QVERIFY(!lista->isEditable());
        QCOMPARE(lista->currentIndex(), 0);
    }

private:
    std::unique_ptr<TEscritorioDePrueba> escritorio;
    std::unique_ptr<TMainFormBrovel> ventana;
};

QTEST_MAIN(PruebaBrovelEditores)
#include "BrovelEditores_test.moc"
