// The command-line tool as a script sees it: its exit status, its usage text and
// the JSON of the default project.
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonArray>
#include <QProcess>
#include <QTest>

#include <string>

#include "Coincidencia.h"

namespace {

struct TSalida {
    int estado;
    QByteArray salida;
    QByteArray errores;
};

TSalida Ejecutar(const QStringList& argumentos) {
    QProcess proceso;
    proceso.start(QStringLiteral(BROVEL_CALC), argumentos);
    if (!proceso.waitForFinished(30000)) return {-1, {}, {}};
    return {proceso.exitCode(), proceso.readAllStandardOutput(), proceso.readAllStandardError()};
}

}  // namespace

class PruebaBrovelCalc : public QObject {
    Q_OBJECT
private slots:
    void LaderaImprimeElProyectoNuevo() {
        const TSalida r = Ejecutar({QStringLiteral("ladera")});
        QCOMPARE(r.estado, 0);
        QJsonParseError error{};
        const QJsonDocument documento = QJsonDocument::fromJson(r.salida, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonObject json = documento.object();

        const QStringList claves = {
            "estado", "mensajes", "Dt", "Lt", "OpcionSuelo", "Dm", "Fes", "Ft", "SenoPendiente",
            "ExponenteLongitud", "FaltaExpresionLS", "OpcionLluviaMedia", "Et", "Mi30m", "Fde", "Felle", "Tecr",
            "OpcionLluviaExtrema", "Ce", "OpcionEvento", "Vp", "Cp", "Fp", "Pspcr", "Fcss", "Sups", "Scf", "Tp",
            "Fpsb", "Fpset", "Fpsed", "Fps", "Scs", "Srs", "Fcm", "Lct", "TeE", "PsE"};
        for (const QString& clave : claves) QVERIFY2(json.contains(clave), qPrintable(clave));
        QCOMPARE(json.size(), claves.size());
        // The keys come out in the order above, so a person can read them as the tabs go.
        for (int i = 1; i < claves.size(); ++i)
            QVERIFY(r.salida.indexOf('"' + claves[i - 1].toUtf8() + '"') <
                    r.salida.indexOf('"' + claves[i].toUtf8() + '"'));

        QCOMPARE(json["estado"].toString(), QStringLiteral("OK"));
        QCOMPARE(json["mensajes"].toArray().size(), 0);
        QVERIFY(json["FaltaExpresionLS"].isBool());
        QCOMPARE(json["OpcionSuelo"].toInt(), 0);
        QCOMPARE(json["OpcionLluviaExtrema"].toInt(), 1);
        QCOMPARE(json["Tp"].toInt(), 0);
        const std::pair<const char*, double> valores[] = {
            {"Dm", 0.047428482187951937}, {"Fes", 0.039633895525199198}, {"Mi30m", 54.9},
            {"Fps", 0.8718327105474365},  {"Lct", 2319.9027460583561},   {"TeE", 9.3505053052130279},
            {"PsE", 125.41806829029869},
        };
        for (const auto& [clave, esperado] : valores) {
            const double obtenido = json[QLatin1String(clave)].toDouble();
            QVERIFY2(brovel::CoincideEnDoceCifras(obtenido, esperado),
                     (std::string(clave) + ": " + brovel::Discrepancia(obtenido, esperado)).c_str());
        }
    }

    void AyudaYArgumentosErroneos_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<int>("estado");
        QTest::addColumn<QString>("enSalida");
        QTest::addColumn<QString>("enErrores");
        QTest::newRow("--help") << QStringList{"--help"} << 0 << "Uso: brovel-calc" << "";
        QTest::newRow("ladera --help") << QStringList{"ladera", "--help"} << 0 << "ladera" << "";
        QTest::newRow("sin orden") << QStringList{} << 2 << "" << "falta la orden";
        QTest::newRow("orden desconocida") << QStringList{"cuenca"} << 2 << "" << "orden desconocida: cuenca";
        QTest::newRow("argumento de más") << QStringList{"ladera", "a", "b"} << 2 << "" << "argumento";
    }
    void AyudaYArgumentosErroneos() {
        QFETCH(QStringList, argumentos);
        QFETCH(int, estado);
        QFETCH(QString, enSalida);
        QFETCH(QString, enErrores);
        const TSalida r = Ejecutar(argumentos);
        QCOMPARE(r.estado, estado);
        QVERIFY(QString::fromUtf8(r.salida).contains(enSalida));
        QVERIFY(QString::fromUtf8(r.errores).contains(enErrores));
        if (estado == 2) QCOMPARE(QString::fromUtf8(r.errores).trimmed().count(QLatin1Char('\n')), 0);
    }
};

QTEST_GUILESS_MAIN(PruebaBrovelCalc)
#include "BrovelCalc_test.moc"
