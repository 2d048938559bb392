// The window's look: the Office 2003 blue of the original control set, approximated with a Qt
// style sheet.
#pragma once

#include <QString>

namespace dudedur::app {

QString OfficeBlueStyleSheet();

}  // namespace dudedur::app
