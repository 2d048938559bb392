#include "app/error_box.h"

#include <QMessageBox>
#include <QString>

namespace dudedur::app {
namespace {

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const std::string& text) {
    QMessageBox box(icon, QString::fromUtf8(kApplicationTitle), QString::fromStdString(text),
                    QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

std::string ErrorBoxText(std::string_view message) {
    std::string text(message);
    // Bytes compare unsigned, so a message ending in a letter beyond ASCII gets its full stop too.
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
    return text;
}

void ShowMessageBox(QWidget* parent, const std::string& text) {
    ShowBox(parent, QMessageBox::NoIcon, text);
}

void ShowErrorBox(QWidget* parent, const std::string& message) {
    ShowBox(parent, QMessageBox::Critical, ErrorBoxText(message));
}

}  // namespace dudedur::app
