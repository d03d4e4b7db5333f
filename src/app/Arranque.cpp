#include "app/Arranque.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>

#include "app/EstiloBotones.h"

namespace brovel {

void PrepararProceso() {
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
    QApplication::setApplicationName(QStringLiteral("Brovel"));
    // The desktop ties the windows to the menu entry "brovel.desktop" and its icon.
    QApplication::setDesktopFileName(QStringLiteral("brovel"));
    QApplication::setStyle(new TEstiloBrovel);
    // The desktop's own dialogs (files, message boxes) speak the users' language.
    auto* traductor = new QTranslator(qApp);
    if (traductor->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traductor);
}

}  // namespace brovel
