// What every window of the program shares in look: its caption, a fixed
// size without minimise or maximise buttons, a place in the centre of the
// screen, Verdana at the classic fractional point sizes, and the program
// icon. Colours and fonts themselves live in each window's design file.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

class QWidget;

namespace tzk {

// Call once, right after setupUi(): sets the caption, fixes the window at
// its designed size, centres it on its screen and puts back the fractions
// of the point sizes that a design file cannot hold.
void applyWindowLook(QWidget *window);

// "Tzolkara v" and the program's version: every window's caption, and the
// name beside the icon in the About window and on the exit screen.
QString programTitle();

// Where Verdana or MS Sans Serif is not installed, names the fonts that
// stand in for them, so that each font is not searched for again and again
// through the system's fallback lists. Call once, before any window.
void installFontStandIns();

// The program icon for title bars and task bars (16 to 48 pixels).
QIcon programIcon();

// The program icon at 32 x 32, drawn from the icon file that matches the
// screen's scale (48 px at 150%, 64 px at 200%) so it stays sharp.
QPixmap programIcon32(qreal devicePixelRatio);

} // namespace tzk
