// The controls of the main window: places and sizes in logical pixels, captions, list entries
// and tab order.
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <span>
#include <string_view>

#include "app/form_zadania_form.h"
#include "app/office_style.h"
#include "common/build_info.h"
#include "model/sweep.h"

namespace dudedur::app {
namespace {

constexpr int kClientWidth = 573;
constexpr int kClientHeight = 500;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QCheckBox* AddCheckBox(QWidget* parent, const char* name, const char* caption, QRect place) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setGeometry(place);
    return box;
}

QGroupBox* AddGroupBox(QWidget* parent, const char* name, const char* caption, QRect place) {
    auto* group = new QGroupBox(QString::fromUtf8(caption), parent);
    group->setObjectName(QString::fromUtf8(name));
    group->setGeometry(place);
    return group;
}

// A pick list that only offers its entries, with its label to the left, vertically centred.
QComboBox* AddPickList(QWidget* parent, const char* name, const char* label, QRect place,
                       std::span<const std::string_view> entries) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromUtf8(name));
    list->setEditable(false);
    list->setGeometry(place);
    for (const std::string_view entry : entries) list->addItem(Text(entry));

    constexpr int kLabelGap = 6;
    auto* caption = new QLabel(QString::fromUtf8(label), parent);
    caption->setObjectName(QString::fromUtf8(name) + QStringLiteral("Label"));
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption->setGeometry(0, place.y(), place.x() - kLabelGap, place.height());
    caption->setBuddy(list);
    return list;
}

}  // namespace

void TFormZadaniaForm::BuildLayout() {
    setObjectName(QStringLiteral("FormZadaniaForm"));
    // A fixed dialog border: only the close box, no resizing, minimising or maximising.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(TahomaFont(8));
    setStyleSheet(OfficeBlueStyleSheet());

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    Panel1->setGeometry(0, 0, kClientWidth, kClientHeight);

    Panel2 = new QFrame(Panel1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::NoFrame);
    Panel2->setGeometry(1, 1, 571, 498);

    AdvOfficePager1 = new QTabWidget(Panel2);
    AdvOfficePager1->setObjectName(QStringLiteral("AdvOfficePager1"));
    AdvOfficePager1->setMovable(false);
    AdvOfficePager1->setGeometry(0, 0, 571, 457);

    AdvOfficePagerTesty = new QWidget;
    AdvOfficePagerTesty->setObjectName(QStringLiteral("AdvOfficePagerTesty"));
    AdvOfficePagerTesty->setAttribute(Qt::WA_StyledBackground);
    AdvOfficePager1->addTab(AdvOfficePagerTesty, QStringLiteral("    &Ustawienia     "));

    AdvOfficePage1 = new QWidget;
    AdvOfficePage1->setObjectName(QStringLiteral("AdvOfficePage1"));
    AdvOfficePage1->setAttribute(Qt::WA_StyledBackground);
    AdvOfficePager1->addTab(AdvOfficePage1, QStringLiteral("  &Pomoc   "));

    BuildSettingsPage();
    BuildHelpPage();
    BuildBottomBar();
    SetTabOrder();

    // A style sheet stops fonts passing from a widget to its children, so each child without a
    // font of its own is given the form's.
    for (QWidget* child : findChildren<QWidget*>()) {
        if (!child->testAttribute(Qt::WA_SetFont)) child->setFont(font());
    }
}

void TFormZadaniaForm::BuildSettingsPage() {
    QWidget* page = AdvOfficePagerTesty;

    AdvGroupBox2 =
        AddGroupBox(page, "AdvGroupBox2", "  Generuj zadania zawierające następujące operacje   ",
                    {12, 12, 545, 58});
    CBDodawanie = AddCheckBox(AdvGroupBox2, "CBDodawanie", "Dodawanie", {50, 26, 83, 20});
    CBOdejmowanie = AddCheckBox(AdvGroupBox2, "CBOdejmowanie", "Odejmowanie", {150, 26, 97, 20});
    CBMnozenie = AddCheckBox(AdvGroupBox2, "CBMnozenie", "Mnożenie", {250, 26, 78, 20});
    CBDzielenie = AddCheckBox(AdvGroupBox2, "CBDzielenie", "Dzielenie", {350, 26, 143, 20});

    AdvGroupBox1 = AddGroupBox(page, "AdvGroupBox1", "  Opcje zadań  ", {12, 80, 545, 187});
    AdvOfficeCheckBoxTrzSkladniki = AddCheckBox(AdvGroupBox1, "AdvOfficeCheckBoxTrzSkladniki",
                                                "Zadania z trzema argumentami", {50, 22, 277, 20});
    // Stands further right, under the three-argument box that governs it.
    AdvOfficeCheckBoxNawiasy =
        AddCheckBox(AdvGroupBox1, "AdvOfficeCheckBoxNawiasy",
                    "Zadania z nawiasami   np.   44 - ( 4 * 7 )", {90, 44, 277, 20});
    AdvOfficeCheckBoxNawiasy->setEnabled(false);
    AdvOfficeCheckBoxNiewiadoma = AddCheckBox(
        AdvGroupBox1, "AdvOfficeCheckBoxNiewiadoma",
        "Zadania z jednym brakującym argumentem  np.   3  +  __  =  34", {50, 70, 365, 20});
    AdvOfficeCheckBoxPominZeroIJeden =
        AddCheckBox(AdvGroupBox1, "AdvOfficeCheckBoxPominZeroIJeden",
                    "Pomiń dla argumentów wartości jeden i zero", {50, 96, 365, 20});
    ComboZakresDodawanie =
        AddPickList(AdvGroupBox1, "ComboZakresDodawanie", "Dodawanie i odejmowanie w zakresie",
                    {202, 127, 145, 21}, settings::kAddRangeEntries);
    ComboZakresOdejmowanie =
        AddPickList(AdvGroupBox1, "ComboZakresOdejmowanie", "Mnożenie i dzielenie w zakresie",
                    {202, 154, 145, 21}, settings::kMulRangeEntries);

    AdvGroupBox3 = AddGroupBox(page, "AdvGroupBox3", "  Opcje wydruku  ", {12, 277, 545, 113});
    AdvComboBoxLiczbaZadan =
        AddPickList(AdvGroupBox3, "AdvComboBoxLiczbaZadan", "Liczba zadań w zestawie",
                    {202, 23, 145, 21}, settings::kProblemsPerSetEntries);
    AdvComboBoxLiczbaZestawow =
        AddPickList(AdvGroupBox3, "AdvComboBoxLiczbaZestawow", "Liczba zestawów",
                    {202, 50, 145, 21}, settings::kSetCountEntries);
    AdvComboBoxLiczbaNaStronie =
        AddPickList(AdvGroupBox3, "AdvComboBoxLiczbaNaStronie", "Liczba zestawów na stronie",
                    {202, 77, 145, 21}, settings::kSetsPerPageEntries);

    AdvProgress1 = new QProgressBar(page);
    AdvProgress1->setObjectName(QStringLiteral("AdvProgress1"));
    AdvProgress1->setGeometry(12, 403, 545, 17);
    AdvProgress1->setTextVisible(false);
    AdvProgress1->setRange(0, kSweepUpperBound);
    AdvProgress1->setValue(0);

    // What the layout itself holds; the settings store overrides both before the window shows.
    AdvOfficeCheckBoxPominZeroIJeden->setChecked(true);
    ComboZakresDodawanie->setCurrentIndex(1);
}

void TFormZadaniaForm::BuildBottomBar() {
    AdvPanel1 = new QFrame(Panel2);
    AdvPanel1->setObjectName(QStringLiteral("AdvPanel1"));
    AdvPanel1->setGeometry(0, 457, 571, 41);

    HTMLabel1 = new QLabel(AdvPanel1);
    HTMLabel1->setObjectName(QStringLiteral("HTMLabel1"));
    HTMLabel1->setTextFormat(Qt::RichText);
    HTMLabel1->setText(QStringLiteral("<a href=\"%1\">Strona programu</a>")
                           .arg(QString::fromStdString(ProgramPageUrl()).toHtmlEscaped()));
    HTMLabel1->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    HTMLabel1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    HTMLabel1->setGeometry(13, 6, 133, 32);

    AdvGlowButtonGen = new QPushButton(QStringLiteral("Generuj zadania"), AdvPanel1);
    AdvGlowButtonGen->setObjectName(QStringLiteral("AdvGlowButtonGen"));
    AdvGlowButtonGen->setFont(TahomaFont(10, true));
    AdvGlowButtonGen->setGeometry(254, 6, 181, 29);

    AdvGlowButton1 = new QPushButton(QStringLiteral("Zamknij"), AdvPanel1);
    AdvGlowButton1->setObjectName(QStringLiteral("AdvGlowButton1"));
    AdvGlowButton1->setGeometry(444, 6, 115, 29);
}

void TFormZadaniaForm::SetTabOrder() {
    // The bottom bar comes before the pages, so the generate button has the focus at first.
    QWidget* const order[] = {AdvGlowButtonGen,
                              AdvGlowButton1,
                              AdvOfficePager1,
                              CBDodawanie,
                              CBOdejmowanie,
                              CBMnozenie,
                              CBDzielenie,
                              AdvOfficeCheckBoxTrzSkladniki,
                              AdvOfficeCheckBoxNawiasy,
                              AdvOfficeCheckBoxNiewiadoma,
                              AdvOfficeCheckBoxPominZeroIJeden,
                              ComboZakresDodawanie,
                              ComboZakresOdejmowanie,
                              AdvComboBoxLiczbaZadan,
                              AdvComboBoxLiczbaZestawow,
                              AdvComboBoxLiczbaNaStronie};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    AdvGlowButtonGen->setFocus();
}

}  // namespace dudedur::app
