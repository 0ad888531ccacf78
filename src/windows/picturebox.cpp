#include "picturebox.h"

#include <QPainter>
#include <QPen>

namespace tzk {

PictureBox::PictureBox(QWidget *parent)
    : QLabel(parent)
{
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A frame in the selection colour over the picture's edge; the style's
    // own focus mark would tint the whole picture.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

} // namespace tzk
