// The program's pictures in its resources.
#pragma once

#include <QIcon>
#include <QString>

namespace tzk {

// The program icon at its largest size (256 x 256).
QString programIconPath();

// The program icon at the sizes windows draw it in.
QIcon programIcon();

} // namespace tzk
