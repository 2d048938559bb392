// The test program's main: one QApplication on the offscreen platform for every test.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // No test may need a display or open a real window.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dudedur"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
