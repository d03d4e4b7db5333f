// The slope project on disk: what the file holds, the round trip through a fresh
// start, the dialogs of the four commands, and saving that never loses a project.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "VentanaBrovel.h"

namespace {

QByteArray Contenido(const QString& ruta) {
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

void Escribir(const QString& ruta, const QByteArray& texto) {
    QFile archivo(ruta);
    QVERIFY(archivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
    archivo.write(texto);
}

// One combination of options and some values that differ from a new project's.
struct TCombinacion {
    int suelo;      // 0 curve, 1 mean diameter, 2 class and texture
    int lluvia;     // 0..3
    int extrema;    // 0..1
    int evento;     // 0..1
    bool labranza, mulching, practicas;
    int practica;   // 0..3
};

void Aplicar(TMainFormBrovel& v, const TCombinacion& c) {
    v.euDt->SetBaseValue(12.5);
    v.euLt->SetBaseValue(45);
    Elegir(QList<QRadioButton*>{v.rbCrr, v.rbDm, v.rbCyT}[c.suelo]);
    if (c.suelo == 0) {
        v.euCpcg->SetBaseValue(4);
        const double d[] = {2, 0.5, 0.05, 0.002}, p[] = {100, 70, 30, 5};
        for (int i = 1; i <= 4; ++i) {
            v.Estado.Dg[i] = d[i - 1];
            v.Estado.Pp[i] = p[i - 1];
        }
        v.cbPcgChange();
    } else if (c.suelo == 1) {
        v.euDm->SetBaseValue(0.12);
    } else {
        v.cbCspe->setCurrentIndex(3);
        v.euPl->SetBaseValue(40);
        v.euPlm->SetBaseValue(55);
        v.euPa->SetBaseValue(20);
        v.euPmo->SetBaseValue(2.5);
        v.cbCspp->setCurrentIndex(4);
    }
    Marcar(v.cbD, c.suelo == 1);
    v.euBvs->SetBaseValue(39);
    Elegir(QList<QRadioButton*>{v.rbHr, v.rbSh, v.rbPre, v.rbFelle}[c.lluvia]);
    if (c.lluvia == 0) {
        v.cbCph->setCurrentIndex(2);
        v.cbCphChange();
        for (int k = 1; k <= 3; ++k) v.Estado.Cll1[1][k] = 2.5 * k;
        v.euCta->SetBaseValue(7);
    } else if (c.lluvia == 1) {
        v.cbCh->setCurrentIndex(2);
        v.cbChChange();
        v.cbCph2->setCurrentIndex(3);
        v.cbCph2Change();
        for (int h = 1; h <= 3; ++h)
            for (int k = 1; k <= 4; ++k) v.Estado.Cll1[h][k] = h + 0.25 * k;
        v.euCta->SetBaseValue(9);
    } else if (c.lluvia == 2) {
        v.euEt->SetBaseValue(35);
        v.euMi30m->SetBaseValue(40);
    } else {
        v.euFele->SetBaseValue(30000);
    }
    Elegir(QList<QRadioButton*>{v.rbHdlt, v.rbCe}[c.extrema]);
    if (c.extrema == 0) {
        v.cbCph3->setCurrentIndex(3);
        v.cbCph3Change();
        for (int k = 1; k <= 4; ++k) v.Estado.Cll2[k] = 5.0 * k;
        v.euPth2->SetBaseValue(15);
    } else {
        v.euCe->SetBaseValue(40);
    }
    Elegir(QList<QRadioButton*>{v.rbHdlt2, v.rbPrde}[c.evento]);
    if (c.evento == 0) {
        v.cbCph4->setCurrentIndex(4);
        v.cbCph4Change();
        for (int k = 1; k <= 5; ++k) v.Estado.Cll3[k] = 3.0 * k;
        v.euPth3->SetBaseValue(20);
    } else {
        v.euVp->SetBaseValue(1500);
        v.euCp->SetBaseValue(80);
    }
    v.euFatc->SetBaseValue(0.6);
    Marcar(v.cbHl, c.labranza);
    if (c.labranza) v.euTtfo->SetBaseValue(3);
    Marcar(v.cbHm, c.mulching);
    if (c.mulching) {
        v.euPsrua->SetBaseValue(900);
        v.cbMde->setCurrentIndex(2);
        v.CondicionantesShow();
    }
    Marcar(v.cbHmg, c.practicas);
    if (c.practicas) {
        v.cbTp->setCurrentIndex(c.practica);
        v.cbTpChange();
        switch (c.practica) {
            case 0: v.euAl->SetBaseValue(8); v.euCmst->SetBaseValue(0.04); break;
            case 1: v.euFps->SetBaseValue(0.39); break;
            case 2: v.euEet->SetBaseValue(30); v.euPt->SetBaseValue(2); break;
            case 3: v.euTfp->SetBaseValue(6); v.euIrst->SetBaseValue(2.3); break;
        }
    }
    v.euRast->SetBaseValue(1.5);
}

// What a project is: every input field, the options, the lists, the arrays, and
// what the model computes from them.
QStringList Descripcion(TMainFormBrovel& v) {
    QStringList d;
    for (const TDefinicionCampo& campo : CamposBrovel()) {
        // Results, and the editors that show one entry of an array, are not inputs.
        if (campo.clase == TClaseCampo::Resultado || std::isnan(campo.porDefecto)) continue;
        const QString nombre = QString::fromUtf8(campo.nombre.data(), int(campo.nombre.size()));
        d << nombre + "=" + QString::number(double(v.PageControl->findChild<TUnidades*>(nombre)->GetBaseValue()), 'g', 17);
    }
    for (QAbstractButton* b : v.PageControl->findChildren<QAbstractButton*>())
        if (b->isCheckable()) d << b->objectName() + (b->isChecked() ? "+" : "-");
    for (QComboBox* l : v.PageControl->findChildren<QComboBox*>())
        if (!l->objectName().startsWith("cbUnidad")) d << l->objectName() + ":" + l->currentText();
    const TEstadoBrovel& e = v.Estado;
    for (int i = 1; i <= kMaxElementos; ++i) {
        d << QString("Dg%1=%2 Pp%1=%3").arg(i).arg(e.Dg[i]).arg(e.Pp[i]);
        d << QString("Cll2_%1=%2 Cll3_%1=%3").arg(i).arg(e.Cll2[i]).arg(e.Cll3[i]);
        for (int h = 1; h <= kMaxElementos; ++h) d << QString("Cll1_%1_%2=%3").arg(h).arg(i).arg(e.Cll1[h][i]);
    }
    MostrarPestana(v, kErosion);
    for (const double r : {e.Fes, e.Ft, e.Felle, e.Fp, e.Fcm, e.Fps, e.Lct, e.TeE, e.PsE})
        d << QString::number(r, 'g', 17);
    d << QString("Tp=%1").arg(e.Tp);
    return d;
}

}  // namespace

class PruebaBrovelProyecto : public QObject {
    Q_OBJECT

private slots:
    void init() {
        carpeta = std::make_unique<QTemporaryDir>();
        QVERIFY(carpeta->isValid());
        escritorio = std::make_unique<TEscritorioDePrueba>();
        ventana = std::make_unique<TMainFormBrovel>(false);
    }
    void cleanup() {
        ventana.reset();
        escritorio.reset();
    }

    // Guardar on a new project asks for a name, starting beside the program.
    void guardarUnProyectoNuevoPideNombre() {
        const QString ruta = carpeta->filePath("ladera.bvx");
        escritorio->archivosElegidos << ruta;
        ventana->Guardar->trigger();
        QCOMPARE(escritorio->dialogosDeArchivo, QStringList{"guardar"});
        QCOMPARE(escritorio->filtrosPedidos, QStringList{"Proyecto Brovel (*.bvx)"});
        QCOMPARE(escritorio->sufijosPedidos, QStringList{"bvx"});
        QCOMPARE(escritorio->carpetasPedidas, QStringList{QApplication::applicationDirPath()});
        QCOMPARE(ventana->RutaProyecto, ruta);
        QCOMPARE(ventana->NombreProyecto, QStringLiteral("ladera.bvx"));
        QCOMPARE(ventana->windowTitle(), QStringLiteral("Brovel - ladera"));
        QVERIFY(Contenido(ruta).startsWith("[Geometria]\r\nDeclive=6\r\nLongitud=60\r\n\r\n[Suelo]\r\nOpcion=1\r\n"));
        QVERIFY(!Contenido(ruta).replace("\r\n", "").contains('\n'));

        // Named now: Guardar writes without asking.
        ventana->euLt->SetBaseValue(75);
        ventana->Guardar->trigger();
        QCOMPARE(escritorio->dialogosDeArchivo.size(), 1);
        QVERIFY(Contenido(ruta).contains("\r\nLongitud=75\r\n"));
        QCOMPARE(escritorio->errores, QStringList());
    }

    void cancelarLosDialogosNoCambiaNada() {
        ventana->Abrir->trigger();
        ventana->GuardarComo->trigger();
        QCOMPARE(escritorio->dialogosDeArchivo, (QStringList{"abrir", "guardar"}));
        QCOMPARE(ventana->windowTitle(), QStringLiteral("Brovel - Sin Nombre"));
        QVERIFY(ventana->RutaProyecto.isEmpty());
        QVERIFY(QDir(carpeta->path()).isEmpty());
    }

    // Every option combination comes back from its file in a fresh start with the
    // same inputs and the same results.
    void idaYVueltaDeCadaCombinacion_data() {
        QTest::addColumn<int>("suelo");
        QTest::addColumn<int>("lluvia");
        QTest::addColumn<int>("extrema");
        QTest::addColumn<int>("evento");
        QTest::addColumn<bool>("labranza");
        QTest::addColumn<bool>("mulching");
        QTest::addColumn<bool>("practicas");
        QTest::addColumn<int>("practica");
        QTest::newRow("por defecto") << -1 << 0 << 0 << 0 << true << true << true << 0;
        // Each value of each choice at least once, in different company.
        for (int i = 0; i < 12; ++i)
            QTest::newRow(qPrintable(QString("combinación %1").arg(i)))
                << i % 3 << i % 4 << i % 2 << (i / 2) % 2 << (i % 5 != 1) << (i % 3 != 2) << (i % 6 != 5) << i % 4;
    }
    void idaYVueltaDeCadaCombinacion() {
        QFETCH(int, suelo);
        if (suelo >= 0) {
            QFETCH(int, lluvia);
            QFETCH(int, extrema);
            QFETCH(int, evento);
            QFETCH(bool, labranza);
            QFETCH(bool, mulching);
            QFETCH(bool, practicas);
            QFETCH(int, practica);
            Aplicar(*ventana, {suelo, lluvia, extrema, evento, labranza, mulching, practicas, practica});
        }
        const QString ruta = carpeta->filePath("combinacion.bvx");
        QFile::remove(ruta);
        QVERIFY(ventana->GuardarValores(ruta, "combinacion.bvx"));
        const QStringList antes = Descripcion(*ventana);

        TMainFormBrovel nueva(false);
        QVERIFY(nueva.AbrirProyecto(ruta));
        const QStringList despues = Descripcion(nueva);
        for (int i = 0; i < antes.size(); ++i) QCOMPARE(despues.value(i), antes[i]);
        QCOMPARE(nueva.windowTitle(), QStringLiteral("Brovel - combinacion"));
        QVERIFY(!nueva.FaltaZumbrel);
        QCOMPARE(escritorio->errores, QStringList());
    }

    // Entries of an option no longer chosen stay in the file; reading ignores them.
    void guardarDosVecesConservaLaOpcionAnterior() {
        const QString ruta = carpeta->filePath("dos.bvx");
        Elegir(ventana->rbDm);
        ventana->euDm->SetBaseValue(0.2);
        QVERIFY(ventana->GuardarValores(ruta, "dos.bvx"));
        Elegir(ventana->rbCrr);
        QVERIFY(ventana->GuardarValores(ruta, "dos.bvx"));
        const QByteArray texto = Contenido(ruta);
        QVERIFY(texto.contains("\r\nDiametro_medio=0.2\r\n"));
        QVERIFY(texto.contains("\r\nOpcion=1\r\n"));
        QCOMPARE(texto.count("[Suelo]"), 1);

        TMainFormBrovel nueva(false);
        nueva.euDm->SetBaseValue(0.3);
        QVERIFY(nueva.AbrirProyecto(ruta));
        QVERIFY(nueva.rbCrr->isChecked());
        QCOMPARE(Valor(nueva.euDm), 0.3);
    }

    // A file is updated, not replaced: what the program does not write survives.
    void loQueElProgramaNoConoceSobrevive() {
        const QString ruta = carpeta->filePath("ajeno.bvx");
        Escribir(ruta, "; notas del técnico\r\n[Geometria]\r\nLongitud=80\r\nParcela=12\r\n[Otra]\r\nclave=valor\r\n");
        QVERIFY(ventana->GuardarValores(ruta, "ajeno.bvx"));
        const QByteArray texto = Contenido(ruta);
        QVERIFY(texto.startsWith("; notas del técnico\r\n"));
        QVERIFY(texto.contains("[Geometria]\r\nLongitud=60\r\nParcela=12\r\nDeclive=6\r\n"));
        QVERIFY(texto.contains("[Otra]\r\nclave=valor\r\n"));
    }

    void unArchivoSinOpcionDeSueloAbreLaCurvaPorDefecto() {
        const QString ruta = carpeta->filePath("sinopcion.bvx");
        Escribir(ruta, "[Suelo]\r\nHumedad=0.9\r\n");
        Elegir(ventana->rbDm);
        QVERIFY(ventana->AbrirProyecto(ruta));
        QVERIFY(ventana->rbCrr->isChecked());
        QCOMPARE(Valor(ventana->euCpcg), 9.0);
        QCOMPARE(ventana->cbPcg->count(), 9);
        for (int i = 1; i <= 9; ++i) {
            QCOMPARE(ventana->Estado.Dg[i], 4.76);
            QCOMPARE(ventana->Estado.Pp[i], 100.0);
        }
        QCOMPARE(Valor(ventana->euShs), 0.9);
    }

    // Reading the mean diameter leaves the curve of the project before in the model.
    void elDiametroMedioNoBorraLaCurvaAnterior() {
        const QString ruta = carpeta->filePath("diametro.bvx");
        Escribir(ruta, "[Suelo]\nOpcion=2\nDiametro_medio=0.08\n");  // LF line ends read as well
        const TSerie curva = ventana->Estado.Dg;
        QVERIFY(ventana->AbrirProyecto(ruta));
        QVERIFY(ventana->rbDm->isChecked());
        QCOMPARE(Valor(ventana->euDm), 0.08);
        QCOMPARE(ventana->Estado.Dm, 0.08);
        QVERIFY(ventana->Estado.Dg == curva);
    }

    void lasClavesSeLeenSinDistinguirMayusculas() {
        const QString ruta = carpeta->filePath("mayusculas.bvx");
        Escribir(ruta, "[GEOMETRIA]\r\ndeclive=12.5\r\nLONGITUD=abc\r\n");
        QVERIFY(ventana->AbrirProyecto(ruta));
        QCOMPARE(Valor(ventana->euDt), 12.5);
        QCOMPARE(Valor(ventana->euLt), 60.0);  // unreadable: the entry's default
    }

    // The loaded practice's inputs are shown and read: grazing fields compute P
    // from the file's roughness index, not from one of 0.
    void laPracticaLeidaMuestraYUsaSusDatos() {
        const QString ruta = carpeta->filePath("pastoreo.bvx");
        Escribir(ruta, "[Condicionantes]\r\nPractica_soporte=1\r\nTipo_practica=3\r\nTiempo_perturbado=6\r\n"
                       "Constante_consolidacion=2\r\nLluvia_infiltrada=0.5\r\n[Disipacion]\r\nIndice_rugosidad=2.3\r\n");
        QVERIFY(ventana->AbrirProyecto(ruta));
        QCOMPARE(ventana->cbTp->currentIndex(), 3);
        QCOMPARE(Mostrados(*ventana, kPastoreo), kPastoreo);
        QCOMPARE(Mostrados(*ventana, kPerfilado), QStringList());
        QCOMPARE(ventana->Estado.Tp, 3);
        QCOMPARE(ventana->Estado.Irst, 2.3);
        MostrarPestana(*ventana, kErosion);
        const double cargado = ventana->Estado.Fps;

        TMainFormBrovel escrita(false);
        escrita.cbTp->setCurrentIndex(3);
        escrita.cbTpChange();
        escrita.euTfp->SetBaseValue(6);
        escrita.euCtc->SetBaseValue(2);
        escrita.euFliii->SetBaseValue(0.5);
        escrita.euIrst->SetBaseValue(2.3);
        MostrarPestana(escrita, kErosion);
        QCOMPARE(cargado, escrita.Estado.Fps);
    }

    void elCultivoEnFranjasLeeSuFactor() {
        const QString ruta = carpeta->filePath("franjas.bvx");
        Escribir(ruta, "[Condicionantes]\r\nTipo_practica=1\r\nFactor_soporte=0.47\r\n");
        QVERIFY(ventana->AbrirProyecto(ruta));
        QCOMPARE(Valor(ventana->euFps), 0.47);
        QCOMPARE(Mostrados(*ventana, kFranjas), kFranjas);
    }

    // Every step of every hyetograph of a series is kept; the files that hold one
    // amount per hyetograph still open.
    void laSerieDeHietogramasGuardaCadaPaso() {
        const QString ruta = carpeta->filePath("serie.bvx");
        Aplicar(*ventana, {0, 1, 0, 0, true, true, true, 0});
        QVERIFY(ventana->GuardarValores(ruta, "serie.bvx"));
        const QByteArray texto = Contenido(ruta);
        QVERIFY(texto.contains("\r\ncant_lluvia_2_3=2.75\r\n"));
        QVERIFY(texto.contains("\r\ncant_lluvia_3_4=4\r\ncant_lluvia_3=4\r\n"));

        const QString antigua = carpeta->filePath("antigua.bvx");
        Escribir(antigua, "[Forzantes]\r\nOpcion=2\r\nCantidad_hieto=2\r\nPasos_hieto=3\r\ncant_lluvia_1=4.5\r\n"
                          "cant_lluvia_2_2=8\r\n");
        QVERIFY(ventana->AbrirProyecto(antigua));
        const TEstadoBrovel& e = ventana->Estado;
        for (int k = 1; k <= 3; ++k) QCOMPARE(e.Cll1[1][k], 4.5);
        QCOMPARE(e.Cll1[2][1], 1.0);
        QCOMPARE(e.Cll1[2][2], 8.0);
        QCOMPARE(ventana->cbHn->count(), 2);
        QCOMPARE(ventana->cbPhn2->count(), 3);
    }

    // Counts beyond the arrays are brought within them.
    void lasCantidadesFueraDeRangoSeAcotan() {
        const QString ruta = carpeta->filePath("cantidades.bvx");
        Escribir(ruta, "[Suelo]\r\nOpcion=1\r\nCant_puntos=35\r\n[Forzantes]\r\nOpcion=1\r\nPasos_hieto=50\r\n"
                       "Opcion2=1\r\nPasos_hieto2=0\r\nOpcion3=1\r\nPasos_hieto3=-4\r\n");
        QVERIFY(ventana->AbrirProyecto(ruta));
        QCOMPARE(Valor(ventana->euCpcg), 20.0);
        QCOMPARE(ventana->cbPcg->count(), 20);
        QCOMPARE(ventana->cbCph->currentText(), QStringLiteral("20"));
        QCOMPARE(ventana->cbPhn->count(), 20);
        QCOMPARE(ventana->cbCph3->currentText(), QStringLiteral("1"));
        QCOMPARE(ventana->cbCph4->currentText(), QStringLiteral("1"));
        QCOMPARE(escritorio->errores, QStringList());
    }

    void abrirPorElDialogoYNuevoDespues() {
        const QString ruta = carpeta->filePath("abrir.bvx");
        Escribir(ruta, "[Geometria]\r\nDeclive=9\r\n");
        escritorio->archivosElegidos << ruta;
        ventana->Abrir->trigger();
        QCOMPARE(escritorio->sufijosPedidos, QStringList{"bvx"});
        QCOMPARE(ventana->windowTitle(), QStringLiteral("Brovel - abrir"));
        QCOMPARE(Valor(ventana->euDt), 9.0);
        QCOMPARE(ventana->NombreProyecto, QStringLiteral("abrir.bvx"));

        ventana->Nuevo->trigger();
        QCOMPARE(ventana->windowTitle(), QStringLiteral("Brovel - Sin Nombre"));
        QVERIFY(ventana->RutaProyecto.isEmpty());
        QVERIFY(ventana->NombreProyecto.isEmpty());
        QCOMPARE(Valor(ventana->euDt), 6.0);
    }

    // A name that does not exist yet opens as an empty file: the entries' defaults.
    void abrirUnNombreNuevoDaLosValoresDeLasEntradas() {
        QString motivo;
        QVERIFY(!ventana->AbrirProyecto(carpeta->filePath("nuevo.bvx"), &motivo));
        QVERIFY(!motivo.isEmpty());
        QCOMPARE(Valor(ventana->euDt), 6.0);
        QCOMPARE(Valor(ventana->euRast), 1.0);
        QCOMPARE(escritorio->errores, QStringList());
    }

    // A save that cannot be done says why and leaves the old file as it was.
    void unGuardadoFallidoNoTocaElArchivo() {
        const QString ruta = carpeta->filePath("soloLectura.bvx");
        Escribir(ruta, "[Geometria]\r\nDeclive=3\r\n");
        QFile::setPermissions(ruta, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        const QByteArray antes = Contenido(ruta);
        QVERIFY(!ventana->GuardarValores(ruta, "soloLectura.bvx"));
        QCOMPARE(Contenido(ruta), antes);
        QCOMPARE(escritorio->errores.size(), 1);
        QVERIFY(escritorio->errores[0].contains(ruta));
        QVERIFY(escritorio->errores[0].contains(QString::fromLocal8Bit(strerror(EACCES))));

        const QString perdida = carpeta->filePath("no/existe/ladera.bvx");
        escritorio->archivosElegidos << perdida;
        ventana->GuardarComo->trigger();
        QCOMPARE(escritorio->errores.size(), 2);
        QVERIFY(escritorio->errores[1].contains(QString::fromLocal8Bit(strerror(ENOENT))));
        QVERIFY(!QFileInfo::exists(carpeta->filePath("no")));
        QCOMPARE(ventana->windowTitle(), QStringLiteral("Brovel - ladera"));
        QCOMPARE(QDir(carpeta->path()).entryList(QDir::Files), QStringList{"soloLectura.bvx"});
    }

private:
    std::unique_ptr<QTemporaryDir> carpeta;
    std::unique_ptr<TEscritorioDePrueba> escritorio;
    std::unique_ptr<TMainFormBrovel> ventana;
};

QTEST_MAIN(PruebaBrovelProyecto)
#include "BrovelProyecto_test.moc"
