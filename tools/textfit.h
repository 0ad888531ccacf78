// Finds the texts of a window that do not fit their boxes. The windows
// have a fixed design, so a longer translation is cut off without a word:
// this measures every label, button, check box, frame title, list entry,
// placeholder and menu title against the box that shows it, with the
// font and the word wrap the control draws with.
#pragma once

#include <QStringList>

class QWidget;

namespace tzk {

// One line per text that is cut off: "lblMayanDesc: needs 612x180, has
// 640x134: The third sign...". Empty when everything fits. The window
// must have been shown, so that its fonts and style are settled.
QStringList cutOffTexts(QWidget *window);

} // namespace tzk
