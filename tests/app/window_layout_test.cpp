// The controls of the main window: names, captions, places, list entries, first-run state, tab
// order, and the texts and links of the help page.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTextDocument>

#include "common/build_info.h"
#include "window_fixture.h"

namespace dudedur::app {
namespace {

std::string Str(const QString& text) { return text.toStdString(); }

// The caption a control shows: a button's or box's text, a group box's title.
std::string Caption(const QWidget* control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return Str(button->text());
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(control)) return Str(group->title());
    return "?";
}

struct Placed {
    const char* name;
    const char* caption;  // nullptr for a control without a caption of its own
    QRect place;          // relative to the parent
};

const Placed kPlacedControls[] = {
    {"Panel1", nullptr, {0, 0, 573, 500}},
    {"Panel2", nullptr, {1, 1, 571, 498}},
    {"AdvOfficePager1", nullptr, {0, 0, 571, 457}},
    {"AdvPanel1", nullptr, {0, 457, 571, 41}},
    {"AdvGroupBox2", "  Generuj zadania zawierające następujące operacje   ", {12, 12, 545, 58}},
    {"CBDodawanie", "Dodawanie", {50, 26, 83, 20}},
    {"CBOdejmowanie", "Odejmowanie", {150, 26, 97, 20}},
    {"CBMnozenie", "Mnożenie", {250, 26, 78, 20}},
    {"CBDzielenie", "Dzielenie", {350, 26, 143, 20}},
    {"AdvGroupBox1", "  Opcje zadań  ", {12, 80, 545, 187}},
    {"AdvOfficeCheckBoxTrzSkladniki", "Zadania z trzema argumentami", {50, 22, 277, 20}},
    {"AdvOfficeCheckBoxNawiasy", "Zadania z nawiasami   np.   44 - ( 4 * 7 )", {90, 44, 277, 20}},
    {"AdvOfficeCheckBoxNiewiadoma",
     "Zadania z jednym brakującym argumentem  np.   3  +  __  =  34",
     {50, 70, 365, 20}},
    {"AdvOfficeCheckBoxPominZeroIJeden",
     "Pomiń dla argumentów wartości jeden i zero",
     {50, 96, 365, 20}},
    {"ComboZakresDodawanie", nullptr, {202, 127, 145, 21}},
    {"ComboZakresOdejmowanie", nullptr, {202, 154, 145, 21}},
    {"AdvGroupBox3", "  Opcje wydruku  ", {12, 277, 545, 113}},
    {"AdvComboBoxLiczbaZadan", nullptr, {202, 23, 145, 21}},
    {"AdvComboBoxLiczbaZestawow", nullptr, {202, 50, 145, 21}},
    {"AdvComboBoxLiczbaNaStronie", nullptr, {202, 77, 145, 21}},
    {"AdvProgress1", nullptr, {12, 403, 545, 17}},
    {"HTMLabel1", nullptr, {13, 6, 133, 32}},
    {"AdvGlowButtonGen", "Generuj zadania", {254, 6, 181, 29}},
    {"AdvGlowButton1", "Zamknij", {444, 6, 115, 29}},
};

TEST_F(WindowTest, EveryControlHasItsNameCaptionAndPlace) {
    const auto window = MakeWindow();
    for (const Placed& expected : kPlacedControls) {
        SCOPED_TRACE(expected.name);
        const auto* control = window->findChild<QWidget*>(QString::fromUtf8(expected.name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), expected.place);
        if (expected.caption != nullptr) {
            EXPECT_EQ(Caption(control), expected.caption);
        }
    }
}

TEST_F(WindowTest, PickListsHoldTheirEntriesInOrderBesideTheirLabels) {
    struct Case {
        const char* name;
        const char* label;
        QStringList entries;
    };
    const Case cases[] = {
        {"ComboZakresDodawanie",
         "Dodawanie i odejmowanie w zakresie",
         {"10", "20", "30", "40", "30", "50", "100"}},
        {"ComboZakresOdejmowanie",
         "Mnożenie i dzielenie w zakresie",
         {"20", "30", "40", "50", "100"}},
        {"AdvComboBoxLiczbaZadan", "Liczba zadań w zestawie", {"10", "15", "18"}},
        {"AdvComboBoxLiczbaZestawow", "Liczba zestawów", {"1", "2", "4", "5", "6", "8", "10"}},
        {"AdvComboBoxLiczbaNaStronie", "Liczba zestawów na stronie", {"1", "2"}},
    };
    const auto window = MakeWindow();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto* list = window->findChild<QComboBox*>(QString::fromUtf8(c.name));
        ASSERT_NE(list, nullptr);
        EXPECT_FALSE(list->isEditable()) << "the user can only choose an entry";
        QStringList entries;
        for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
        EXPECT_EQ(entries, c.entries);

        const QLabel* label = nullptr;
        for (const QLabel* candidate : list->parentWidget()->findChildren<QLabel*>()) {
            if (candidate->buddy() == list) label = candidate;
        }
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(Str(label->text()), c.label);
        EXPECT_LE(label->geometry().right(), list->x()) << "the label stands to the left";
        EXPECT_EQ(label->geometry().center().y(), list->geometry().center().y());
    }
}

TEST_F(WindowTest, FirstRunShowsTheStoreDefaults) {
    const auto window = MakeWindow();
    const settings::FormOptions defaults;
    EXPECT_EQ(window->ReadFormOptions(), defaults);

    struct Shown {
        QComboBox* list;
        const char* text;
    };
    for (const auto& [list, text] :
         {Shown{window->ComboZakresDodawanie, "10"}, Shown{window->ComboZakresOdejmowanie, "20"},
          Shown{window->AdvComboBoxLiczbaZadan, "15"},
          Shown{window->AdvComboBoxLiczbaZestawow, "2"},
          Shown{window->AdvComboBoxLiczbaNaStronie, "2"}}) {
        EXPECT_EQ(Str(list->currentText()), text) << Str(list->objectName());
    }
    EXPECT_FALSE(window->AdvOfficeCheckBoxNawiasy->isEnabled());
    EXPECT_EQ(window->AdvProgress1->value(), window->AdvProgress1->minimum()) << "empty bar";
    EXPECT_EQ(window->AdvOfficePager1->currentWidget(), window->AdvOfficePagerTesty);
}

TEST_F(WindowTest, WindowIsFixedWithOnlyACloseBoxAndItsCaption) {
    const auto window = MakeWindow();
    EXPECT_EQ(window->objectName(), "FormZadaniaForm");
    EXPECT_EQ(Str(window->windowTitle()), "Dudedur wersja: 2.0.0.0");
    EXPECT_EQ(window->minimumSize(), QSize(573, 500));
    EXPECT_EQ(window->maximumSize(), QSize(573, 500));
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));

    EXPECT_EQ(window->font().family(), "Tahoma");
    EXPECT_EQ(window->font().pointSize(), 8);
    EXPECT_EQ(window->AdvGlowButtonGen->font().pointSize(), 10);
    EXPECT_TRUE(window->AdvGlowButtonGen->font().bold());
    // The style sheet must not leave any control in the platform's default face.
    for (const QWidget* child : window->findChildren<QWidget*>()) {
        const QString name = child->objectName();
        if (name.isEmpty() || name.startsWith(QStringLiteral("qt_"))) continue;  // Qt's own parts
        EXPECT_EQ(Str(child->font().family()), "Tahoma") << Str(name);
    }
}

TEST_F(WindowTest, PagesHaveTheirTabsInOrder) {
    const auto window = MakeWindow();
    ASSERT_EQ(window->AdvOfficePager1->count(), 2);
    EXPECT_EQ(window->AdvOfficePager1->widget(0), window->AdvOfficePagerTesty);
    EXPECT_EQ(Str(window->AdvOfficePager1->tabText(0)), "    &Ustawienia     ");
    EXPECT_EQ(window->AdvOfficePager1->widget(1), window->AdvOfficePage1);
    EXPECT_EQ(Str(window->AdvOfficePager1->tabText(1)), "  &Pomoc   ");
    EXPECT_FALSE(window->AdvOfficePager1->isMovable());
}

TEST_F(WindowTest, TabOrderStartsAtTheGenerateButtonWhichHasTheFocus) {
    const auto window = MakeWindow();
    Show(*window);
    EXPECT_EQ(QApplication::focusWidget(), window->AdvGlowButtonGen);

    const QStringList expected = {"AdvGlowButtonGen",
                                  "AdvGlowButton1",
                                  "AdvOfficePager1",
                                  "CBDodawanie",
                                  "CBOdejmowanie",
                                  "CBMnozenie",
                                  "CBDzielenie",
                                  "AdvOfficeCheckBoxTrzSkladniki",
                                  "AdvOfficeCheckBoxNawiasy",
                                  "AdvOfficeCheckBoxNiewiadoma",
                                  "AdvOfficeCheckBoxPominZeroIJeden",
                                  "ComboZakresDodawanie",
                                  "ComboZakresOdejmowanie",
                                  "AdvComboBoxLiczbaZadan",
                                  "AdvComboBoxLiczbaZestawow",
                                  "AdvComboBoxLiczbaNaStronie"};
    QStringList chain;
    QWidget* widget = window->AdvGlowButtonGen;
    do {
        if (expected.contains(widget->objectName()) && !chain.contains(widget->objectName())) {
            chain << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != window->AdvGlowButtonGen);
    EXPECT_EQ(chain, expected);
}

std::string PlainText(const QLabel* label) {
    QTextDocument document;
    document.setHtml(label->text());
    return Str(document.toPlainText());
}

TEST_F(WindowTest, HelpPageHasItsTexts) {
    const auto window = MakeWindow();
    const std::string description = PlainText(window->HTMLabel3);
    for (const char* part :
         {"Program komputerowy Dudedur umożliwia generowanie zestawów zadań z zakresu "
          "następujących operacji:",
          "dodawanie;", "odejmowanie;", "mnożenie;", "dzielenie",
          "W programie można określić maksymalne zakresy liczb, dzięki czemu program może być "
          "wykorzystywane w klasie pierwszej, drugiej i trzeciej szkoły podstawowej.",
          "Ponadto program generuje także zadania z trzema argumentami oraz daje możliwość "
          "ukrycia jednego argumentu lub możliwość zastosowania nawiasów.",
          "Program także drukuje gotowe kartki z odpowiedziami. Wartości, które mają być "
          "obliczone drukowane są w kolorze czerwonym."}) {
        EXPECT_NE(description.find(part), std::string::npos) << part;
    }
    EXPECT_TRUE(window->HTMLabel3->text().contains("<b>Dudedur</b>"));
    EXPECT_EQ(PlainText(window->HTMLabel4), "więcej na stronie: " + ProgramPageUrl());
    EXPECT_EQ(PlainText(window->HTMLabelNowaWersja), "sprawdź, czy jest nowa wersja programu");
    EXPECT_EQ(PlainText(window->HTMLabel1), "Strona programu");

    // Stacked: the description at the top, the program's page below it, the update link at the
    // bottom of the 429-pixel page.
    EXPECT_EQ(window->HTMLabel3->y(), 10);
    EXPECT_GT(window->HTMLabel4->y(), window->HTMLabel3->geometry().bottom());
    EXPECT_EQ(window->HTMLabelNowaWersja->geometry().bottom() + 1, 429 - 4);
    for (const QLabel* label : {window->HTMLabel3, window->HTMLabel4, window->HTMLabelNowaWersja}) {
        EXPECT_EQ(label->x(), 12);
        EXPECT_EQ(label->width(), 545);
    }
}

TEST_F(WindowTest, LinksOpenTheirTargetsInTheDesktopsBrowser) {
    EXPECT_NE(UpdatePageUrl().find("/update.php?id="), std::string::npos);
    EXPECT_TRUE(UpdatePageUrl().ends_with("&ver=2.0.0.0"));
    const auto window = MakeWindow();
    struct Case {
        QLabel* label;
        std::string target;
    };
    for (const Case& c :
         {Case{window->HTMLabel1, ProgramPageUrl()}, Case{window->HTMLabel4, ProgramPageUrl()},
          Case{window->HTMLabelNowaWersja, UpdatePageUrl()}}) {
        SCOPED_TRACE(Str(c.label->objectName()));
        const QString href = "href=\"" + QString::fromStdString(c.target).toHtmlEscaped() + "\"";
        EXPECT_TRUE(c.label->text().contains(href)) << Str(c.label->text());
        opened.clear();
        emit c.label->linkActivated(QString::fromStdString(c.target));
        EXPECT_EQ(opened, std::vector<std::string>{c.target});
        EXPECT_TRUE(errors.empty());
    }
}

}  // namespace
}  // namespace dudedur::app
