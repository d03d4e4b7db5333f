// The "..." buttons of the slope window: the table each opens, the value it writes
// and converts, the recalculation that follows, and when each button is there.
#include <QTableView>
#include <QToolButton>

#include "CeldaDeTabla.h"
#include "VentanaBrovel.h"
#include "tables/TablasReferencia.h"
#include "ui/tables/Seleccion.h"

namespace {

QToolButton* Boton(const TMainFormBrovel& v, const char* nombre) {
    return v.PageControl->findChild<QToolButton*>(QLatin1String(nombre));
}

void ElegirPractica(TMainFormBrovel& v, int practica) { Activar(v.cbTp, practica); }

}  // namespace

class PruebaBrovelTablas : public QObject {
    Q_OBJECT

private slots:
    void init() {
        escritorio = std::make_unique<TEscritorioDePrueba>();
        ventana = std::make_unique<TMainFormBrovel>(false);
        ventana->show();
        QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
    }
    void cleanup() {
        ventana.reset();
        escritorio.reset();
    }

    void cadaBotonAbreSuTablaConSuTitulo_data() {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<int>("practica");
        const std::tuple<const char*, const char*, int> botones[] = {
            {"BitBtn4", "TS3", 0}, {"BitBtn3", "TS4", 0}, {"BitBtn5", "TC4", 0}, {"BitBtn6", "TC5", 0},
            {"bbSTC1", "TC1", 0},  {"BitBtn7", "TC6", 0}, {"bbSTC2", "TC2", 1},  {"bbSTC3", "TC3", 1},
            {"BitBtn1", "TD1", 0}, {"BitBtn2", "TD2", 0}, {"bbSTD3", "TD3", 0},  {"bbSTD4", "TD4", 3},
        };
        for (const auto& [boton, codigo, practica] : botones)
            QTest::newRow(boton) << QString::fromLatin1(boton) << QString::fromLatin1(codigo) << practica;
    }
    void cadaBotonAbreSuTablaConSuTitulo() {
        QFETCH(QString, boton);
        QFETCH(QString, codigo);
        QFETCH(int, practica);
        ElegirPractica(*ventana, practica);
        QToolButton* b = ventana->PageControl->findChild<QToolButton*>(boton);
        QVERIFY(b);
        QCOMPARE(b->text(), QStringLiteral("..."));
        QCOMPARE(b->toolTip(), QStringLiteral("Seleccionar desde una Tabla"));
        int filas = 0;
        escritorio->alMostrarModal = [&](QDialog& dialogo) {
            filas = dynamic_cast<TSeleccionForm&>(dialogo).Grid->model()->rowCount();
        };
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(escritorio->modales, QStringList{QString::fromUtf8(EntradaDeCatalogo(codigo.toStdString())->titulo)});
        QCOMPARE(filas, CargarTabla(codigo.toStdString())->CantidadFilas());
    }

    // The value chosen reaches the field converted, runs the chain as typing does
    // and leaves the cursor in the field.
    void elValorElegidoLlegaAlCampoConvertido_data() {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<int>("practica");
        QTest::addColumn<QString>("fila");
        QTest::addColumn<QString>("columna");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<double>("valor");
        // clang-format off
        QTest::newRow("TC2, número oculto") << "bbSTC2" << 1 << "GPP-P2-GPP-P2 (año 2)" << "P" << "euFps" << 0.39;
        QTest::newRow("TC3") << "bbSTC3" << 1 << "P1-CS-P1-CS (año 3)" << "P" << "euFps" << 0.69;
        QTest::newRow("TS3 ÷ 10") << "BitBtn4" << 0 << "45" << "Maíz" << "euBvs" << 39.0;
        QTest::newRow("TS4 ÷ 10") << "BitBtn3" << 0 << "Hierba" << "Masa" << "euBvs" << 210.0;
        QTest::newRow("TC4 ÷ 100") << "BitBtn5" << 0 << "45" << "Soja" << "euFatc" << 0.4;
        QTest::newRow("TC5") << "BitBtn6" << 0 << "30" << "Pequeños granos de invierno" << "euAmf" << 6.1;
        QTest::newRow("TC1") << "bbSTC1" << 0 << "Alfalfa" << "Relación Area/Masa" << "euRacmr" << 0.00049;
        QTest::newRow("TC6") << "BitBtn7" << 0 << "Maíz" << "Peso seco por unidad de área" << "euPsrua" << 1100.0;
        QTest::newRow("TD1") << "BitBtn1" << 0 << "Broca" << "Rugosidad" << "euRast" << 1.05;
        QTest::newRow("TD2") << "BitBtn2" << 0 << "Llanura herbácea" << "Rugosidad" << "euRast" << 0.7;
        QTest::newRow("TD3") << "bbSTD3" << 0 << "C5: Cobertura liviana o rugosidad moderada" << "Manning" << "euCmst"
                             << 0.023;
        QTest::newRow("TD4") << "bbSTD4" << 3
                             << "R5: Moderadamente rugoso;cobertura de plantas y roca menor que 50%"
                             << "Indice de rugosidad" << "euIrst" << 2.3;
        // clang-format on
    }
    void elValorElegidoLlegaAlCampoConvertido() {
        QFETCH(QString, boton);
        QFETCH(int, practica);
        QFETCH(QString, fila);
        QFETCH(QString, columna);
        QFETCH(QString, campo);
        QFETCH(double, valor);
        ElegirPractica(*ventana, practica);
        auto* destino = ventana->PageControl->findChild<TUnidades*>(campo);
        QVERIFY(destino);
        bool cambio = false;
        connect(destino, &TUnidades::OnChange, this, [&] { cambio = true; });
        escritorio->alMostrarModal = [&](QDialog& dialogo) { ElegirCelda(dialogo, fila, columna); };
        QTest::mouseClick(ventana->PageControl->findChild<QToolButton*>(boton), Qt::LeftButton);
        QCOMPARE(Valor(destino), valor);
        QVERIFY(cambio);
        QVERIFY(destino->hasFocus() || destino->isAncestorOf(QApplication::focusWidget()));
        QCOMPARE(escritorio->errores, QStringList());
    }

    // The model follows: the chosen mass of roots is the tab's new input.
    void laCadenaCalculaConElValorElegido() {
        escritorio->alMostrarModal = [&](QDialog& dialogo) { ElegirCelda(dialogo, "45", "Maíz"); };
        QTest::mouseClick(Boton(*ventana, "BitBtn4"), Qt::LeftButton);
        QCOMPARE(ventana->Estado().Bvs, 39.0);
    }

    void cancelarNoCambiaNada() {
        const double antes = Valor(ventana->euBvs);
        bool cambio = false;
        connect(ventana->euBvs, &TUnidades::OnChange, this, [&] { cambio = true; });
        escritorio->alMostrarModal = [&](QDialog& dialogo) {
            auto& picker = dynamic_cast<TSeleccionForm&>(dialogo);
            picker.Grid->setCurrentIndex(picker.Grid->model()->index(2, 1));
            QTest::mouseClick(picker.BitBtn2, Qt::LeftButton);
        };
        QTest::mouseClick(Boton(*ventana, "BitBtn4"), Qt::LeftButton);
        QCOMPARE(Valor(ventana->euBvs), antes);
        QVERIFY(!cambio);
    }

    // A button is there exactly when the field it fills is.
    void cadaBotonSeMuestraConSuCampo() {
        const std::pair<const char*, const char*> botones[] = {
            {"BitBtn4", "euBvs"},  {"BitBtn3", "euBvs"},   {"BitBtn5", "euFatc"}, {"BitBtn6", "euAmf"},
            {"bbSTC1", "euRacmr"}, {"BitBtn7", "euPsrua"}, {"bbSTC2", "euFps"},   {"bbSTC3", "euFps"},
            {"BitBtn1", "euRast"}, {"BitBtn2", "euRast"},  {"bbSTD3", "euCmst"},  {"bbSTD4", "euIrst"},
        };
        const std::function<void(TMainFormBrovel&)> estados[] = {
            [](TMainFormBrovel&) {},
            [](TMainFormBrovel& v) { ElegirPractica(v, 1); },
            [](TMainFormBrovel& v) { ElegirPractica(v, 2); },
            [](TMainFormBrovel& v) { ElegirPractica(v, 3); },
            [](TMainFormBrovel& v) { Marcar(v.cbHmg, false); },
            [](TMainFormBrovel& v) { Marcar(v.cbHmg, true); },
            [](TMainFormBrovel& v) { Marcar(v.cbHm, false); },
            [](TMainFormBrovel& v) { ElegirPractica(v, 0); },
        };
        int estado = 0;
        for (const auto& cambiar : estados) {
            cambiar(*ventana);
            for (const auto& [boton, campo] : botones) {
                QWidget* b = Boton(*ventana, boton);
                QWidget* c = Control(*ventana, QLatin1String(campo));
                QVERIFY2(TMainFormBrovel::Visible(b) == TMainFormBrovel::Visible(c),
                         qPrintable(QStringLiteral("%1 en el estado %2").arg(QLatin1String(boton)).arg(estado)));
            }
            ++estado;
        }
    }

private:
    std::unique_ptr<TEscritorioDePrueba> escritorio;
    std::unique_ptr<TMainFormBrovel> ventana;
};

QTEST_MAIN(PruebaBrovelTablas)
#include "BrovelTablas_test.moc"
