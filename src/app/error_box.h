// The program's two kinds of modal box, both titled with the application title "Dudedur" and
// closed by one OK button: a message the user can act on, and the error box for a failure that
// escaped an event handler or start-up.
#pragma once

#include <string>
#include <string_view>

class QWidget;

namespace dudedur::app {

inline constexpr const char* kApplicationTitle = "Dudedur";

// The text of the error box: the message with "." appended when its last character sorts after
// "." (so one ending in ".", "!" or "-" gets none, nor does an empty one).
std::string ErrorBoxText(std::string_view message);

// Shows `text` and waits for OK.
void ShowMessageBox(QWidget* parent, const std::string& text);

// Shows ErrorBoxText(message) with an error icon and waits for OK.
void ShowErrorBox(QWidget* parent, const std::string& message);

}  // namespace dudedur::app
