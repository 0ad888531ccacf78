#include "translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tzk {

namespace {

// The first of `folders` that holds `name` for `locale`, installed.
const QTranslator *install(const QLocale &locale, const QString &name, const QStringList &folders)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    for (const QString &folder : folders)
        if (translator->load(locale, name, QStringLiteral("_"), folder)
            && QCoreApplication::installTranslator(translator))
            return translator;
    delete translator;
    return nullptr;
}

} // namespace

bool installTranslation()
{
#ifdef Q_OS_WIN
    const QString folder = QStringLiteral("/translations");
#else
    const QString folder = QStringLiteral("/../share/tzolkara/translations");
#endif
    const QString translations = QCoreApplication::applicationDirPath() + folder;
    const QTranslator *ours = install(QLocale(), QStringLiteral("tzolkara"), {translations});
    if (!ours)
        return false;
    // Qt's own texts (the buttons of message boxes, the file dialogs) in the
    // same language, and only in a language of ours, so that no window
    // mixes two. Qt keeps them in its translations folder; a Windows
    // deployment puts them beside ours.
    const QLocale language(ours->language());
    install(language, QStringLiteral("qtbase"), {QLibraryInfo::path(QLibraryInfo::TranslationsPath), translations});
    // The names of days and months that come from the locale follow the
    // translation too: under LANGUAGE=es with LANG=C the system locale is
    // called es_ES but names the days in English. The country, which
    // chooses the paper, stays.
    QLocale::setDefault(QLocale(language.language(), QLocale().territory()));
    return true;
}

} // namespace tzk
