// The event handlers of the main window and the guard that keeps an escaping exception from
// ending the program.
#include <QCheckBox>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QWindow>
#include <algorithm>
#include <exception>

#include "app/form_zadania_form.h"
#include "model/sweep.h"
#include "worksheet/form_request.h"

namespace dudedur::app {

void TFormZadaniaForm::ConnectHandlers() {
    connect(AdvGlowButtonGen, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { AdvGlowButtonGenClick(); }); });
    connect(AdvGlowButton1, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { AdvGlowButton1Click(); }); });
    // clicked, not toggled: loading the options must not run the rule box by box.
    connect(AdvOfficeCheckBoxTrzSkladniki, &QCheckBox::clicked, this,
            [this] { RunGuarded([this] { AdvOfficeCheckBoxTrzSkladnikiClick(); }); });
    connect(AdvOfficePager1, &QTabWidget::currentChanged, this,
            [this] { RunGuarded([this] { AdvOfficePager1Change(); }); });
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focused) {
        if (focused == nullptr) {
            focusLeftProgram_ = true;
        } else if (focused != windowHandle()) {
            focusLeftProgram_ = false;  // a window of the program, such as a box
        }
    });
    for (QLabel* link : {HTMLabel1, HTMLabel4, HTMLabelNowaWersja}) {
        connect(link, &QLabel::linkActivated, this,
                [this](const QString& target) { RunGuarded([&] { OpenLink(target); }); });
    }
}

void TFormZadaniaForm::RunGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowError(error.what());
    } catch (...) {
        ShowError("");
    }
}

bool TFormZadaniaForm::event(QEvent* event) {
    // The window becomes the program's active window when it is first shown and when it takes
    // the focus back from another window of the program; coming back from another program (the
    // PDF viewer, the browser of a link) leaves its page and place as the user left them.
    if (event->type() == QEvent::WindowActivate) {
        if (!focusLeftProgram_) RunGuarded([this] { FormActivate(); });
        focusLeftProgram_ = false;
    }
    return QWidget::event(event);
}

void TFormZadaniaForm::closeEvent(QCloseEvent* event) {
    RunGuarded([this] { FormClose(); });
    event->accept();
}

void TFormZadaniaForm::FormActivate() {
    AdvOfficeCheckBoxTrzSkladnikiClick();
    AdvOfficePager1->setCurrentWidget(AdvOfficePagerTesty);  // raises AdvOfficePager1Change
    constexpr int kTopEdge = 40;
    move(x(), kTopEdge);
}

void TFormZadaniaForm::FormClose() {
    // The store fails silently: the values concerned are lost, nothing else.
    static_cast<void>(services_.saveSettings(SettingsFile, ReadFormOptions()));
}

void TFormZadaniaForm::AdvGlowButton1Click() { close(); }

void TFormZadaniaForm::AdvGlowButtonGenClick() {
    const settings::FormOptions form = ReadFormOptions();
    Result<GenerateRequest> request = RequestFromForm(form);
    if (!request.ok()) {
        model.ClearGroups();
        // With no operation ticked the action refuses before it reads any list.
        if (BuildOperationPairs(GenerationFlagsFromForm(form)).empty()) {
            ShowMessage(kNoOperationMessage);
        } else {
            ShowError(request.message());
        }
        return;
    }
    request.value().open = true;

    WorksheetSession session{model, RolePDF1, DocumentTime};
    const Result<std::string> written = services_.generate(
        request.value(), session,
        [this](int32_t position, int32_t maximum) { ShowProgress(position, maximum); });
    DocumentTime = session.documentTime;
    if (!written.ok()) ShowMessage(written.message());
}

void TFormZadaniaForm::AdvOfficeCheckBoxTrzSkladnikiClick() {
    const bool threeArguments = AdvOfficeCheckBoxTrzSkladniki->isChecked();
    if (!threeArguments) AdvOfficeCheckBoxNawiasy->setChecked(false);
    AdvOfficeCheckBoxNawiasy->setEnabled(threeArguments);
}

void TFormZadaniaForm::AdvOfficePager1Change() {
    AdvGlowButtonGen->setVisible(AdvOfficePager1->currentWidget() == AdvOfficePagerTesty);
}

void TFormZadaniaForm::OpenLink(const QString& target) {
    services_.openTarget(target.toStdString());
}

void TFormZadaniaForm::ShowMessage(const std::string& text) {
    services_.showMessage(this, text);
    // The window takes the focus back from the box; activate it here rather than trust every
    // window system to report that.
    FormActivate();
}

void TFormZadaniaForm::ShowError(const std::string& message) {
    services_.showError(this, message);
    FormActivate();
}

void TFormZadaniaForm::ShowProgress(int32_t position, int32_t maximum) {
    AdvProgress1->setMaximum(maximum);
    // The last position is one above the maximum; a QProgressBar ignores such a value, so it
    // is shown as the full bar it stands for.
    AdvProgress1->setValue(std::min(position, maximum));
    // The sweep processes no events; paint the bar now.
    AdvProgress1->repaint();
}

}  // namespace dudedur::app
