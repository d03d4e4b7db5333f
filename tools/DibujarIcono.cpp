// dibujar_icono: draws an SVG image as a square PNG of the size asked, for the
// desktop's icon theme, which wants each size drawn apart.
//   dibujar_icono ENTRADA.svg SALIDA.png LADO
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

#include <cstdio>

// No application object: an icon is shapes only, and drawing shapes into an image
// needs neither a display nor the fonts.
int main(int argc, char** argv) {
    QStringList argumentos;
    for (int i = 0; i < argc; ++i) argumentos << QString::fromLocal8Bit(argv[i]);
    bool esNumero = false;
    const int lado = argumentos.size() == 4 ? argumentos[3].toInt(&esNumero) : 0;
    if (!esNumero || lado < 1 || lado > 4096) {
        std::fputs("Uso: dibujar_icono ENTRADA.svg SALIDA.png LADO (de 1 a 4096 píxeles)\n", stderr);
        return 2;
    }
    QSvgRenderer svg(argumentos[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "dibujar_icono: no se pudo leer la imagen «%s»\n", qUtf8Printable(argumentos[1]));
        return 1;
    }
    QImage imagen(lado, lado, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    {
        QPainter pintor(&imagen);
        pintor.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        svg.render(&pintor, QRectF(0, 0, lado, lado));
    }
    if (!imagen.save(argumentos[2], "PNG")) {
        std::fprintf(stderr, "dibujar_icono: no se pudo escribir «%s»\n", qUtf8Printable(argumentos[2]));
        return 1;
    }
    return 0;
}
