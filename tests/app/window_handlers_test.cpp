// The handlers of the main window: the brackets rule, page changes, activation after a box,
// saving at close, and the generate button's successes and refusals.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QWindow>
#include <stdexcept>

#include "model/sweep.h"
#include "settings/settings_store.h"
#include "window_fixture.h"

namespace dudedur::app {
namespace {

TEST_F(WindowTest, BracketsFollowTheThreeArgumentBox) {
    struct Case {
        const char* name;
        bool threeBefore;
        bool bracketsBefore;
        bool bracketsAfter;
        bool bracketsEnabledAfter;
    };
    const Case cases[] = {
        {"clearing three arguments clears and disables brackets", true, true, false, false},
        {"ticking three arguments enables brackets but leaves them cleared", false, false, false,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto window = MakeWindow();
        window->AdvOfficeCheckBoxTrzSkladniki->setChecked(c.threeBefore);
        window->AdvOfficeCheckBoxNawiasy->setEnabled(c.threeBefore);
        window->AdvOfficeCheckBoxNawiasy->setChecked(c.bracketsBefore);
        window->AdvOfficeCheckBoxTrzSkladniki->click();
        EXPECT_EQ(window->AdvOfficeCheckBoxNawiasy->isChecked(), c.bracketsAfter);
        EXPECT_EQ(window->AdvOfficeCheckBoxNawiasy->isEnabled(), c.bracketsEnabledAfter);
    }
}

TEST_F(WindowTest, StoredBracketsWithoutThreeArgumentsStartClearedAndSaveAsCleared) {
    WriteSettings("[Form]\nAdvOfficeCheckBoxNawiasy=1\nAdvOfficeCheckBoxTrzSkladniki=0\n");
    const auto window = MakeWindow();
    EXPECT_FALSE(window->AdvOfficeCheckBoxNawiasy->isChecked());
    EXPECT_FALSE(window->AdvOfficeCheckBoxNawiasy->isEnabled());
    window->close();
    EXPECT_FALSE(settings::LoadSettings(SettingsFile()).AdvOfficeCheckBoxNawiasy);
}

TEST_F(WindowTest, GenerateButtonShowsOnTheSettingsPageOnly) {
    const auto window = MakeWindow();
    Show(*window);
    window->AdvOfficePager1->setCurrentWidget(window->AdvOfficePage1);
    EXPECT_FALSE(window->AdvGlowButtonGen->isVisible());
    EXPECT_TRUE(window->AdvGlowButton1->isVisible());
    EXPECT_TRUE(window->HTMLabel1->isVisible());
    window->AdvOfficePager1->setCurrentWidget(window->AdvOfficePagerTesty);
    EXPECT_TRUE(window->AdvGlowButtonGen->isVisible());
}

TEST_F(WindowTest, AfterAMessageTheWindowIsBackOnTheSettingsPageAt40Pixels) {
    const auto window = MakeWindow();
    Show(*window);
    window->move(100, 300);
    window->AdvOfficePager1->setCurrentWidget(window->AdvOfficePage1);
    window->CBDodawanie->setChecked(false);

    window->AdvGlowButtonGenClick();

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(window->AdvOfficePager1->currentWidget(), window->AdvOfficePagerTesty);
    EXPECT_TRUE(window->AdvGlowButtonGen->isVisible());
    EXPECT_EQ(window->y(), 40);
    EXPECT_EQ(window->x(), 100) << "the left edge stays";
}

// Activation through the window system: back from a window of the program the window returns to
// the settings page at 40 pixels; back from another program it stays as the user left it.
TEST_F(WindowTest, ActivationComesOnlyFromTheProgramsOwnWindows) {
    const struct {
        const char* name;
        bool fromOwnWindow;
    } cases[] = {{"back from a window of the program", true},
                 {"back from another program", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto window = MakeWindow();
        Show(*window);
        window->move(100, 300);
        window->AdvOfficePager1->setCurrentWidget(window->AdvOfficePage1);

        QWidget other;
        other.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
        // What the window system reports when the focus leaves for the other window.
        emit qApp->focusWindowChanged(c.fromOwnWindow ? other.windowHandle() : nullptr);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(window.get(), &activate);

        const bool activated = c.fromOwnWindow;
        EXPECT_EQ(window->AdvOfficePager1->currentWidget() == window->AdvOfficePagerTesty,
                  activated);
        EXPECT_EQ(window->y() == 40, activated);
        EXPECT_EQ(window->x(), 100);
    }
}

TEST_F(WindowTest, ClosingByAnyMeansSavesEveryOption) {
    settings::FormOptions changed;
    changed.CBDodawanie = false;
    changed.CBMnozenie = true;
    changed.AdvOfficeCheckBoxTrzSkladniki = true;
    changed.AdvOfficeCheckBoxNawiasy = true;
    changed.AdvOfficeCheckBoxPominZeroIJeden = true;
    changed.ComboZakresDodawanie = 4;  // the second "30"
    changed.ComboZakresOdejmowanie = 4;
    changed.AdvComboBoxLiczbaZadan = 2;
    changed.AdvComboBoxLiczbaZestawow = 6;
    changed.AdvComboBoxLiczbaNaStronie = 0;

    struct Case {
        const char* name;
        void (*close)(TFormZadaniaForm&);
    };
    const Case cases[] = {
        {"Zamknij", [](TFormZadaniaForm& w) { w.AdvGlowButton1->click(); }},
        {"the title bar's close box", [](TFormZadaniaForm& w) { w.windowHandle()->close(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(SettingsFile());
        const auto window = MakeWindow();
        Show(*window);
        window->ShowFormOptions(changed);
        c.close(*window);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(settings::LoadSettings(SettingsFile()), changed);
    }
}

TEST_F(WindowTest, PressWithNoOperationShowsTheMessageAndWritesNothing) {
    const auto window = MakeWindow();
    window->CBDodawanie->setChecked(false);
    window->AdvGlowButtonGen->click();
    EXPECT_EQ(messages, std::vector<std::string>{kNoOperationMessage});
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(OutputFiles().empty());
    EXPECT_TRUE(opened.empty());
}

TEST_F(WindowTest, NoOperationOutranksAnEmptyList) {
    WriteSettings("[Form]\nCBDodawanie=0\nAdvComboBoxLiczbaZestawow=-1\n");
    const auto window = MakeWindow();
    window->AdvGlowButtonGen->click();
    EXPECT_EQ(messages, std::vector<std::string>{kNoOperationMessage});
    EXPECT_TRUE(errors.empty());
}

TEST_F(WindowTest, PressWritesTheWorksheetOpensItAndLeavesTheBarFull) {
    const auto window = MakeWindow();
    Show(*window);
    window->CBOdejmowanie->setChecked(true);
    window->AdvGlowButtonGen->click();

    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(errors.empty());
    const std::vector<std::string> files = OutputFiles();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_TRUE(files[0].ends_with(".pdf")) << files[0];
    EXPECT_EQ(testing::ReadFile(files[0]).substr(0, 5), "%PDF-");
    EXPECT_EQ(opened, files) << "the finished document goes to the viewer";
    EXPECT_EQ(window->AdvProgress1->maximum(), 100);
    EXPECT_EQ(window->AdvProgress1->value(), window->AdvProgress1->maximum());
    EXPECT_NE(window->DocumentTime, 0);
    EXPECT_GT(window->model.ProblemCount(), 0);
}

TEST_F(WindowTest, EmptyStoredListIsReportedAndTheWindowGoesOn) {
    WriteSettings("[Form]\nAdvComboBoxLiczbaZestawow=7\n");
    const auto window = MakeWindow();
    EXPECT_EQ(window->AdvComboBoxLiczbaZestawow->currentIndex(), -1);
    EXPECT_EQ(window->AdvComboBoxLiczbaZestawow->currentText(), "");

    window->AdvGlowButtonGen->click();
    EXPECT_EQ(errors,
              std::vector<std::string>{"lista \"Liczba zestawów\" nie ma wybranej pozycji"});
    EXPECT_TRUE(OutputFiles().empty());

    // The user picks an entry and presses again.
    window->AdvComboBoxLiczbaZestawow->setCurrentIndex(0);
    window->AdvGlowButtonGen->click();
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_EQ(OutputFiles().size(), 1u);
}

TEST_F(WindowTest, RefusalOfTheActionIsShownAsAMessage) {
    WindowServices services = Services();
    services.generate = [](const GenerateRequest&, WorksheetSession&, const SweepProgress&) {
        return Result<std::string>(Status::Error("Nie można usunąć pliku"));
    };
    const auto window = MakeWindow(std::move(services));
    window->AdvGlowButtonGen->click();
    EXPECT_EQ(messages, std::vector<std::string>{"Nie można usunąć pliku"});
    EXPECT_TRUE(errors.empty());
}

TEST_F(WindowTest, ExceptionInAHandlerIsShownAndTheWindowGoesOn) {
    struct Case {
        const char* name;
        void (*raise)();
        const char* shown;
    };
    const Case cases[] = {
        {"an exception object", [] { throw std::runtime_error("Brak pamięci"); }, "Brak pamięci"},
        {"any other thrown value", [] { throw 42; }, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        errors.clear();
        std::filesystem::remove(SettingsFile());  // the previous case saved its options
        WindowServices services = Services();
        services.generate = [raise = c.raise](const GenerateRequest&, WorksheetSession&,
                                              const SweepProgress&) -> Result<std::string> {
            raise();
            return std::string();
        };
        const auto window = MakeWindow(std::move(services));
        Show(*window);
        window->AdvOfficePager1->setCurrentWidget(window->AdvOfficePage1);
        window->AdvGlowButtonGen->click();
        EXPECT_EQ(errors, std::vector<std::string>{c.shown});
        EXPECT_EQ(window->AdvOfficePager1->currentWidget(), window->AdvOfficePagerTesty);

        // Later events are handled as before.
        window->AdvOfficeCheckBoxTrzSkladniki->click();
        EXPECT_TRUE(window->AdvOfficeCheckBoxNawiasy->isEnabled());
        window->AdvGlowButton1->click();
        EXPECT_FALSE(window->isVisible());
    }
}

}  // namespace
}  // namespace dudedur::app
