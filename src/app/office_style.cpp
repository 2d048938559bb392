#include "app/office_style.h"

namespace dudedur::app {

QFont TahomaFont(int points, bool bold) {
    // Where Tahoma is not installed, a condensed face keeps the captions within their fixed
    // places; a plain sans face is wider and clips them.
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"));
    QFont font(QStringLiteral("Tahoma"), points);
    font.setBold(bold);
    return font;
}

QString OfficeBlueStyleSheet() {
    return QStringLiteral(R"(
#AdvOfficePagerTesty, #AdvOfficePage1 {
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #DAEAFD, stop: 1 #C4DAFA);
    border: 1px solid #8DB2E3;
}
QTabWidget::pane {
    border: 1px solid #8DB2E3;
}
QTabWidget::tab-bar {
    left: 4px;
}
QTabBar::tab {
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #F4F8FE, stop: 1 #C4DAFA);
    border: 1px solid #8DB2E3;
    border-bottom: none;
    padding: 3px 2px;
    margin-right: 2px;
}
QTabBar::tab:selected {
    background: #DAEAFD;
}
#AdvPanel1 {
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #DAEAFD, stop: 1 #88AEE4);
    border: 1px solid gray;
}
QGroupBox {
    background: transparent;
    border: 1px solid #8DB2E3;
    border-radius: 3px;
    margin-top: 7px;
}
QGroupBox::title {
    subcontrol-origin: margin;
    left: 8px;
    color: #15428B;
}
QLabel {
    background: transparent;
}
QComboBox {
    background: #E9F1FA;
    border: 1px solid #8DB2E3;
    padding-left: 4px;
}
QPushButton {
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #FFFFFF, stop: 1 #C4DAFA);
    border: 1px solid #8DB2E3;
    border-radius: 3px;
}
QPushButton:hover {
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #FFF5CC, stop: 1 #FFD58F);
}
QPushButton:pressed {
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #FFBD69, stop: 1 #FB8C3C);
}
QPushButton:focus {
    border: 1px solid #15428B;
}
)");
}

}  // namespace dudedur::app
