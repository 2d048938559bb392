// Start-up of the window and the error box: failures that end the program end it with a failure
// status, and the error box's full-stop rule.
#include <stdexcept>

#include "app/error_box.h"
#include "app/run_window.h"
#include "run_program.h"
#include "window_fixture.h"

namespace dudedur::app {
namespace {

TEST(ErrorBoxText, AddsAFullStopAfterCharactersThatSortAfterIt) {
    struct Case {
        const char* message;
        const char* shown;
    };
    const Case cases[] = {
        {"Brak pamięci", "Brak pamięci."},
        {"zażółć", "zażółć."},  // a last letter beyond ASCII
        {"błąd 42", "błąd 42."},
        {"a/b", "a/b."},  // '/' sorts right after '.'
        {"Koniec.", "Koniec."},
        {"Uwaga!", "Uwaga!"},
        {"linia -", "linia -"},
        {"(x)", "(x)"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ErrorBoxText(c.message), c.shown) << c.message;
}

TEST_F(WindowTest, FailureAtStartUpIsShownAndEndsWithAFailureStatus) {
    struct Case {
        const char* name;
        void (*raise)();
        const char* shown;
    };
    const Case cases[] = {
        {"an exception object", [] { throw std::runtime_error("Nie ma folderu"); },
         "Nie ma folderu"},
        {"any other thrown value", [] { throw 7; }, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        errors.clear();
        WindowServices services = Services();
        services.prepareSettings = [raise = c.raise]() -> settings::PreparedSettings {
            raise();
            return {};
        };
        EXPECT_NE(RunMainWindow(services), 0);
        EXPECT_EQ(errors, std::vector<std::string>{c.shown});
    }
}

TEST(RunWindow, WithoutADisplayPointsToTheCommandLine) {
    const testing::ProgramRun run = testing::RunDudedur(
        {}, {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}});
    EXPECT_NE(run.exitStatus, 0);
    EXPECT_EQ(run.err, std::string(kNoDisplayMessage) + "\n");
    EXPECT_EQ(run.out, "");
}

}  // namespace
}  // namespace dudedur::app
