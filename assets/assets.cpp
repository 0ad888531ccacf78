#include "assets.h"

namespace tzk {

QString programIconPath()
{
    return QStringLiteral(":/icon/tzolkara.png");
}

QIcon programIcon()
{
    // Title bars and task bars want 16 to 48 pixels; larger sizes are
    // scaled down from 48 rather than decoding the 256-pixel picture.
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addPixmap(QPixmap(QStringLiteral(":/icon/tzolkara-%1.png").arg(size)));
    return icon;
}

} // namespace tzk
