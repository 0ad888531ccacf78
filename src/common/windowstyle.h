// What every window of the program shares in look: fixed size without
// minimise or maximise buttons, centred on the screen, Verdana at the
// classic fractional point sizes. Colours and fonts themselves live in each
// window's design file.
#pragma once

#include <QIcon>
#include <QPixmap>

class QWidget;

namespace tzk {

// Call once the window's contents are set up.
void fixWindowSize(QWidget *window);

// Where Verdana or MS Sans Serif is not installed, names the fonts that
// stand in for them, so that each font is not searched for again and again
// through the system's fallback lists. Call once, before any window.
void installFontStandIns();

// Designer files hold whole point sizes only. Our .ui files write 8.25 pt
// as 8, 9.75 pt as 10 and 14.25 pt as 14; this puts the fractions back on
// every widget below `root` (9 pt and other sizes stay as they are).
void restoreFractionalPointSizes(QWidget *root);

// The program icon, at every size it is drawn in.
QIcon programIcon();

// The program icon at 32 x 32, drawn from the icon file that matches the
// screen's scale (48 px at 150%, 64 px at 200%) so it stays sharp.
QPixmap programIcon32(qreal devicePixelRatio);

} // namespace tzk
