// The main window: every option of a worksheet held as the state of its controls, the generate
// button, and a help page with links. Each control's Qt object name is its name below, which is
// also its key in the settings file.
#pragma once

#include <QWidget>
#include <ctime>
#include <functional>
#include <string>

#include "app/window_services.h"
#include "model/catalogue.h"
#include "pdf/Pdfhdr.h"
#include "settings/form_options.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace dudedur::app {

class TFormZadaniaForm : public QWidget {
  public:
    // Builds the controls, loads the saved options into them (the brackets rule applied) and sets
    // the caption. An exception from the services escapes to the caller.
    explicit TFormZadaniaForm(WindowServices services, QWidget* parent = nullptr);
    ~TFormZadaniaForm() override;

    // The options as the controls show them.
    settings::FormOptions ReadFormOptions() const;
    // Sets every option control; does not run the brackets rule.
    void ShowFormOptions(const settings::FormOptions& options);

    // Handlers. Connected to their controls through a guard that shows an escaping exception in
    // the error box; public so that tests can run them as the events would.
    void FormActivate();
    void FormClose();
    void AdvGlowButton1Click();
    void AdvGlowButtonGenClick();
    void AdvOfficeCheckBoxTrzSkladnikiClick();
    void AdvOfficePager1Change();

    // Runs a handler; an exception escaping it is shown in the error box and the window goes on.
    void RunGuarded(const std::function<void()>& handler);

    // Members that start-up fixes.
    const std::string ProgramVersion;
    std::string SettingsFolder;
    std::string SettingsFile;
    std::string OutputFolder;
    std::time_t DocumentTime = 0;
    Dudedur model;
    TRolePDF RolePDF1;

    // Controls.
    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QTabWidget* AdvOfficePager1 = nullptr;
    QWidget* AdvOfficePagerTesty = nullptr;
    QWidget* AdvOfficePage1 = nullptr;
    QGroupBox* AdvGroupBox2 = nullptr;
    QCheckBox* CBDodawanie = nullptr;
    QCheckBox* CBOdejmowanie = nullptr;
    QCheckBox* CBMnozenie = nullptr;
    QCheckBox* CBDzielenie = nullptr;
    QGroupBox* AdvGroupBox1 = nullptr;
    QCheckBox* AdvOfficeCheckBoxTrzSkladniki = nullptr;
    QCheckBox* AdvOfficeCheckBoxNawiasy = nullptr;
    QCheckBox* AdvOfficeCheckBoxNiewiadoma = nullptr;
    QCheckBox* AdvOfficeCheckBoxPominZeroIJeden = nullptr;
    QComboBox* ComboZakresDodawanie = nullptr;
    QComboBox* ComboZakresOdejmowanie = nullptr;
    QGroupBox* AdvGroupBox3 = nullptr;
    QComboBox* AdvComboBoxLiczbaZadan = nullptr;
    QComboBox* AdvComboBoxLiczbaZestawow = nullptr;
    QComboBox* AdvComboBoxLiczbaNaStronie = nullptr;
    QProgressBar* AdvProgress1 = nullptr;
    QLabel* HTMLabel3 = nullptr;
    QLabel* HTMLabel4 = nullptr;
    QLabel* HTMLabelNowaWersja = nullptr;
    QFrame* AdvPanel1 = nullptr;
    QLabel* HTMLabel1 = nullptr;
    QPushButton* AdvGlowButtonGen = nullptr;
    QPushButton* AdvGlowButton1 = nullptr;

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // form_layout.cpp
    void BuildLayout();
    void BuildSettingsPage();
    void BuildBottomBar();
    void SetTabOrder();
    // help_page.cpp
    void BuildHelpPage();
    // form_handlers.cpp
    void ConnectHandlers();
    void OpenLink(const QString& target);
    void ShowMessage(const std::string& text);
    void ShowError(const std::string& message);
    void ShowProgress(int32_t position, int32_t maximum);

    WindowServices services_;
    // Whether the program's focus went to another program since the window was last active:
    // coming back from there is not an activation of the program's window.
    bool focusLeftProgram_ = false;
};

}  // namespace dudedur::app
