// Saves an image of every tab of both windows, at two window sizes and with the
// options at their defaults and at their alternatives, into the folder given:
// the images to compare when the look of the windows is touched.
#include <QApplication>
#include <QDir>
#include <QTabWidget>

#include <cstdio>

#include "app/Arranque.h"
#include "forms/FormaBrovel.h"
#include "ui/windows/MainBrovel.h"
#include "ui/windows/MainZumbrel.h"

namespace {

using namespace brovel;

void Guardar(QWidget* ventana, QTabWidget* pestanas, const QString& carpeta, const QString& prefijo) {
    // The last tab shows the report, which no description builds.
    for (int i = 0; i + 1 < pestanas->count(); ++i) {
        pestanas->setCurrentIndex(i);
        for (int vuelta = 0; vuelta < 5; ++vuelta) QApplication::processEvents();
        const QString nombre = QStringLiteral("%1/%2-%3.png").arg(carpeta, prefijo).arg(i);
        if (!ventana->grab().save(nombre)) std::fprintf(stderr, "no se pudo guardar %s\n", qPrintable(nombre));
    }
    pestanas->setCurrentIndex(0);
}

// The alternatives of every option, check box and list that shows or hides rows.
void Alternativas(TFormaBrovel& forma) {
    forma.ElegirOpcion(TGrupoOpciones::Suelo, 2);
    forma.ElegirOpcion(TGrupoOpciones::LluviaMedia, 1);
    forma.ElegirOpcion(TGrupoOpciones::LluviaExtrema, 1);
    forma.ElegirOpcion(TGrupoOpciones::Evento, 1);
    for (TCasilla casilla : kCasillas) forma.Marcar(casilla, true);
    forma.ElegirEnLista(TListaBrovel::cbTp, 3);
    forma.Zumbrel.ElegirOpcion(TGrupoZumbrel::Serie, 1);
    forma.Zumbrel.ElegirOpcion(TGrupoZumbrel::UsoSuelo, 2);
    forma.Zumbrel.MarcarAbstraccionAsignada(false);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication aplicacion(argc, argv);
    if (argc != 2) {
        std::fputs("uso: capturar_pestanas CARPETA\n", stderr);
        return 2;
    }
    const QString carpeta = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(carpeta);
    PrepararProceso();
    for (const bool alternativas : {false, true}) {
        for (const QSize tamano : {QSize(1280, 800), QSize(1024, 600)}) {
            TMainFormBrovel ventana(false);
            if (alternativas) Alternativas(ventana.Forma());
            ventana.resize(tamano);
            ventana.show();
            const QString estado = alternativas ? QStringLiteral("alt") : QStringLiteral("def");
            const QString sufijo = QStringLiteral("%1-%2x%3").arg(estado).arg(tamano.width()).arg(tamano.height());
            Guardar(&ventana, ventana.PageControl, carpeta, QStringLiteral("brovel-") + sufijo);
            TMainFormZumbrel* zumbrel = ventana.Zumbrel();
            zumbrel->resize(tamano);
            zumbrel->show();
            Guardar(zumbrel, zumbrel->PageControl, carpeta, QStringLiteral("zumbrel-") + sufijo);
            zumbrel->hide();
        }
    }
    return 0;
}
