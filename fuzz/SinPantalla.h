// What the fuzz targets that lay out text share: a Qt application without any
// display, created once, and the leak the font library leaves.
#pragma once

#include <QByteArray>
#include <QGuiApplication>

// Qt keeps fontconfig's fallback patterns for every family name a document asks
// for and frees them at no point; the leak is the font library's. Defined here for
// the one target that includes this header.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

inline void CrearAplicacionSinPantalla() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nombre[] = "fuzz";
    static char* argv[] = {nombre, nullptr};
    static QGuiApplication aplicacion(argc, argv);
}
