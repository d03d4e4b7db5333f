// generar-ayuda: builds the help document from its source.
//
//   generar-ayuda FUENTE.html ESTILO.css SALIDA.pdf [IMAGEN.svg ...]
//
// The source's markers are filled from the program's tables and from a new
// project recalculated as the windows start it; the pictures are named in the
// source by their file names. Any fault leaves no document behind and ends with
// status 1 and a one-line message, so the build stops there.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

#include "EjemploAyuda.h"
#include "FuenteAyuda.h"
#include "Paginas.h"

namespace {

const char kTitulo[] = "Ayuda de Brovel y Zumbrel";

QByteArray Leer(const QString& ruta) {
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly))
        throw std::runtime_error("no se puede leer «" + ruta.toStdString() +
                                 "»: " + archivo.errorString().toStdString());
    return archivo.readAll();
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication aplicacion(argc, argv);
    const QStringList argumentos = aplicacion.arguments();
    if (argumentos.size() < 4) {
        std::fprintf(stderr, "uso: generar-ayuda FUENTE.html ESTILO.css SALIDA.pdf [IMAGEN.svg ...]\n");
        return 2;
    }
    const QString fuente = argumentos[1], estilo = argumentos[2], salida = argumentos[3];
    try {
        brovel::ayuda::TImagenes imagenes;
        for (qsizetype i = 4; i < argumentos.size(); ++i)
            imagenes.insert(QFileInfo(argumentos[i]).fileName(), Leer(argumentos[i]));
        brovel::ayuda::TEjemploAyuda ejemplo;
        for (const auto& [nombre, svg] : ejemplo.Imagenes())
            imagenes.insert(QString::fromStdString(nombre), QByteArray::fromStdString(svg));
        std::string html;
        try {
            html = brovel::ayuda::LlenarFuente(Leer(fuente).toStdString(), ejemplo, BROVEL_VERSION);
        } catch (const brovel::ayuda::TErrorMarcador& error) {
            throw std::runtime_error(QFileInfo(fuente).fileName().toStdString() + ", " + error.what());
        }
        brovel::ayuda::EscribirPdf(QString::fromStdString(html), QString::fromUtf8(Leer(estilo)), imagenes,
                                   QString::fromUtf8(kTitulo), salida);
    } catch (const std::exception& error) {
        QFile::remove(salida);
        std::fprintf(stderr, "generar-ayuda: %s\n", error.what());
        return 1;
    }
    return 0;
}
