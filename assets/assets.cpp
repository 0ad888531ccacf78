#include "assets.h"

namespace tzk {

QString programIconPath()
{
    return QStringLiteral(":/icon/tzolkara.png");
}

} // namespace tzk
