// Starting the program as a window: the display check, the application object, the random
// generator's seed, and the main window's run until it closes.
#pragma once

#include "app/window_services.h"

namespace dudedur::app {

// Whether Qt has somewhere to show a window: an X or Wayland display, or a platform chosen
// through QT_QPA_PLATFORM.
bool HasDisplay();

// The line printed when there is no display.
inline constexpr const char* kNoDisplayMessage =
    "dudedur: brak ekranu dla okna programu (nie ustawiono DISPLAY ani WAYLAND_DISPLAY); "
    "arkusz zadań bez okna zapisuje: dudedur generate";

// Shows the main window and runs the event loop until it closes; needs a QApplication. Returns
// the loop's status, or 1 after showing an exception that escaped start-up or the loop in the
// error box.
int RunMainWindow(const WindowServices& services);

// The whole program without a subcommand: says so and returns 1 without a display, else creates
// the application "Dudedur", seeds the random generator once from the clock and runs the main
// window with the real services.
int RunWindow(int& argc, char** argv);

}  // namespace dudedur::app
