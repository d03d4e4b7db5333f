#include <QAbstractItemModel>
#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextEdit>

#include <memory>
#include <optional>
#include <stdexcept>

#include "CeldaDeTabla.h"
#include "EscritorioDePrueba.h"
#include "tables/TablasReferencia.h"
#include "ui/tables/Seleccion.h"

using namespace brovel;

class PruebaSeleccion : public QObject {
    Q_OBJECT

private slots:
    void init() {
        escritorio = std::make_unique<TEscritorioDePrueba>();
        dueno = std::make_unique<QWidget>();
    }
    void cleanup() {
        dueno.reset();
        escritorio.reset();
    }

    void okAlAbrirSoloEnLasTablasDeGrupos_data() {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<bool>("habilitado");
        for (const TEntradaCatalogo& entrada : CatalogoDeTablas()) {
            const QString codigo = QString::fromUtf8(entrada.codigo);
            QTest::newRow(entrada.codigo) << codigo << (codigo == "ES1" || codigo == "ES2");
        }
    }
    void okAlAbrirSoloEnLasTablasDeGrupos() {
        QFETCH(QString, codigo);
        QFETCH(bool, habilitado);
        TSeleccionForm picker(dueno.get());
        picker.CargarTabla(codigo);
        picker.show();
        QCOMPARE(picker.BitBtn1->isEnabled(), habilitado);
    }

    void okSegunLaCeldaActual_data() {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QString>("fila");
        QTest::addColumn<QString>("columna");
        QTest::addColumn<bool>("habilitado");
        // clang-format off
        QTest::newRow("texto") << "TC2" << "CS-GPP" << "Sistema" << false;
        QTest::newRow("entero") << "TS3" << "45" << "Cantidad de días luego de plantado" << false;
        QTest::newRow("número vacío") << "TS3" << "180" << "Maíz" << false;
        QTest::newRow("título de grupo") << "EC1" << "Áreas impermeables:" << "Suelo A" << false;
        QTest::newRow("sin valor en la fila") << "EC4" << "Herbácea" << "Suelo A" << false;
        QTest::newRow("número") << "TS3" << "45" << "Maíz" << true;
        QTest::newRow("número oculto") << "TC2" << "GPP-P2-GPP-P2 (año 2)" << "P" << true;
        QTest::newRow("número junto a uno vacío") << "EC4" << "Herbácea" << "Suelo B" << true;
        QTest::newRow("tabla de grupos") << "ES1" << "C" << "Textura" << true;
        // clang-format on
    }
    void okSegunLaCeldaActual() {
        QFETCH(QString, codigo);
        QFETCH(QString, fila);
        QFETCH(QString, columna);
        QFETCH(bool, habilitado);
        TSeleccionForm picker(dueno.get());
        picker.CargarTabla(codigo);
        const QModelIndex celda = Celda(picker, fila, columna);
        QVERIFY(celda.isValid());
        picker.Grid->setCurrentIndex(celda);
        QCOMPARE(picker.BitBtn1->isEnabled(), habilitado);
    }

    // Arrows and Tab move the current cell inside the grid; OK follows it.
    void elTecladoMueveLaCeldaYElOk() {
        TSeleccionForm picker(dueno.get());
        picker.CargarTabla(QStringLiteral("TC2"));
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        const QAbstractItemModel* modelo = picker.Grid->model();
        QVERIFY(!picker.BitBtn1->isEnabled());

        QTest::keyClick(picker.Grid, Qt::Key_Right);
        QCOMPARE(picker.Grid->currentIndex(), modelo->index(0, 1));
        QVERIFY(picker.BitBtn1->isEnabled());
        QTest::keyClick(picker.Grid, Qt::Key_Left);
        QCOMPARE(picker.Grid->currentIndex(), modelo->index(0, 0));
        QVERIFY(!picker.BitBtn1->isEnabled());
        QTest::keyClick(picker.Grid, Qt::Key_Tab);
        QCOMPARE(picker.Grid->currentIndex(), modelo->index(0, 1));
        QVERIFY(picker.BitBtn1->isEnabled());
        QTest::keyClick(picker.Grid, Qt::Key_Tab);
        QCOMPARE(picker.Grid->currentIndex(), modelo->index(1, 0));
        QVERIFY(!picker.BitBtn1->isEnabled());
        QTest::keyClick(picker.Grid, Qt::Key_Down);
        QTest::keyClick(picker.Grid, Qt::Key_Right);
        QCOMPARE(picker.FilaActual(), 2);
        QCOMPARE(picker.Valor(), 0.47);
    }

    void devuelveElValorElegido_data() {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QString>("fila");
        QTest::addColumn<QString>("columna");
        QTest::addColumn<double>("valor");
        // clang-format off
        QTest::newRow("oculto en TC2") << "TC2" << "GPP-P2-GPP-P2 (año 2)" << "P" << 0.39;
        QTest::newRow("oculto en TC3") << "TC3" << "P1-CS-P1-CS (año 3)" << "P" << 0.69;
        QTest::newRow("kg/ha a kg/ha/cm") << "TS3" << "45" << "Maíz" << 39.0;
        QTest::newRow("porcentaje") << "TC4" << "45" << "Soja" << 0.4;
        QTest::newRow("porcentaje nulo") << "TC4" << "90" << "Pequeños granos de primavera" << 0.0;
        QTest::newRow("forraje") << "TS4" << "Cañuela" << "Masa" << 780.0;
        QTest::newRow("decimal") << "TD3" << "C5: Cobertura liviana o rugosidad moderada" << "Manning" << 0.023;
        QTest::newRow("número de curva") << "EC1" << "Condición regular (cobertura herbácea 50-70%)" << "Suelo C"
                                         << 79.0;
        QTest::newRow("junto a uno vacío") << "EC4" << "Herbácea" << "Suelo B" << 80.0;
        QTest::newRow("fila de ES1") << "ES1" << "C" << "Textura" << 2.0;
        QTest::newRow("fila de ES2") << "ES2" << "A" << "Grupo hidrológico" << 0.0;
        // clang-format on
    }
    void devuelveElValorElegido() {
        QFETCH(QString, codigo);
        QFETCH(QString, fila);
        QFETCH(QString, columna);
        QFETCH(double, valor);
        bool hallada = false;
        escritorio->alMostrarModal = [&](QDialog& dialogo) {
            TSeleccionForm& picker = Mostrado(dialogo);
            const QModelIndex celda = Celda(picker, fila, columna);
            hallada = celda.isValid();
            picker.Grid->setCurrentIndex(celda);
            QTest::mouseClick(picker.BitBtn1, Qt::LeftButton);
        };
        const std::optional<double> elegido = ElegirDeTabla(dueno.get(), codigo);
        QVERIFY(hallada);
        QVERIFY(elegido.has_value());
        QCOMPARE(*elegido, valor);
    }

    void sinAceptarNoDevuelveNada_data() {
        QTest::addColumn<QString>("columna");
        QTest::addColumn<QString>("accion");
        // clang-format off
        QTest::newRow("Cancelar") << "P" << "cancelar";
        QTest::newRow("OK deshabilitado") << "Sistema" << "ok";
        QTest::newRow("Esc") << "P" << "escape";
        // clang-format on
    }
    void sinAceptarNoDevuelveNada() {
        QFETCH(QString, columna);
        QFETCH(QString, accion);
        escritorio->alMostrarModal = [&](QDialog& dialogo) {
            TSeleccionForm& picker = Mostrado(dialogo);
            picker.Grid->setCurrentIndex(Celda(picker, QStringLiteral("CS-GPP"), columna));
            if (accion == "cancelar")
                QTest::mouseClick(picker.BitBtn2, Qt::LeftButton);
            else if (accion == "ok")
                QTest::mouseClick(picker.BitBtn1, Qt::LeftButton);
            else
                QTest::keyClick(picker.Grid, Qt::Key_Escape);
        };
        QCOMPARE(ElegirDeTabla(dueno.get(), QStringLiteral("TC2")), std::nullopt);
        QCOMPARE(escritorio->modales.size(), 1);
    }

    void unCodigoDesconocidoEsUnError() {
        TSeleccionForm picker(dueno.get());
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, picker.CargarTabla(QStringLiteral("TX9")));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, ElegirDeTabla(dueno.get(), QStringLiteral("TX9")));
        QVERIFY(escritorio->modales.isEmpty());
    }

    // What the grid draws: the text (blank for the numbers of a row that hides
    // them), the band's colour, the highlight on the current cell (the first).
    void dibujaLasCeldas_data() {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QString>("fila");
        QTest::addColumn<QString>("columna");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QColor>("fondo");
        const QColor blanco(255, 255, 255);
        const QColor verde(192, 220, 192);
        const QColor resaltado = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
        // clang-format off
        QTest::newRow("número oculto") << "TC2" << "GPP-P2-GPP-P2 (año 2)" << "P" << "" << blanco;
        QTest::newRow("número mostrado") << "TC2" << "CS-P1-CS-P1 (año 1)" << "P" << "0.39" << blanco;
        QTest::newRow("texto de fila oculta") << "TC2" << "P2-GPP-P2-GPP (año 4)" << "Sistema"
                                              << "P2-GPP-P2-GPP (año 4)" << blanco;
        QTest::newRow("franja verde") << "TC2" << "CS-GPP" << "P" << "0.83" << verde;
        QTest::newRow("celda actual") << "TC2" << "CS-GPI-P1-P2" << "Sistema" << "CS-GPI-P1-P2" << resaltado;
        QTest::newRow("celda vacía") << "TS3" << "180" << "Maíz" << "" << blanco;
        QTest::newRow("entero") << "TS3" << "195" << "Cantidad de días luego de plantado" << "195" << verde;
        // clang-format on
    }
    void dibujaLasCeldas() {
        QFETCH(QString, codigo);
        QFETCH(QString, fila);
        QFETCH(QString, columna);
        QFETCH(QString, texto);
        QFETCH(QColor, fondo);
        TSeleccionForm picker(dueno.get());
        picker.CargarTabla(codigo);
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        picker.BitBtn2->setFocus();
        const QModelIndex celda = Celda(picker, fila, columna);
        QVERIFY(celda.isValid());
        QCOMPARE(celda.data().toString(), texto);

        picker.Grid->scrollTo(celda);
        const QImage imagen = picker.Grid->viewport()->grab().toImage();
        const QRect rect = picker.Grid->visualRect(celda);
        QVERIFY(imagen.rect().contains(rect));
        // The text keeps to the top: the last rows of pixels show the background.
        QCOMPARE(QColor(imagen.pixel(rect.left() + 2, rect.bottom() - 1)), fondo);
        int tinta = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x < rect.right(); ++x) tinta += QColor(imagen.pixel(x, y)) != fondo;
        QCOMPARE(tinta > 0, !texto.isEmpty());
    }

    void tamanoYTituloAlMostrarse_data() {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QSize>("tamano");
        QTest::addColumn<bool>("leyenda");
        QTest::addColumn<int>("altoGrid");
        for (const char* codigo : {"TC1", "TC4", "TC5", "TC6", "TS3", "TS4", "TD1", "TD2"})
            QTest::newRow(codigo) << codigo << QSize(740, 319) << false << 250;
        for (const char* codigo : {"TC2", "TC3"}) QTest::newRow(codigo) << codigo << QSize(740, 506) << true << 250;
        for (const char* codigo : {"TD3", "TD4"}) QTest::newRow(codigo) << codigo << QSize(665, 319) << false << 250;
        for (const char* codigo : {"ES1", "ES2"}) QTest::newRow(codigo) << codigo << QSize(632, 319) << false << 250;
        QTest::newRow("ES3") << "ES3" << QSize(645, 319) << false << 250;
        // Taller, and the grid grows with the dialog.
        for (const char* codigo : {"EC1", "EC2", "EC3", "EC4"})
            QTest::newRow(codigo) << codigo << QSize(740, 455) << false << 386;
    }
    void tamanoYTituloAlMostrarse() {
        QFETCH(QString, codigo);
        QFETCH(QSize, tamano);
        QFETCH(bool, leyenda);
        QFETCH(int, altoGrid);
        QSize visto;
        bool conLeyenda = !leyenda;
        QRect grid, ok, cancelar, referencias;
        QModelIndex actual;
        QWidget* padre = nullptr;
        escritorio->alMostrarModal = [&](QDialog& dialogo) {
            TSeleccionForm& picker = Mostrado(dialogo);
            visto = picker.size();
            conLeyenda = picker.Referencias->isVisible();
            grid = picker.Grid->geometry();
            ok = picker.BitBtn1->geometry();
            cancelar = picker.BitBtn2->geometry();
            referencias = picker.Referencias->geometry();
            actual = picker.Grid->currentIndex();
            padre = picker.parentWidget();
        };
        QCOMPARE(ElegirDeTabla(dueno.get(), codigo), std::nullopt);
        QCOMPARE(escritorio->modales, QStringList{QString::fromUtf8(EntradaDeCatalogo(codigo.toStdString())->titulo)});
        QCOMPARE(visto, tamano);
        QCOMPARE(conLeyenda, leyenda);
        QCOMPARE(grid, QRect(8, 7, tamano.width() - 23, altoGrid));
        QCOMPARE(ok, QRect(tamano.width() - 193, tamano.height() - 56, 87, 25));
        QCOMPARE(cancelar, QRect(tamano.width() - 98, tamano.height() - 56, 85, 25));
        if (leyenda) QCOMPARE(referencias, QRect(8, 266, tamano.width() - 26, 177));
        QCOMPARE(actual.row(), 0);
        QCOMPARE(actual.column(), 0);
        QCOMPARE(padre, dueno.get());
        QVERIFY(dueno->findChildren<TSeleccionForm*>().isEmpty());
    }

    void elCaptionConservaSuBlancoFinal() {
        escritorio->alMostrarModal = [](QDialog&) {};
        ElegirDeTabla(dueno.get(), QStringLiteral("TC2"));
        QCOMPARE(escritorio->modales,
                 QStringList{"Factor de práctica de soporte, para estimar producción de sedimentos "});
    }

    void laLeyendaDeLasAbreviaturas() {
        TSeleccionForm picker(dueno.get());
        QCOMPARE(picker.windowTitle(), QStringLiteral("Seleccionar Dato"));
        QCOMPARE(picker.size(), QSize(530, 319));
        QCOMPARE(picker.minimumWidth(), 530);
        QVERIFY(picker.Referencias->isHidden());
        picker.MostrarReferencias();
        QVERIFY(!picker.Referencias->isHidden());
        QVERIFY(picker.Referencias->isReadOnly());
        const QStringList lineas = picker.Referencias->toPlainText().split('\n');
        QCOMPARE(lineas.size(), 12);
        QCOMPARE(lineas.mid(0, 3), (QStringList{"Referencias:", "", "CS: cultivo en surco"}));
        QCOMPARE(lineas.at(7), QStringLiteral("M: maíz"));
        QCOMPARE(lineas.last(),
                 QStringLiteral("Filtro X: Franja de pradera permanente que cubre X de brovel debajo del cultivo"));
    }

    // Every table fits its grid as its button opens it: no title or cell of a shown
    // column is cut short, and the columns fill the grid's width, also after the
    // dialog is made wider.
    void lasColumnasMuestranTodoYLlenanLaGrilla_data() {
        QTest::addColumn<QString>("codigo");
        for (const TEntradaCatalogo& entrada : CatalogoDeTablas())
            QTest::newRow(entrada.codigo) << QString::fromUtf8(entrada.codigo);
    }
    void lasColumnasMuestranTodoYLlenanLaGrilla() {
        QFETCH(QString, codigo);
        bool visto = false;
        escritorio->alMostrarModal = [&](QDialog& dialogo) {
            TSeleccionForm& picker = Mostrado(dialogo);
            QVERIFY(QTest::qWaitForWindowExposed(&picker));
            ComprobarColumnas(picker, QStringLiteral("al abrir"));
            picker.resize(picker.width() + 160, picker.height());
            QCoreApplication::processEvents();
            ComprobarColumnas(picker, QStringLiteral("más ancho"));
            visto = true;
        };
        ElegirDeTabla(dueno.get(), codigo);
        QVERIFY(visto);
    }

private:
    static void ComprobarColumnas(const TSeleccionForm& picker, const QString& momento) {
        const QAbstractItemModel* modelo = picker.Grid->model();
        const QFontMetrics cabecera(picker.Grid->horizontalHeader()->font());
        const QFontMetrics celdas(picker.Grid->font());
        const int dosLineas = cabecera.boundingRect(QRect(0, 0, 1000, 1000), Qt::TextWordWrap, "A\nA").height();
        int total = 0;
        for (int c = 0; c < modelo->columnCount(); ++c) {
            const int ancho = picker.Grid->columnWidth(c);
            total += ancho;
            // The title is drawn 2 pixels in from each side, on at most two lines.
            const QString titulo = modelo->headerData(c, Qt::Horizontal).toString();
            const QRect ocupado =
                cabecera.boundingRect(QRect(0, 0, ancho - 4, 1000), Qt::AlignHCenter | Qt::TextWordWrap, titulo);
            QVERIFY2(ocupado.width() <= ancho - 4 && ocupado.height() <= dosLineas,
                     qPrintable(QStringLiteral("%1: título «%2» en %3 px").arg(momento, titulo).arg(ancho)));
            // A cell's text starts 1 pixel in and must end before the column's line.
            for (int f = 0; f < modelo->rowCount(); ++f) {
                const QString texto = modelo->index(f, c).data().toString();
                const QString caso = QStringLiteral("%1: «%2» en «%3», %4 px").arg(momento, texto, titulo).arg(ancho);
                QVERIFY2(celdas.horizontalAdvance(texto) <= ancho - 3, qPrintable(caso));
            }
        }
        QVERIFY2(total == picker.Grid->viewport()->width(),
                 qPrintable(QStringLiteral("%1: columnas %2 px, grilla %3 px")
                                .arg(momento)
                                .arg(total)
                                .arg(picker.Grid->viewport()->width())));
    }

    std::unique_ptr<TEscritorioDePrueba> escritorio;
    std::unique_ptr<QWidget> dueno;
};

QTEST_MAIN(PruebaSeleccion)
#include "Seleccion_test.moc"
