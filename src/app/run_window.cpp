#include "app/run_window.h"

#include <QApplication>
#include <QScreen>
#include <cstdlib>
#include <exception>
#include <iostream>

#include "app/error_box.h"
#include "app/form_zadania_form.h"
#include "model/random.h"

namespace dudedur::app {
namespace {

constexpr int kExitFailure = 1;

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Shows an exception that escapes any event's handling instead of letting it end the program.
class GuardedApplication : public QApplication {
  public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            ShowErrorBox(activeWindow(), error.what());
        } catch (...) {
            ShowErrorBox(activeWindow(), "");
        }
        return false;
    }
};

}  // namespace

bool HasDisplay() {
    return IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
}

int RunMainWindow(const WindowServices& services) {
    // A failure here would otherwise pass for a normal end: it ends the program with a failure.
    try {
        TFormZadaniaForm window(services);
        // Centred on the desktop when first shown; each activation then sets its top edge.
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            window.move(screen->availableGeometry().center() - window.rect().center());
        }
        window.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        services.showError(nullptr, error.what());
    } catch (...) {
        services.showError(nullptr, "");
    }
    return kExitFailure;
}

int RunWindow(int& argc, char** argv) {
    // Without a display QApplication would abort; say what to do instead.
    if (!HasDisplay()) {
        std::cerr << kNoDisplayMessage << '\n';
        return kExitFailure;
    }
    GuardedApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    SeedRandomFromClock();
    return RunMainWindow(DefaultWindowServices());
}

}  // namespace dudedur::app
