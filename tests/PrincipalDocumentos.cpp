// The documents' tests lay out text, which needs a QGuiApplication for its
// fonts; the offscreen platform gives one without a display.
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacion(argc, argv);
    return RUN_ALL_TESTS();
}
