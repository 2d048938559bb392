// Construction of the main window and the mapping between its controls and the stored options.
#include "app/form_zadania_form.h"

#include <QCheckBox>
#include <QComboBox>

#include "common/build_info.h"

namespace dudedur::app {
namespace {

void SelectPosition(QComboBox* list, int32_t position) {
    // A position outside the list leaves it with no entry and empty text.
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

}  // namespace

TFormZadaniaForm::TFormZadaniaForm(WindowServices services, QWidget* parent)
    : QWidget(parent), ProgramVersion(kProgramVersion), services_(std::move(services)) {
    BuildLayout();
    RolePDF1.SetPageSize(psA4);
    RolePDF1.SetOrientation(poPortrait);
    RolePDF1.AutoLaunch = false;
    RolePDF1.SetOpener([this](const std::string& path) { services_.openTarget(path); });

    const settings::PreparedSettings prepared = services_.prepareSettings();
    SettingsFolder = prepared.settingsFolder;
    SettingsFile = prepared.settingsFile;
    OutputFolder = prepared.outputFolder;
    ShowFormOptions(prepared.options);
    AdvOfficeCheckBoxTrzSkladnikiClick();

    setWindowTitle(QStringLiteral("Dudedur wersja: ") + QString::fromStdString(ProgramVersion));
    ConnectHandlers();
}

TFormZadaniaForm::~TFormZadaniaForm() = default;

settings::FormOptions TFormZadaniaForm::ReadFormOptions() const {
    settings::FormOptions options;
    options.CBDodawanie = CBDodawanie->isChecked();
    options.CBOdejmowanie = CBOdejmowanie->isChecked();
    options.CBMnozenie = CBMnozenie->isChecked();
    options.CBDzielenie = CBDzielenie->isChecked();
    options.AdvOfficeCheckBoxTrzSkladniki = AdvOfficeCheckBoxTrzSkladniki->isChecked();
    options.AdvOfficeCheckBoxNawiasy = AdvOfficeCheckBoxNawiasy->isChecked();
    options.AdvOfficeCheckBoxNiewiadoma = AdvOfficeCheckBoxNiewiadoma->isChecked();
    options.AdvOfficeCheckBoxPominZeroIJeden = AdvOfficeCheckBoxPominZeroIJeden->isChecked();
    // currentIndex() is -1, kNoEntry, for a list with no entry.
    options.ComboZakresDodawanie = ComboZakresDodawanie->currentIndex();
    options.ComboZakresOdejmowanie = ComboZakresOdejmowanie->currentIndex();
    options.AdvComboBoxLiczbaZadan = AdvComboBoxLiczbaZadan->currentIndex();
    options.AdvComboBoxLiczbaZestawow = AdvComboBoxLiczbaZestawow->currentIndex();
    options.AdvComboBoxLiczbaNaStronie = AdvComboBoxLiczbaNaStronie->currentIndex();
    return options;
}

void TFormZadaniaForm::ShowFormOptions(const settings::FormOptions& options) {
    // setChecked does not emit clicked, so no handler runs.
    AdvOfficeCheckBoxTrzSkladniki->setChecked(options.AdvOfficeCheckBoxTrzSkladniki);
    AdvOfficeCheckBoxNawiasy->setChecked(options.AdvOfficeCheckBoxNawiasy);
    AdvOfficeCheckBoxNiewiadoma->setChecked(options.AdvOfficeCheckBoxNiewiadoma);
    AdvOfficeCheckBoxPominZeroIJeden->setChecked(options.AdvOfficeCheckBoxPominZeroIJeden);
    SelectPosition(ComboZakresDodawanie, options.ComboZakresDodawanie);
    SelectPosition(ComboZakresOdejmowanie, options.ComboZakresOdejmowanie);
    SelectPosition(AdvComboBoxLiczbaZadan, options.AdvComboBoxLiczbaZadan);
    SelectPosition(AdvComboBoxLiczbaZestawow, options.AdvComboBoxLiczbaZestawow);
    SelectPosition(AdvComboBoxLiczbaNaStronie, options.AdvComboBoxLiczbaNaStronie);
    CBDodawanie->setChecked(options.CBDodawanie);
    CBOdejmowanie->setChecked(options.CBOdejmowanie);
    CBMnozenie->setChecked(options.CBMnozenie);
    CBDzielenie->setChecked(options.CBDzielenie);
}

}  // namespace dudedur::app
