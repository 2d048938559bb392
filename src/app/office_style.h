// The window's look: the Office 2003 blue of the original control set, approximated with a Qt
// style sheet.
#pragma once

#include <QFont>
#include <QString>

namespace dudedur::app {

QString OfficeBlueStyleSheet();

// The window's face, Tahoma, at a size in points.
QFont TahomaFont(int points, bool bold = false);

}  // namespace dudedur::app
