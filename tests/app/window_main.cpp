// The test program's main: one QApplication on the offscreen platform for every test.
#include <gtest/gtest.h>

#include <QApplication>

// Read by LeakSanitizer in the sanitized build. fontconfig keeps its font cache, which Qt loads
// once, until the process ends; nothing of ours is left out.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

int main(int argc, char** argv) {
    // No test may need a display or open a real window.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dudedur"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
