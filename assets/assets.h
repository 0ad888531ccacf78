// Where the program's pictures live in its resources.
#pragma once

#include <QString>

namespace tzk {

// The program icon at its largest size.
QString programIconPath();

} // namespace tzk
