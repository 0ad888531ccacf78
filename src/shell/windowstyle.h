// What every window of the program shares in look: fixed size without
// minimise or maximise buttons, centred on the screen, Verdana at the
// classic fractional point sizes.
#pragma once

#include <QFont>

class QWidget;

namespace tzk {

// Call once the window's contents are set up.
void fixWindowSize(QWidget *window);

QFont verdana(qreal points, bool bold = false, bool underline = false);

// Designer files hold whole point sizes only. Our .ui files write 8.25 pt
// as 8, 9.75 pt as 10 and 14.25 pt as 14; this puts the fractions back on
// every widget below `root` (9 pt and other sizes stay as they are).
void restoreFractionalPointSizes(QWidget *root);

} // namespace tzk
