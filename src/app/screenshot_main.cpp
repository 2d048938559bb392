// dudedur_window_shot FILE: saves a picture of the main window in its first-run state, for the
// README. Touches no settings file; meant for the offscreen platform.
#include <QApplication>
#include <QPixmap>
#include <iostream>

#include "app/form_zadania_form.h"
#include "app/window_services.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Użycie: dudedur_window_shot PLIK.png\n";
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dudedur"));

    dudedur::app::WindowServices services = dudedur::app::DefaultWindowServices();
    services.prepareSettings = [] { return dudedur::settings::PreparedSettings{}; };
    services.saveSettings = [](const std::string&, const dudedur::settings::FormOptions&) {
        return dudedur::Status::Ok();
    };
    dudedur::app::TFormZadaniaForm window(services);
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::cerr << "dudedur_window_shot: nie można zapisać " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
