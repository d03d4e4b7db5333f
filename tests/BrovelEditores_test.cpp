// The slope window's editors as widgets: the point and step selectors that show
// an entry in the fields, the fields that store what is typed, the count field
// that refills its selector, the status panel that shows the data checks, and the
// "Verif. Datos" button.
#include "VentanaBrovel.h"

namespace {

// Types `texto` over what the field shows, as a user does.
void Escribir(TUnidades* campo, const QString& texto) {
    campo->selectAll();
    QTest::keyClicks(campo, texto);
}

}  // namespace

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

    // A point picked in its selector shows in the fields, and what is typed there
    // goes into the curve; the panel follows the check of each keystroke.
    void laCurvaSeEditaDesdeSusControles() {
        ElegirPunto(*ventana, 5);
        QCOMPARE(ventana->euDg->text(), QStringLiteral("0.15"));
        QCOMPARE(ventana->euPp->text(), QStringLiteral("84.8"));
        Escribir(ventana->euDg, QStringLiteral("0"));
        QCOMPARE(ventana->Panel1->text(), kNoDecreciente);
        QVERIFY(ventana->Panel1->EnError());
        Escribir(ventana->euDg, QStringLiteral("0.16"));
        QCOMPARE(ventana->Estado().Dg[5], 0.16);
        QCOMPARE(ventana->Panel1->text(), kOk);
        QVERIFY(!ventana->Panel1->EnError());
        QCOMPARE(escritorio->errores, QStringList());
    }

    void laCantidadEscritaLlenaElSelectorDePuntos() {
        ElegirPunto(*ventana, 3);
        Escribir(ventana->euCpcg, QStringLiteral("5"));
        QCOMPARE(ventana->cbPcg->count(), 5);
        QCOMPARE(ventana->cbPcg->currentIndex(), 0);
        QCOMPARE(ventana->cbPcg->itemText(4), QStringLiteral("5"));
        QCOMPARE(ventana->Estado().Cpcg, 5);
    }

    // The series' two selectors choose the step its field shows and stores.
    void losPasosDeLaSerieSeEditanDesdeSusControles() {
        Elegir(ventana->rbSh);
        Activar(ventana->cbHn, 1);
        Activar(ventana->cbPhn2, 2);
        QCOMPARE(ventana->euCll1->text(), QStringLiteral("41.4"));
        Escribir(ventana->euCll1, QStringLiteral("7.25"));
        QCOMPARE(ventana->Estado().Cll1[2][3], 7.25);
        QCOMPARE(ventana->Estado().Cll1[1][3], 5.84);
    }

    // The panel shows each check the form reports, red while it fails.
    void elPanelMuestraLasComprobaciones_data() {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("curva no decreciente") << "curva" << kNoDecreciente;
        QTest::newRow("arena") << "arena" << kArena;
        QTest::newRow("limos") << "limos" << kLimos;
        QTest::newRow("falta zumbrel") << "zumbrel" << kFaltaZumbrel;
    }
    void elPanelMuestraLasComprobaciones() {
        QFETCH(QString, caso);
        QFETCH(QString, mensaje);
        // How each check fails, and how it is set right.
        const std::map<QString, std::pair<std::function<void(TMainFormBrovel&)>, std::function<void(TMainFormBrovel&)>>>
            casos = {
                {"curva",
                 {[](TMainFormBrovel& v) {
                      ElegirPunto(v, 2);
                      v.euDg->SetBaseValue(0.3);
                  },
                  [](TMainFormBrovel& v) { v.euDg->SetBaseValue(2.0); }}},
                {"arena",
                 {[](TMainFormBrovel& v) {
                      Elegir(v.rbCyT);
                      v.euPl->SetBaseValue(20);
                      v.euPlm->SetBaseValue(25);
                  },
                  [](TMainFormBrovel& v) { Elegir(v.rbCrr); }}},
                {"limos",
                 {[](TMainFormBrovel& v) {
                      Elegir(v.rbCyT);
                      v.euPl->SetBaseValue(60);
                      v.euPa->SetBaseValue(30);
                      v.euPlm->SetBaseValue(50);
                  },
                  [](TMainFormBrovel& v) { v.euPlm->SetBaseValue(70); }}},
                {"zumbrel",
                 {[](TMainFormBrovel& v) { Activar(v.cbPhn4, 2); }, [](TMainFormBrovel& v) { v.Nuevo->trigger(); }}},
            };
        const auto& [fallar, corregir] = casos.at(caso);
        fallar(*ventana);
        QCOMPARE(ventana->Panel1->text(), mensaje);
        QVERIFY(ventana->Panel1->EnError());
        corregir(*ventana);
        QCOMPARE(ventana->Panel1->text(), kOk);
        QVERIFY(!ventana->Panel1->EnError());
        QCOMPARE(escritorio->errores, QStringList());
    }

    void elBotonVerificaLosDatos() {
        ventana->Forma().FaltaVerificar = true;
        ventana->Forma().ActualizarEstado();
        ventana->Forma().GeometriaShow();
        QCOMPARE(ventana->Panel1->text(), kFaltaVerificar);
        QVERIFY(ventana->Panel1->EnError());
        ventana->Button1->click();
        QVERIFY(!ventana->Forma().FaltaVerificar);
        QCOMPARE(ventana->Panel1->text(), kOk);
        QVERIFY(!ventana->Panel1->EnError());
    }

    // Every control of Forzantes drives the form: only the storms' ask for the
    // runoff module again, and the panel says so.
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
        QCOMPARE(ventana->Forma().FaltaZumbrel, pide);
        QCOMPARE(ventana->Panel1->text(), pide ? kFaltaZumbrel : kOk);
        QCOMPARE(ventana->Panel1->EnError(), pide);
        QCOMPARE(escritorio->errores, QStringList());
    }

    // Every list offers the form's entries, shows its choice, and is only picked from.
    void losSelectoresMuestranLasEntradasDeLaForma_data() {
        QTest::addColumn<int>("lista");
        for (int i = 0; i < kCantidadDeListas; ++i) QTest::newRow(NombreDe(static_cast<TListaBrovel>(i))) << i;
    }
    void losSelectoresMuestranLasEntradasDeLaForma() {
        QFETCH(int, lista);
        const TLista& deLaForma = ventana->Forma().Lista(static_cast<TListaBrovel>(lista));
        const auto* selector = ventana->PageControl->findChild<QComboBox*>(
            QString::fromLatin1(NombreDe(static_cast<TListaBrovel>(lista))));
        QVERIFY(selector);
        QVERIFY(!selector->isEditable());
        QStringList entradas, esperadas;
        for (int i = 0; i < selector->count(); ++i) entradas << selector->itemText(i);
        for (const std::string& item : deLaForma.items) esperadas << QString::fromStdString(item);
        QVERIFY(!esperadas.isEmpty());
        QCOMPARE(entradas, esperadas);
        QCOMPARE(selector->currentIndex(), deLaForma.indice);
    }

private:
    std::unique_ptr<TEscritorioDePrueba> escritorio;
    std::unique_ptr<TMainFormBrovel> ventana;
};

QTEST_MAIN(PruebaBrovelEditores)
#include "BrovelEditores_test.moc"
