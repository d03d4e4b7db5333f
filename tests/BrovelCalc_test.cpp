// The command-line tool as a script sees it: its exit status, its usage text and
// the JSON of the default project.
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <string>

#include <sys/stat.h>

#include "Coincidencia.h"
#include "forms/CamposBrovel.h"
#include "forms/CamposZumbrel.h"

// BROVEL_CALC_WEB: the program is the WebAssembly build under Node, which writes no
// reports; it says so plainly, and the reports' own tests are the desktop build's.
#ifdef BROVEL_CALC_WEB
#define SOLO_EN_EL_ESCRITORIO() QSKIP("los reportes los escribe el programa de escritorio")
// What Node does before the program starts: it hands over the arguments as text (a
// byte that is not UTF-8 arrives as U+FFFD) and opens /dev/null in place of a
// closed output.
#define NO_BAJO_NODE(motivo) QSKIP(motivo)
#else
#define SOLO_EN_EL_ESCRITORIO()
#define NO_BAJO_NODE(motivo)
#endif

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

// The text of a PDF as pdftotext reads it, each run of blanks made one.
QString TextoDePdf(const QString& ruta) {
    QProcess proceso;
    proceso.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), ruta, QStringLiteral("-")});
    if (!proceso.waitForFinished(30000)) return {};
    return QString::fromUtf8(proceso.readAllStandardOutput()).simplified();
}

// The entries of a folder, names and kinds, as "ls -lA" lists them without dates.
QByteArray Listado(const QString& carpeta) {
    QProcess proceso;
    proceso.start(QStringLiteral("/bin/sh"),
                  {QStringLiteral("-c"),
                   QStringLiteral("cd \"$0\" && ls -A | while read n; do stat -c '%A %s %N' \"$n\"; done"), carpeta});
    proceso.waitForFinished(30000);
    return proceso.readAllStandardOutput();
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

        // clang-format off
        const QStringList claves = {
            "estado", "mensajes", "sin_actualizar", "Dt", "Lt", "OpcionSuelo", "Dm", "Fes", "Ft", "SenoPendiente",
            "ExponenteLongitud", "FaltaExpresionLS", "OpcionLluviaMedia", "Et", "Mi30m", "Fde", "Felle", "Tecr",
            "OpcionLluviaExtrema", "Ce", "OpcionEvento", "Vp", "Cp", "Fp", "Pspcr", "Fcss", "Sups", "Scf", "Tp",
            "Fpsb", "Fpset", "Fpsed", "Fps", "Scs", "Srs", "Fcm", "Lct", "TeE", "PsE"};
        // clang-format on
        for (const QString& clave : claves) QVERIFY2(json.contains(clave), qPrintable(clave));
        QCOMPARE(json.size(), claves.size());
        // The keys come out in the order above, so a person can read them as the tabs go.
        for (int i = 1; i < claves.size(); ++i)
            QVERIFY(r.salida.indexOf('"' + claves[i - 1].toUtf8() + '"') <
                    r.salida.indexOf('"' + claves[i].toUtf8() + '"'));

        QCOMPARE(json["estado"].toString(), QStringLiteral("OK"));
        QCOMPARE(json["mensajes"].toArray().size(), 0);
        QCOMPARE(json["sin_actualizar"].toArray(), QJsonArray());
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

    // With --campos every field of the window follows the record, in the order of its
    // table, with the text the window shows: the number rounded to the field's
    // decimals, in its first unit.
    void LaderaConCamposDaElTextoDeCadaCampo() {
        const TSalida r = Ejecutar({QStringLiteral("ladera"), QStringLiteral("--campos")});
        QCOMPARE(r.estado, 0);
        const QJsonObject json = QJsonDocument::fromJson(r.salida).object();
        const QJsonObject sola = QJsonDocument::fromJson(Ejecutar({QStringLiteral("ladera")}).salida).object();
        QCOMPARE(json.size(), sola.size() + static_cast<int>(brovel::CamposBrovel().size()));
        int anterior = -1;
        for (const brovel::TDefinicionCampo& d : brovel::CamposBrovel()) {
            const QString nombre = QString::fromUtf8(d.nombre.data(), static_cast<int>(d.nombre.size()));
            QVERIFY2(json[nombre].isString(), qPrintable(nombre));
            const int lugar = static_cast<int>(r.salida.indexOf('"' + nombre.toUtf8() + "\": "));
            QVERIFY2(lugar > anterior, qPrintable(nombre));
            anterior = lugar;
        }
        QCOMPARE(json["Fes"].toDouble(), sola["Fes"].toDouble());
        QCOMPARE(json["euDt"].toString(), QStringLiteral("6"));
        QCOMPARE(json["euDg"].toString(), QStringLiteral("4.76"));
    }

    // The table as data: numbers as the table writes them, empty cells as null; the
    // two columns that say how a row is drawn only with --todo, first.
    void TablaImprimeCadaCelda_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<int>("primera");  // where the readable columns start
        QTest::addColumn<QString>("filaDeTc1");
        QTest::newRow("lo que se lee") << QStringList{"tabla", "TS3"} << 0 << "[\"Alfalfa\", 0.00049]";
        QTest::newRow("--todo, antes del código")
            << QStringList{"tabla", "--todo", "TS3"} << 2 << "[1, 0, \"Alfalfa\", 0.00049]";
        QTest::newRow("--todo, después") << QStringList{"tabla", "TS3", "--todo"} << 2
                                         << "[1, 0, \"Alfalfa\", 0.00049]";
    }

    void TablaImprimeCadaCelda() {
        QFETCH(QStringList, argumentos);
        QFETCH(int, primera);
        QFETCH(QString, filaDeTc1);
        const TSalida r = Ejecutar(argumentos);
        QCOMPARE(r.estado, 0);
        const QJsonObject json = QJsonDocument::fromJson(r.salida).object();
        QCOMPARE(json["codigo"].toString(), QStringLiteral("TS3"));
        QCOMPARE(json["titulo"].toString(),
                 QStringLiteral("Masa de raíces en 10 cm superiores de suelo para cultivos (kg/ha)"));
        const QJsonArray columnas = json["columnas"].toArray();
        QCOMPARE(columnas.size(), 7 + primera);
        QStringList titulos;
        for (const QJsonValue& columna : columnas) titulos << columna.toObject()["titulo"].toString();
        QCOMPARE(titulos.contains(QStringLiteral("FlagMostrar")), primera == 2);
        QCOMPARE(titulos.contains(QStringLiteral("FlagColor")), primera == 2);
        if (primera == 2) QCOMPARE(titulos.mid(0, 2), (QStringList{"FlagMostrar", "FlagColor"}));
        QCOMPARE(columnas[primera].toObject()["tipo"].toString(), QStringLiteral("entero"));
        QCOMPARE(columnas[primera + 1].toObject()["tipo"].toString(), QStringLiteral("numero"));
        QCOMPARE(columnas[primera + 1].toObject()["titulo"].toString(), QStringLiteral("Maíz"));
        const QJsonArray filas = json["filas"].toArray();
        QCOMPARE(filas.size(), 16);
        const QJsonArray fila = QJsonArray{45, 390, 100, 100, 390, 350, 560};
        QJsonArray esperada = primera == 2 ? QJsonArray{1, 0} : QJsonArray();
        for (const QJsonValue& celda : fila) esperada.append(celda);
        QCOMPARE(filas[2].toArray(), esperada);
        QVERIFY(filas[11].toArray()[primera + 1].isNull());

        QStringList deTc1 = argumentos;
        deTc1.replace(deTc1.indexOf(QStringLiteral("TS3")), QStringLiteral("TC1"));
        const TSalida tc1 = Ejecutar(deTc1);
        QVERIFY2(tc1.salida.contains(filaDeTc1.toUtf8()), tc1.salida.constData());
    }

    // Each key of «ladera» and «escorrentia», in their order, with the caption and
    // base unit of the field the window shows it in, as the field tables have them.
    void ClavesSiguenALasTablasDeCampos_data() {
        QTest::addColumn<QString>("orden");
        QTest::addColumn<int>("campos");  // how many keys a field shows
        QTest::newRow("ladera") << QStringLiteral("ladera") << 28;
        QTest::newRow("escorrentia") << QStringLiteral("escorrentia") << 7;
    }

    void ClavesSiguenALasTablasDeCampos() {
        QFETCH(QString, orden);
        QFETCH(int, campos);
        const TSalida claves = Ejecutar({QStringLiteral("claves")});
        QCOMPARE(claves.estado, 0);
        const QJsonArray lista = QJsonDocument::fromJson(claves.salida).object()[orden].toArray();
        const TSalida calculo = Ejecutar({orden});
        const QJsonObject valores = QJsonDocument::fromJson(calculo.salida).object();
        QCOMPARE(lista.size(), valores.size());
        const auto& tabla = orden == QStringLiteral("ladera") ? brovel::CamposBrovel() : brovel::CamposZumbrel();
        qsizetype anterior = -1;
        int conCampo = 0;
        for (const QJsonValue& valor : lista) {
            const QJsonObject entrada = valor.toObject();
            const QString clave = entrada["clave"].toString();
            QVERIFY2(valores.contains(clave), qPrintable(clave));
            const qsizetype lugar = calculo.salida.indexOf("\n  \"" + clave.toUtf8() + "\":");
            QVERIFY2(lugar > anterior, qPrintable(clave));
            anterior = lugar;
            const brovel::TDefinicionCampo* campo = nullptr;
            for (const auto& d : tabla)
                if (QString::fromUtf8(d.nombre.data(), d.nombre.size()) == entrada["campo"].toString()) campo = &d;
            if (!campo) {
                QVERIFY2(entrada["campo"].isNull() && entrada["titulo"].isNull() && entrada["unidad"].isNull(),
                         qPrintable(clave));
                for (const auto& d : tabla)
                    QVERIFY2(
                        d.nombre != "eu" + clave.toStdString() && d.nombre != "eu" + clave.toStdString() + "Resultado",
                        qPrintable(clave));
                continue;
            }
            ++conCampo;
            const QString nombre = entrada["campo"].toString();
            QVERIFY2(nombre == "eu" + clave || nombre == "eu" + clave + "Resultado", qPrintable(nombre));
            QCOMPARE(entrada["titulo"].toString(), QString::fromUtf8(campo->titulo.data(), campo->titulo.size()));
            const std::string_view unidades = campo->unidades;
            const std::string_view base = unidades.substr(0, unidades.find('|'));
            QCOMPARE(entrada["unidad"].toString(), QString::fromUtf8(base.data(), base.size()));
        }
        QCOMPARE(conCampo, campos);
    }

    void ClavesConocidas_data() {
        QTest::addColumn<QString>("orden");
        QTest::addColumn<QString>("clave");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("unidad");
        // clang-format off
        QTest::newRow("el resultado gana a la entrada") << "ladera" << "Fps" << "euFpsResultado" << "-";
        QTest::newRow("erodabilidad") << "ladera" << "Fes" << "euFesResultado" << "ton h/MJ/mm";
        QTest::newRow("una entrada") << "ladera" << "Lt" << "euLt" << "m";
        QTest::newRow("volumen específico") << "escorrentia" << "Vtesp" << "euVtespResultado" << "mm";
        QTest::newRow("sin campo") << "ladera" << "SenoPendiente" << "" << "";
        // clang-format on
    }

    void ClavesConocidas() {
        QFETCH(QString, orden);
        QFETCH(QString, clave);
        QFETCH(QString, campo);
        QFETCH(QString, unidad);
        const QJsonArray lista =
            QJsonDocument::fromJson(Ejecutar({QStringLiteral("claves")}).salida).object()[orden].toArray();
        for (const QJsonValue& valor : lista) {
            const QJsonObject entrada = valor.toObject();
            if (entrada["clave"].toString() != clave) continue;
            QCOMPARE(entrada["campo"].toString(), campo);
            if (!unidad.isEmpty()) QCOMPARE(entrada["unidad"].toString(), unidad);
            return;
        }
        QFAIL("la clave no está");
    }

    void TablaSinCodigoListaElCatalogo() {
        const TSalida r = Ejecutar({QStringLiteral("tabla")});
        QCOMPARE(r.estado, 0);
        const QJsonArray lista = QJsonDocument::fromJson(r.salida).array();
        QCOMPARE(lista.size(), 19);
        QCOMPARE(lista[0].toObject()["codigo"].toString(), QStringLiteral("TC1"));
        QCOMPARE(lista[18].toObject()["titulo"].toString(),
                 QStringLiteral("Número de curva para terrenos de pastoreo áridos y semiáridos "));
    }

    // A project saved by the tool opens in it with the same results, and a save
    // that cannot be done fails the run.
    void LaderaGuardaYAbreUnProyecto() {
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("ladera.bvx"));
        const TSalida guardada = Ejecutar({QStringLiteral("ladera"), QStringLiteral("--guardar"), ruta});
        QCOMPARE(guardada.estado, 0);
        QFile archivo(ruta);
        QVERIFY(archivo.open(QIODevice::ReadOnly));
        QVERIFY(archivo.readAll().startsWith("[Geometria]\r\nDeclive=6\r\nLongitud=60\r\n"));
        const TSalida abierta = Ejecutar({QStringLiteral("ladera"), ruta});
        QCOMPARE(abierta.estado, 0);
        QCOMPARE(abierta.salida, guardada.salida);

        const TSalida fallida = Ejecutar(
            {QStringLiteral("ladera"), QStringLiteral("--guardar"), carpeta.filePath(QStringLiteral("no/x.bvx"))});
        QCOMPARE(fallida.estado, 1);
        QVERIFY(fallida.salida.isEmpty());
        QVERIFY(fallida.errores.contains("no/x.bvx"));
    }

    // A slope the topographic factor cannot take: LS and what is computed from it
    // are named as out of date, with the practice factors that fault on it too.
    void LaderaNombraLoQueNoSePudoCalcular() {
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("ladera.bvx"));
        QCOMPARE(Ejecutar({QStringLiteral("ladera"), QStringLiteral("--guardar"), ruta}).estado, 0);
        QFile archivo(ruta);
        QVERIFY(archivo.open(QIODevice::ReadWrite));
        QByteArray texto = archivo.readAll().replace("Declive=6\r\n", "Declive=-5\r\n");
        archivo.resize(0);
        archivo.write(texto);
        archivo.close();
        const TSalida r = Ejecutar({QStringLiteral("ladera"), ruta});
        QCOMPARE(r.estado, 0);
        const QJsonObject json = QJsonDocument::fromJson(r.salida).object();
        QStringList viejos;
        for (const auto& nombre : json["sin_actualizar"].toArray()) viejos << nombre.toString();
        QCOMPARE(viejos, (QStringList{"Ft", "SenoPendiente", "ExponenteLongitud", "Tecr", "Pspcr", "Fpsb", "Fpset",
                                      "Fpsed", "Fps", "Lct", "TeE", "PsE"}));
        QCOMPARE(json["estado"].toString(),
                 QStringLiteral("ERROR: «Pendiente del Brovel»: El valor ingresado se encuentra fuera del rango "
                                "permitido (0 - 1.1E4900)"));
    }

    // The runoff window's default basin and storm; and the same storm, as the
    // slope project's event, brings back its volume and peak.
    void EscorrentiaYElIntercambio() {
        const TSalida r = Ejecutar({QStringLiteral("escorrentia")});
        QCOMPARE(r.estado, 0);
        const QJsonObject json = QJsonDocument::fromJson(r.salida).object();
        // clang-format off
        const QStringList claves = {"estado", "sin_actualizar", "Tcc", "Rpm", "Ai", "Sall", "Nc", "LlParcial", "LlAcumulada",
                                    "LlHietograma", "Svaeua", "SvaeuaParcial", "CantidadHe", "He", "Vte", "Vtesp",
                                    "Cp"};
        // clang-format on
        QCOMPARE(json.keys().size(), claves.size());
        for (int i = 1; i < claves.size(); ++i)
            QVERIFY(r.salida.indexOf('"' + claves[i - 1].toUtf8() + '"') <
                    r.salida.indexOf('"' + claves[i].toUtf8() + '"'));
        QCOMPARE(json["estado"].toString(), QStringLiteral("OK"));
        QCOMPARE(json["Sall"].toInt(), 6);
        QCOMPARE(json["CantidadHe"].toInt(), 16);
        QCOMPARE(json["He"].toArray().size(), 16);
        QCOMPARE(json["LlAcumulada"].toArray().last().toDouble(), 131.9);

        const TSalida ladera =
            Ejecutar({QStringLiteral("ladera"), QStringLiteral("--zumbrel"), QStringLiteral("evento")});
        QCOMPARE(ladera.estado, 0);
        const QJsonObject l = QJsonDocument::fromJson(ladera.salida).object();
        QCOMPARE(l["Vp"].toDouble(), json["Vte"].toDouble());
        QCOMPARE(l["Cp"].toDouble(), json["Cp"].toDouble());
    }

    // A batch gives, line by line, what «ladera» gives for each file alone: a
    // project that changes options does not leak into the one after it, which
    // relies on defaults; one that cannot be read gives its reason and fails the run.
    void LoteDaLoMismoQueLadera() {
        QTemporaryDir carpeta;
        const auto escribir = [&](const QString& nombre, const QByteArray& texto) {
            QFile archivo(carpeta.filePath(nombre));
            QVERIFY(archivo.open(QIODevice::WriteOnly));
            archivo.write(texto);
        };
        escribir("a-opciones.bvx",
                 "[Suelo]\r\nOpcion=3\r\nClase_estr=3\r\n[Forzantes]\r\nOpcion=4\r\nFactor_ele=9000\r\nOpcion2=1\r\n"
                 "Pasos_hieto2=3\r\n[Condicionantes]\r\nLabranza=0\r\nTipo_practica=3\r\n[Disipacion]\r\n"
                 "Indice_rugosidad=3\r\n");
        escribir("b-vacio.bvx", "");
        escribir("c-malos.bvx", "[Geometria]\r\nDeclive=abc\r\nLongitud=-4\r\n[Suelo]\r\nCant_puntos=x\r\n");
        escribir("d-mulching.bvx", "[Condicionantes]\r\nMulching=1\r\n[Disipacion]\r\nRugosidad_terreno=0\r\n");
        QVERIFY(QDir(carpeta.path()).mkdir(QStringLiteral("e-carpeta.bvx")));
        escribir("notas.txt", "no es un proyecto");

        const TSalida lote = Ejecutar({QStringLiteral("lote"), carpeta.path()});
        QCOMPARE(lote.estado, 1);
        const QList<QByteArray> lineas = lote.salida.trimmed().split('\n');
        const QStringList nombres = {"a-opciones.bvx", "b-vacio.bvx", "c-malos.bvx", "d-mulching.bvx", "e-carpeta.bvx"};
        QCOMPARE(lineas.size(), nombres.size());
        for (int i = 0; i < nombres.size(); ++i) {
            QJsonObject linea = QJsonDocument::fromJson(lineas[i]).object();
            const QString ruta = carpeta.filePath(nombres[i]);
            QCOMPARE(linea.take("archivo").toString(), ruta);
            if (i == 4) {
                QCOMPARE(linea, (QJsonObject{{"error", "Es una carpeta"}}));
                continue;
            }
            const QJsonObject sola =
                QJsonDocument::fromJson(Ejecutar({QStringLiteral("ladera"), ruta}).salida).object();
            QVERIFY2(linea == sola, qPrintable(nombres[i]));
        }

        // The same as a table: a header, a row per project, the reason in the last column.
        const TSalida tabla = Ejecutar({QStringLiteral("lote"), QStringLiteral("--csv"), carpeta.path()});
        const QList<QByteArray> filas = tabla.salida.trimmed().split('\n');
        QCOMPARE(filas.size(), nombres.size() + 1);
        QVERIFY(filas[0].startsWith("\"archivo\",\"estado\",\"Dt\","));
        QVERIFY(filas[0].endsWith(",\"PsE\",\"sin_actualizar\",\"error\""));
        for (const QByteArray& fila : filas) QCOMPARE(fila.count(','), filas[0].count(','));
        QVERIFY(filas[5].endsWith(",\"Es una carpeta\""));
        // A number out of date is never a cell's number: a zero roughness with
        // mulching leaves SC, SR (its block stopped), C, A and T empty, and names them.
        const QList<QByteArray> encabezado = filas[0].split(',');
        const QList<QByteArray> mulching = filas[4].split(',');
        for (const char* clave : {"Scs", "Srs", "Fcm", "TeE", "PsE"})
            QCOMPARE(mulching[encabezado.indexOf('"' + QByteArray(clave) + '"')], QByteArray("\"\""));
        QCOMPARE(mulching[encabezado.indexOf("\"sin_actualizar\"")], QByteArray("\"Scs;Srs;Fcm;TeE;PsE\""));
        QVERIFY(!filas[1].split(',')[encabezado.indexOf("\"TeE\"")].isEmpty());
    }

    // A sweep gives the product of its ranges in order, the last varying fastest,
    // and each point is what «ladera» gives for the project saved with its values.
    void BarridoEsElProductoDeSusRangos() {
        QTemporaryDir carpeta;
        const QString base = carpeta.filePath(QStringLiteral("base.bvx"));
        QCOMPARE(Ejecutar({QStringLiteral("ladera"), QStringLiteral("--guardar"), base}).estado, 0);
        const TSalida barrido = Ejecutar({QStringLiteral("barrido"), base, QStringLiteral("--variar"),
                                          QStringLiteral("Geometria.Longitud=20:60:20"), QStringLiteral("--variar"),
                                          QStringLiteral("Condicionantes.Tipo_practica=1:2:1")});
        QCOMPARE(barrido.estado, 0);
        // Its errors go to a pipe, not a terminal: no progress lines.
        QCOMPARE(barrido.errores, QByteArray());
        const QList<QByteArray> lineas = barrido.salida.trimmed().split('\n');
        QCOMPARE(lineas.size(), 6);
        QFile archivo(base);
        QVERIFY(archivo.open(QIODevice::ReadOnly));
        const QByteArray texto = archivo.readAll();
        int i = 0;
        for (const int longitud : {20, 40, 60}) {
            for (const int practica : {1, 2}) {
                QJsonObject punto = QJsonDocument::fromJson(lineas[i++]).object();
                QCOMPARE(punto.take("Geometria.Longitud").toDouble(), double(longitud));
                QCOMPARE(punto.take("Condicionantes.Tipo_practica").toDouble(), double(practica));
                QByteArray variado = texto;
                variado.replace("Longitud=60\r\n", "Longitud=" + QByteArray::number(longitud) + "\r\n");
                variado.replace("Tipo_practica=0\r\n", "Tipo_practica=" + QByteArray::number(practica) + "\r\n");
                const QString ruta = carpeta.filePath(QStringLiteral("punto.bvx"));
                QFile salida(ruta);
                QVERIFY(salida.open(QIODevice::WriteOnly | QIODevice::Truncate));
                salida.write(variado);
                salida.close();
                const QJsonObject sola =
                    QJsonDocument::fromJson(Ejecutar({QStringLiteral("ladera"), ruta}).salida).object();
                QVERIFY2(punto == sola, qPrintable(QStringLiteral("%1 m, práctica %2").arg(longitud).arg(practica)));
            }
        }
    }

    // The reports as files: the PDF holds what the tab shows, the RTF is the report
    // itself, and either replaces an older file only once written.
    void ReporteEscribePdfYRtf() {
        SOLO_EN_EL_ESCRITORIO();
        QTemporaryDir carpeta;
        const QString pdf = carpeta.filePath(QStringLiteral("ladera.pdf"));
        const QString rtf = carpeta.filePath(QStringLiteral("ladera.RTF"));
        const TSalida r = Ejecutar({QStringLiteral("reporte"), QStringLiteral("-o"), pdf});
        QCOMPARE(r.estado, 0);
        QCOMPARE(r.errores, QByteArray());
        const QString texto = TextoDePdf(pdf);
        // Every line of the erosion results, with its value as its field shows it.
        for (const char* linea :
             {"Factor de Erosividad de Lluvia-Escorrentía (R) 6865.734 MJ/ha mm/hr",
              "Factor de Producción (X) 92090 MJ mm/h", "Factor de Erosibilidad del Suelo (K) 0.04 ton h/MJ/mm",
              "Factor Topográfico (LS) 1.043 -", "Factor de Cobertura-Manejo (C) 0.038 -",
              "Subfactor de Uso Previo del Suelo (PLU) 0.662 -", "Subfactor de Cobertura de Follaje (CC) 0.326 -",
              "Subfactor de Cobertura Superficial (SC) 0.251 -", "Subfactor de Rugosidad Superficial (SR) 0.697 -",
              "Subfactor de Humedad del Suelo (SM) 1 -", "Factor de Práctica de Soporte (P) 0.872 -",
              "Factor de Práctica de Soporte Básico (Pb) 0.454 -",
              "Factor de Práctica de Soporte con Efecto de Tormentas (Pt) 0.3 -",
              "Factor de Práctica de Soporte con Efecto de Desnivel (Pg) 0.872 -",
              "Tasa de Erosión (A) 9.35051 ton/ha/año", "Producción de Sedimentos (T) 125.418 ton"})
            QVERIFY2(texto.contains(QString::fromUtf8(linea)), linea);

        QCOMPARE(Ejecutar({QStringLiteral("reporte"), QStringLiteral("-o"), rtf}).estado, 0);
        QFile archivo(rtf);
        QVERIFY(archivo.open(QIODevice::ReadOnly));
        const QByteArray bytes = archivo.readAll();
        QVERIFY(bytes.startsWith("{\\rtf1"));
        // Windows-1252: "ó" is one byte.
        QVERIFY(bytes.contains("Tasa de Erosi\xf3n (A) 9.35051 ton/ha/a\xf1o\\par "));
    }

    // The report writer is a module beside the program; a copy of the program
    // without it still computes, and says what it lacks for a report.
    void SinElModuloDeReportesLoDice() {
        SOLO_EN_EL_ESCRITORIO();
        QTemporaryDir carpeta;
        const QString copia = carpeta.filePath(QStringLiteral("brovel-calc"));
        QVERIFY(QFile::copy(QStringLiteral(BROVEL_CALC), copia));
        QVERIFY(QDir().mkpath(carpeta.filePath(QStringLiteral("Reportes"))));
        const QString modelo =
            QFileInfo(QStringLiteral(BROVEL_CALC)).absolutePath() + QStringLiteral("/Reportes/ModeloRep.rtf");
        QVERIFY(QFile::copy(modelo, carpeta.filePath(QStringLiteral("Reportes/ModeloRep.rtf"))));
        QProcess proceso;
        proceso.start(copia,
                      {QStringLiteral("reporte"), QStringLiteral("-o"), carpeta.filePath(QStringLiteral("x.rtf"))});
        QVERIFY(proceso.waitForFinished(30000));
        QCOMPARE(proceso.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(proceso.readAllStandardError()).trimmed(),
                 QStringLiteral("brovel-calc: no se pudo escribir el reporte: falta el módulo de reportes "
                                "libbrovel_escritor.so junto al programa"));
        QVERIFY(!QFile::exists(carpeta.filePath(QStringLiteral("x.rtf"))));
        proceso.start(copia, {QStringLiteral("ladera")});
        QVERIFY(proceso.waitForFinished(30000));
        QCOMPARE(proceso.exitCode(), 0);
    }

    // Under Node both report orders end with status 1 and one line that says why,
    // and write nothing.
    void SinEscritorioElReporteLoDice() {
#ifndef BROVEL_CALC_WEB
        QSKIP("el programa de escritorio escribe los reportes");
#endif
        QTemporaryDir carpeta;
        const QString salida = carpeta.filePath(QStringLiteral("x.rtf"));
        for (const QStringList& argumentos :
             {QStringList{"reporte", "-o", salida}, QStringList{"reporte-escorrentia", "--nc", "80", "-o", salida}}) {
            const TSalida r = Ejecutar(argumentos);
            QCOMPARE(r.estado, 1);
            QCOMPARE(QString::fromUtf8(r.errores),
                     QStringLiteral("brovel-calc: no se pudo escribir el reporte: los reportes necesitan el programa "
                                    "de escritorio\n"));
            QVERIFY(!QFile::exists(salida));
        }
    }

    void ReporteEscorrentiaTieneElHidrograma() {
        SOLO_EN_EL_ESCRITORIO();
        QTemporaryDir carpeta;
        const QString pdf = carpeta.filePath(QStringLiteral("cuenca.pdf"));
        const TSalida r = Ejecutar({QStringLiteral("reporte-escorrentia"), QStringLiteral("--nc"), QStringLiteral("80"),
                                    QStringLiteral("-o"), pdf});
        QCOMPARE(r.estado, 0);
        const QString texto = TextoDePdf(pdf);
        QVERIFY2(texto.contains(QStringLiteral("Número de Curva 80 -")), qPrintable(texto));
        QVERIFY(texto.contains(QStringLiteral("Caudal pico ")));
        // The hydrograph table, one row per ordinate.
        const QJsonObject json =
            QJsonDocument::fromJson(
                Ejecutar({QStringLiteral("escorrentia"), QStringLiteral("--nc"), QStringLiteral("80")}).salida)
                .object();
        const int ordenadas = json[QStringLiteral("CantidadHe")].toInt();
        QVERIFY(ordenadas > 5);
        QCOMPARE(texto.count(QStringLiteral("Valor: ")), ordenadas);
        QVERIFY(texto.contains(QStringLiteral("Nota: tiempos en horas, Histograma en m³/s.")));
    }

    void AyudaYArgumentosErroneos_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<int>("estado");
        QTest::addColumn<QString>("enSalida");
        QTest::addColumn<QString>("enErrores");
        // clang-format off
        QTest::newRow("--help") << QStringList{"--help"} << 0 << "Uso: brovel-calc" << "";
        QTest::newRow("--help, cada descripción entera") << QStringList{"--help"} << 0
                                                       << "como lo muestra\n                                               la ventana\n  escorrentia" << "";
        QTest::newRow("ladera --help") << QStringList{"ladera", "--help"} << 0 << "ladera" << "";
        QTest::newRow("sin orden") << QStringList{} << 2 << "" << "falta la orden";
        QTest::newRow("orden desconocida") << QStringList{"cuenca"} << 2 << "" << "orden desconocida: cuenca";
        QTest::newRow("argumento de más") << QStringList{"ladera", "a", "b"} << 2 << "" << "argumento";
        QTest::newRow("ladera sin archivo") << QStringList{"ladera", "/no/existe.bvx"} << 1 << "" << "no se pudo leer";
        QTest::newRow("--guardar sin salida") << QStringList{"ladera", "--guardar"} << 2 << "" << "--guardar";
        QTest::newRow("tabla desconocida") << QStringList{"tabla", "TC7"} << 2 << "" << "tabla desconocida: TC7";
        QTest::newRow("dos tablas") << QStringList{"tabla", "TC1", "TC2"} << 2 << "" << "argumento";
        QTest::newRow("--todo dos veces") << QStringList{"tabla", "--todo", "TC1", "--todo"} << 2 << "" << "«--todo»";
        QTest::newRow("claves con argumento") << QStringList{"claves", "Fes"} << 2 << "" << "argumento inesperado";
        QTest::newRow("ruta vacía") << QStringList{"ladera", ""} << 2 << "" << "la ruta del proyecto está vacía";
        QTest::newRow("--guardar vacío") << QStringList{"ladera", "--guardar", ""} << 2 << ""
                                         << "«--guardar» necesita un archivo de salida, no un texto vacío";
        QTest::newRow("--guardar dos veces") << QStringList{"ladera", "--guardar", "a.bvx", "--guardar", "b.bvx"} << 2
                                             << "" << "«--guardar» se dio más de una vez";
        QTest::newRow("código con salto de línea") << QStringList{"tabla", QStringLiteral("TC1\n\x1b[2J")} << 2 << ""
                                                   << "tabla desconocida: TC1\\x0A\\x1B[2J";
        QTest::newRow("--campos dos veces") << QStringList{"ladera", "--campos", "--campos"} << 2 << ""
                                            << "«--campos» se dio más de una vez";
        QTest::newRow("--campos en otra orden") << QStringList{"lote", "--campos"} << 2 << "" << "--campos";
        QTest::newRow("--zumbrel sin valor") << QStringList{"ladera", "--zumbrel"} << 2 << ""
                                             << "«--zumbrel» necesita extrema, evento o ambos";
        QTest::newRow("--zumbrel desconocido") << QStringList{"ladera", "--zumbrel", "todo"} << 2 << ""
                                               << "«--zumbrel» necesita extrema, evento o ambos, no «todo»";
        QTest::newRow("número que no es") << QStringList{"escorrentia", "--area", "7,5"} << 2 << ""
                                          << "«--area» necesita un número, no «7,5»";
        QTest::newRow("lluvia con un hueco") << QStringList{"escorrentia", "--lluvia", "1,,3"} << 2 << ""
                                             << "«--lluvia» necesita un número, no «»";
        QTest::newRow("uso fuera de la lista") << QStringList{"escorrentia", "--uso", "5"} << 2 << ""
                                               << "«--uso» necesita 0, 1, 2 o 3, no «5»";
        QTest::newRow("abstracción dos veces") << QStringList{"escorrentia", "--abstraccion", "5",
                                                                "--abstraccion-calculada"}
                                               << 2 << "" << "se excluyen";
        QTest::newRow("opción repetida") << QStringList{"escorrentia", "--nc", "70", "--nc", "80"} << 2 << ""
                                         << "«--nc» se dio más de una vez";
        QTest::newRow("datos que no existen") << QStringList{"escorrentia", "--datos", "/no/existe.zbr"} << 1 << ""
                                              << "No se pudo abrir \"/no/existe.zbr\"";
        QTest::newRow("lote sin proyectos") << QStringList{"lote"} << 2 << "" << "«lote» necesita proyectos o una carpeta";
        QTest::newRow("lote con opción desconocida") << QStringList{"lote", "--json", "a.bvx"} << 2 << ""
                                                     << "argumento inesperado para «lote»: «--json»";
        QTest::newRow("barrido sin variar") << QStringList{"barrido", "a.bvx"} << 2 << ""
                                            << "«barrido» necesita al menos un «--variar»";
        QTest::newRow("barrido de una clave desconocida")
            << QStringList{"barrido", "a.bvx", "--variar", "Geometria.Ancho=1:2:1"} << 2 << ""
            << "«Geometria.Ancho» no es una entrada de un proyecto";
        QTest::newRow("barrido sin sección") << QStringList{"barrido", "a.bvx", "--variar", "Longitud=1:2:1"} << 2 << ""
                                             << "«--variar» necesita SECCION.CLAVE=DESDE:HASTA:PASO";
        QTest::newRow("barrido con rango al revés")
            << QStringList{"barrido", "a.bvx", "--variar", "Geometria.Longitud=20:10:5"} << 2 << ""
            << "el paso no lleva de DESDE a HASTA";
        QTest::newRow("barrido con paso cero")
            << QStringList{"barrido", "a.bvx", "--variar", "Geometria.Longitud=1:10:0"} << 2 << ""
            << "el paso no lleva de DESDE a HASTA";
        QTest::newRow("barrido con rango ilegible")
            << QStringList{"barrido", "a.bvx", "--variar", "Geometria.Longitud=1:x:1"} << 2 << "" << "rango no válido";
        QTest::newRow("barrido demasiado grande")
            << QStringList{"barrido", "a.bvx", "--variar", "Geometria.Longitud=0:10000:1", "--variar",
                           "Geometria.Declive=0:10000:1"}
            << 2 << "" << "más de los 10000000 que admite";
        QTest::newRow("lote con --csv repetido") << QStringList{"lote", "--csv", "--csv", "a.bvx"} << 2 << ""
                                                 << "«--csv» se dio más de una vez";
        QTest::newRow("barrido con --csv repetido")
            << QStringList{"barrido", "a.bvx", "--variar", "Geometria.Longitud=1:2:1", "--csv", "--csv"} << 2 << ""
            << "«--csv» se dio más de una vez";
        QTest::newRow("barrido de una entrada dos veces")
            << QStringList{"barrido", "a.bvx", "--variar", "Geometria.Longitud=1:2:1", "--variar",
                           "geometria.LONGITUD=3:4:1"}
            << 2 << "" << "«geometria.LONGITUD» se varía más de una vez";
        QTest::newRow("barrido cuyos puntos no caben en 63 bits")
            << QStringList{"barrido", "a.bvx", "--variar", "Geometria.Longitud=0:2200000:1", "--variar",
                           "Geometria.Declive=0:2200000:1", "--variar", "Suelo.Diam_Punto_1=0:2200000:1"}
            << 2 << "" << "el barrido tendría 10648014520006600001 puntos, más de los 10000000 que admite";
        QTest::newRow("barrido cuyos puntos no caben en 64 bits")
            << QStringList{"barrido", "a.bvx", "--variar", "Geometria.Longitud=0:9999998:1", "--variar",
                           "Geometria.Declive=0:9999998:1", "--variar", "Suelo.Diam_Punto_1=0:9999998:1"}
            << 2 << "" << "el barrido tendría más de 18446744073709551615 puntos, más de los 10000000 que admite";
        QTest::newRow("reporte en un nombre con un salto de línea")
            << QStringList{"reporte", "-o", "/no/existe/a\nb.rtf"} << 1 << ""
            << "No se pudo guardar \"/no/existe/a\\x0Ab.rtf\": No existe el archivo o la carpeta";
        QTest::newRow("reporte en un nombre con ESC")
            << QStringList{"reporte", "-o", "/no/existe/\x1b.pdf"} << 1 << "" << "\"/no/existe/\\x1B.pdf\"";
        QTest::newRow("reporte sin salida") << QStringList{"reporte"} << 2 << ""
                                            << "falta «-o SALIDA.pdf» o «-o SALIDA.rtf»";
        QTest::newRow("reporte en un tipo desconocido") << QStringList{"reporte", "-o", "x.docx"} << 2 << ""
                                                        << "«-o» necesita un archivo .pdf o .rtf, no «x.docx»";
        QTest::newRow("reporte con dos salidas") << QStringList{"reporte", "-o", "a.pdf", "-o", "b.pdf"} << 2 << ""
                                                 << "«-o» se dio más de una vez";
        QTest::newRow("reporte con -o vacío") << QStringList{"reporte", "-o", ""} << 2 << ""
                                              << "«-o» necesita un archivo de salida";
        QTest::newRow("reporte de un proyecto que no existe")
            << QStringList{"reporte", "/no/existe.bvx", "-o", "/tmp/x.pdf"} << 1 << "" << "no se pudo leer";
        QTest::newRow("reporte en una carpeta que no existe")
            << QStringList{"reporte", "-o", "/no/existe/x.rtf"} << 1 << "" << "No se pudo guardar \"/no/existe/x.rtf\": No existe el archivo o la carpeta";
        QTest::newRow("reporte-escorrentia con una opción errónea")
            << QStringList{"reporte-escorrentia", "--uso", "9", "-o", "x.pdf"} << 2 << ""
            << "«--uso» necesita 0, 1, 2 o 3, no «9»";
        QTest::newRow("carpeta") << QStringList{"ladera", "/tmp"} << 1 << "" << "no se pudo leer «/tmp»: Es una carpeta";
        QTest::newRow("dispositivo") << QStringList{"ladera", "/dev/zero"} << 1 << ""
                                     << "no se pudo leer «/dev/zero»: No es un archivo: es un dispositivo";
        // A file that is there and holds no project is refused, not opened as a new one.
        QTest::newRow("un programa como proyecto") << QStringList{"ladera", "/bin/sh"} << 1 << ""
                                                   << "no se pudo leer «/bin/sh»: El archivo no es un proyecto de Brovel";
        QTest::newRow("barrido de un programa")
            << QStringList{"barrido", "/bin/sh", "--variar", "Geometria.Longitud=20:60:20"} << 1 << ""
            << "no se pudo leer «/bin/sh»: El archivo no es un proyecto de Brovel";
        // A sweep that leaves the range of the field its entry stands for.
        QTest::newRow("barrido más allá del campo")
            << QStringList{"barrido", "a.bvx", "--variar", "Geometria.Longitud=20:200:20"} << 2 << ""
            << "brovel-calc: «--variar Geometria.Longitud=20:200:20»: El valor ingresado se encuentra fuera del "
               "rango permitido";
        QTest::newRow("barrido por debajo del campo")
            << QStringList{"barrido", "a.bvx", "--variar", "geometria.declive=-10:10:5"} << 2 << ""
            << "«--variar geometria.declive=-10:10:5»: El valor ingresado se encuentra fuera del rango permitido (0 - ";
        QTest::newRow("guardar en un dispositivo") << QStringList{"ladera", "--guardar", "/dev/null"} << 1 << ""
                                                   << "No es un archivo: es un dispositivo";
        // clang-format on
        // A number outside the range of the field the option stands for is refused
        // with the window's message.
        const QString fuera = QStringLiteral("El valor ingresado se encuentra fuera del rango permitido");
        // clang-format off
        QTest::newRow("nc fuera de rango") << QStringList{"escorrentia", "--nc", "150"} << 2 << ""
                                           << "brovel-calc: «--nc 150»: " + fuera + " (0 - 1E2)";
        QTest::newRow("área negativa") << QStringList{"escorrentia", "--area", "-5"} << 2 << "" << "«--area -5»: " + fuera;
        QTest::newRow("paso negativo") << QStringList{"escorrentia", "--paso", "-5"} << 2 << "" << "«--paso -5»: " + fuera;
        QTest::newRow("lluvia negativa")
            << QStringList{"escorrentia", "--lluvia", "5,-1"} << 2 << "" << "«--lluvia 5,-1»: " + fuera;
        QTest::newRow("nc en el borde") << QStringList{"escorrentia", "--nc", "100"} << 0 << "\"Nc\": 100" << "";
        // clang-format on
    }
    void AyudaYArgumentosErroneos() {
        QFETCH(QStringList, argumentos);
        QFETCH(int, estado);
        QFETCH(QString, enSalida);
        QFETCH(QString, enErrores);
#ifdef BROVEL_CALC_WEB
        // Past its arguments and the project, a report under Node ends with the one reason.
        if (argumentos.value(0).startsWith(QStringLiteral("reporte")) && estado == 1 &&
            !enErrores.contains(QStringLiteral("no se pudo leer")))
            enErrores =
                QStringLiteral("no se pudo escribir el reporte: los reportes necesitan el programa de escritorio");
#endif
        const TSalida r = Ejecutar(argumentos);
        QCOMPARE(r.estado, estado);
        QVERIFY(QString::fromUtf8(r.salida).contains(enSalida));
        QVERIFY(QString::fromUtf8(r.errores).contains(enErrores));
        if (estado != 0) QCOMPARE(QString::fromUtf8(r.errores).trimmed().count(QLatin1Char('\n')), 0);
    }

    // A computation that stopped names what it left behind instead of passing its
    // numbers off as answers; the exchange carries that to the slope.
    void EscorrentiaNombraLoQueNoSePudoCalcular() {
        const QJsonObject json =
            QJsonDocument::fromJson(
                Ejecutar({QStringLiteral("escorrentia"), QStringLiteral("--paso"), QStringLiteral("0")}).salida)
                .object();
        QStringList viejos;
        for (const auto& nombre : json["sin_actualizar"].toArray()) viejos << nombre.toString();
        QCOMPARE(viejos, (QStringList{"LlParcial", "LlAcumulada", "LlHietograma", "Svaeua", "SvaeuaParcial", "He",
                                      "Vte", "Vtesp", "Cp"}));
        const QJsonObject bien = QJsonDocument::fromJson(Ejecutar({QStringLiteral("escorrentia")}).salida).object();
        QCOMPARE(bien["sin_actualizar"].toArray().size(), 0);
    }

    // An argument with bytes that are not text is shown escaped, not raw.
    void LosBytesQueNoSonTextoSeMuestranEscapados() {
        NO_BAJO_NODE("Node pasa los argumentos como texto: un byte que no es UTF-8 llega como U+FFFD");
        QProcess proceso;
        proceso.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"), QStringLiteral("\"$0\" tabla \"$(printf 'T\\377\\001')\""),
                       QStringLiteral(BROVEL_CALC)});
        QVERIFY(proceso.waitForFinished(30000));
        QCOMPARE(proceso.exitCode(), 2);
        QCOMPARE(proceso.readAllStandardError(),
                 QByteArray("brovel-calc: tabla desconocida: T\\xFF\\x01 (pruebe «brovel-calc tabla»)\n"));
    }

    // Output that cannot be written fails the run with one line saying why, whether
    // the disk is full or the output was closed.
    void UnaSalidaQueNoSePuedeEscribirFalla_data() {
        QTest::addColumn<QString>("redireccion");
        QTest::addColumn<QString>("orden");
        QTest::addColumn<QString>("motivo");
        // clang-format off
        QTest::newRow("ladera, disco lleno") << ">/dev/full" << "ladera" << "No queda espacio en el disco";
        QTest::newRow("tabla, disco lleno") << ">/dev/full" << "tabla TC1" << "No queda espacio en el disco";
        QTest::newRow("lista de tablas, disco lleno") << ">/dev/full" << "tabla" << "No queda espacio en el disco";
        QTest::newRow("ladera, salida cerrada") << ">&-" << "ladera" << "El archivo no está abierto (descriptor erróneo)";
        QTest::newRow("ayuda, salida cerrada") << ">&-" << "--help" << "El archivo no está abierto (descriptor erróneo)";
        // clang-format on
    }
    void UnaSalidaQueNoSePuedeEscribirFalla() {
        QFETCH(QString, redireccion);
        if (redireccion == QStringLiteral(">&-")) NO_BAJO_NODE("Node abre /dev/null en lugar de una salida cerrada");
        QFETCH(QString, orden);
        QFETCH(QString, motivo);
        QProcess proceso;
        proceso.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"), QStringLiteral("\"$0\" %1 %2").arg(orden, redireccion),
                       QStringLiteral(BROVEL_CALC)});
        QVERIFY(proceso.waitForFinished(30000));
        QCOMPARE(proceso.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(proceso.readAllStandardError()),
                 QStringLiteral("brovel-calc: no se pudo escribir la salida: %1\n").arg(motivo));
    }

    // A report is saved as a project is: what is not a file is never written over,
    // nor a read-only file, and the folder stays as it was.
    void UnReporteNoSeEscribeSobreLoQueNoEsUnArchivo_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("preparar");
        QTest::addColumn<QString>("motivo");
        // clang-format off
        QTest::newRow("dispositivo") << "n.pdf" << "mknod -m 666 n.pdf c 1 3" << "No es un archivo: es un dispositivo";
        QTest::newRow("tubería") << "p.rtf" << "mkfifo p.rtf" << "No es un archivo: es una tubería (FIFO)";
        QTest::newRow("enlace a un dispositivo") << "x.pdf" << "mknod -m 666 nulo c 1 3 && ln -s nulo x.pdf"
                                                 << "No es un archivo: es un dispositivo";
        QTest::newRow("solo lectura") << "r.rtf" << "echo viejo > r.rtf && chmod 444 r.rtf" << "Permiso denegado";
        QTest::newRow("ciclo de enlaces") << "l1.pdf" << "ln -s l2.pdf l1.pdf && ln -s l1.pdf l2.pdf"
                                          << "Demasiados niveles de enlaces simbólicos";
        // clang-format on
    }
    void UnReporteNoSeEscribeSobreLoQueNoEsUnArchivo() {
        SOLO_EN_EL_ESCRITORIO();
        QFETCH(QString, nombre);
        QFETCH(QString, preparar);
        QFETCH(QString, motivo);
        QTemporaryDir carpeta;
        QProcess proceso;
        proceso.setWorkingDirectory(carpeta.path());
        proceso.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), preparar});
        QVERIFY(proceso.waitForFinished(30000));
        if (proceso.exitCode() != 0) QSKIP("esta máquina no deja crear el caso (mknod necesita root)");
        const QByteArray antes = Listado(carpeta.path());
        const TSalida r = Ejecutar({QStringLiteral("reporte"), QStringLiteral("-o"), carpeta.filePath(nombre)});
        QCOMPARE(r.estado, 1);
        QVERIFY2(QString::fromUtf8(r.errores).contains(motivo), r.errores.constData());
        QCOMPARE(r.errores.count('\n'), 1);
        QCOMPARE(Listado(carpeta.path()), antes);
    }

    // Any name the system allows is saved, as the very bytes given: one of 255
    // bytes, created and then replaced, and one that is not UTF-8.
    void CualquierNombreSeGuardaTalCual() {
        SOLO_EN_EL_ESCRITORIO();
        QTemporaryDir carpeta;
        const QByteArray largo = QByteArray(251, 'n') + ".rtf";
        for (int vez = 0; vez < 2; ++vez) {
            QProcess proceso;
            proceso.setWorkingDirectory(carpeta.path());
            proceso.start(QStringLiteral(BROVEL_CALC),
                          {QStringLiteral("reporte"), QStringLiteral("-o"), QString::fromLatin1(largo)});
            QVERIFY(proceso.waitForFinished(30000));
            QCOMPARE(proceso.exitCode(), 0);
            QVERIFY(QFileInfo(carpeta.filePath(QString::fromLatin1(largo))).size() > 0);
        }
        QProcess proceso;
        proceso.setWorkingDirectory(carpeta.path());
        proceso.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"), QStringLiteral("\"$0\" reporte -o \"$(printf '\\377\\376.rtf')\""),
                       QStringLiteral(BROVEL_CALC)});
        QVERIFY(proceso.waitForFinished(30000));
        QCOMPARE(proceso.exitCode(), 0);
        struct stat datos {};
        QCOMPARE(::stat((QFile::encodeName(carpeta.path()) + "/\xFF\xFE.rtf").constData(), &datos), 0);
        QCOMPARE(Listado(carpeta.path()).count('\n'), 2);
    }

    // On a full disk the report fails with status 1 and the previous one stays whole.
    void UnDiscoLlenoDejaElReporteAnterior() {
        SOLO_EN_EL_ESCRITORIO();
        if (::geteuid() != 0) QSKIP("montar un sistema de archivos chico necesita root");
        QTemporaryDir carpeta;
        const QString guion = QStringLiteral(
            "mount -t tmpfs -o size=64k tmpfs \"$1\" || exit 77\n"
            "cd \"$1\" && head -c 9647 /dev/zero | tr '\\0' v > r.rtf && head -c 49152 /dev/zero > relleno\n"
            "\"$0\" reporte -o r.rtf; estado=$?\n"
            "echo \"estado $estado\"; wc -c < r.rtf; ls -A | wc -l\n"
            "cd / && umount \"$1\"");
        QProcess proceso;
        proceso.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"), guion, QStringLiteral(BROVEL_CALC), carpeta.path()});
        QVERIFY(proceso.waitForFinished(30000));
        if (proceso.exitCode() == 77) QSKIP("esta máquina no deja montar un sistema de archivos chico");
        const QString salida = QString::fromUtf8(proceso.readAllStandardOutput()).simplified();
        QCOMPARE(salida, QStringLiteral("estado 1 9647 2"));
        QVERIFY2(proceso.readAllStandardError().contains("No queda espacio en el disco"), "sin el motivo");
    }

    // A sweep is counted before anything is held for its points: even many huge
    // ranges are refused within a small memory.
    void UnBarridoEnormeSeRechazaSinReservarMemoria() {
        const auto conLimite = [](const QString& orden) {
            QProcess proceso;
            proceso.start(
                QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("ulimit -v 400000; ") + orden, QStringLiteral(BROVEL_CALC)});
            proceso.waitForFinished(60000);
            return std::make_pair(proceso.exitCode(), proceso.readAllStandardError());
        };
        if (conLimite(QStringLiteral("\"$0\" --help >/dev/null")).first != 0)
            QSKIP("esta compilación (con sanitizers) reserva más memoria virtual que el límite");
        QString orden = QStringLiteral("\"$0\" barrido a.bvx");
        for (int k = 1; k <= 16; ++k) orden += QStringLiteral(" --variar Suelo.Diam_Punto_%1=0:9999998:1").arg(k);
        const auto [estado, errores] = conLimite(orden);
        QCOMPARE(estado, 2);
        QVERIFY2(errores.contains("más de los 10000000 que admite"), errores.constData());
    }

    // A pipe is refused at once, without waiting for anyone to write into it.
    void UnaTuberiaSeRechazaSinEsperar() {
        QTemporaryDir carpeta;
        const QString fifo = carpeta.filePath(QStringLiteral("tuberia.bvx"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0644) == 0);
        for (const QStringList& argumentos : {QStringList{"ladera", fifo}, QStringList{"ladera", "--guardar", fifo}}) {
            const TSalida r = Ejecutar(argumentos);
            QCOMPARE(r.estado, 1);
            QVERIFY2(r.errores.contains("No es un archivo: es una tubería (FIFO)"), r.errores.constData());
            QVERIFY(r.salida.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(PruebaBrovelCalc)
#include "BrovelCalc_test.moc"
