// The help page: what the program does, the program's page and the update link.
#include <QFont>
#include <QLabel>

#include "app/form_zadania_form.h"
#include "app/office_style.h"
#include "common/build_info.h"

namespace dudedur::app {
namespace {

constexpr int kLabelX = 12;
constexpr int kLabelWidth = 545;
constexpr int kPageHeight = 429;

constexpr const char* kDescriptionHtml =
    "<br>Program komputerowy <b>Dudedur</b> umożliwia generowanie zestawów zadań z zakresu "
    "następujących operacji:<br>"
    // Qt indents a list by 40 pixels of its own; with the margin its items stand at 100.
    "<ul style=\"margin-left: 60px;\"><li>dodawanie;</li><li>odejmowanie;</li>"
    "<li>mnożenie;</li><li>dzielenie</li></ul>"
    ".<br><br>"
    "W programie można określić maksymalne zakresy liczb, dzięki czemu program może być "
    "wykorzystywane w klasie pierwszej, drugiej i trzeciej szkoły podstawowej.<br>"
    "Ponadto program generuje także zadania z trzema argumentami oraz daje możliwość ukrycia "
    "jednego argumentu lub możliwość zastosowania nawiasów.<br>"
    "Program także drukuje gotowe kartki z odpowiedziami. Wartości, które mają być obliczone "
    "drukowane są w kolorze czerwonym.";

QString Link(const std::string& target, const QString& text) {
    return QStringLiteral("<a href=\"%1\">%2</a>")
        .arg(QString::fromStdString(target).toHtmlEscaped(), text.toHtmlEscaped());
}

QLabel* AddRichLabel(QWidget* page, const char* name, const QString& html) {
    auto* label = new QLabel(page);
    label->setObjectName(QString::fromUtf8(name));
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    label->setText(html);
    return label;
}

void SetPointSize(QLabel* label, int points) {
    label->setFont(TahomaFont(points));
}

}  // namespace

void TFormZadaniaForm::BuildHelpPage() {
    QWidget* page = AdvOfficePage1;

    // At the top, as high as its text.
    HTMLabel3 = AddRichLabel(page, "HTMLabel3", QString::fromUtf8(kDescriptionHtml));
    constexpr int kTopMargin = 10;
    HTMLabel3->setGeometry(kLabelX, kTopMargin, kLabelWidth,
                           HTMLabel3->heightForWidth(kLabelWidth));

    // Right below it: the program's page, its full address as the link text.
    const std::string programPage = ProgramPageUrl();
    HTMLabel4 = AddRichLabel(page, "HTMLabel4",
                             QStringLiteral("więcej na stronie: ") +
                                 Link(programPage, QString::fromStdString(programPage)));
    SetPointSize(HTMLabel4, 9);
    HTMLabel4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int belowDescription = HTMLabel3->geometry().bottom() + 1 + kTopMargin + 4;
    HTMLabel4->setGeometry(kLabelX, belowDescription, kLabelWidth,
                           HTMLabel4->heightForWidth(kLabelWidth));

    // Bound to the bottom of the page.
    HTMLabelNowaWersja = AddRichLabel(
        page, "HTMLabelNowaWersja",
        Link(UpdatePageUrl(), QStringLiteral("sprawdź, czy jest nowa wersja programu")));
    SetPointSize(HTMLabelNowaWersja, 8);
    HTMLabelNowaWersja->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int height = HTMLabelNowaWersja->heightForWidth(kLabelWidth);
    HTMLabelNowaWersja->setGeometry(kLabelX, kPageHeight - 4 - height, kLabelWidth, height);
}

}  // namespace dudedur::app
