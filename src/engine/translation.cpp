#include "translation.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace tzk {

bool installTranslation()
{
#ifdef Q_OS_WIN
    const QString folder = QStringLiteral("/translations");
#else
    const QString folder = QStringLiteral("/../share/tzolkara/translations");
#endif
    const QString translations = QCoreApplication::applicationDirPath() + folder;
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(), QStringLiteral("tzolkara"), QStringLiteral("_"), translations))
        return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}

} // namespace tzk
