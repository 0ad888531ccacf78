#include "picturelist.h"

#include "catalogue.h"
#include "mayan.h"

namespace tzk {

PictureList::PictureList(QStringList keys, QStringList paths)
    : m_keys(std::move(keys))
    , m_paths(std::move(paths))
{
    Q_ASSERT(m_keys.size() == m_paths.size());
}

PictureList PictureList::daySigns()
{
    const QStringList keys = signPictureKeys();
    QStringList paths;
    for (int i = 0; i < keys.size(); ++i)
        paths << QStringLiteral(":/signs/%1-%2.jpg").arg(i + 1, 2, 10, QLatin1Char('0')).arg(keys[i]);
    return PictureList(keys, paths);
}

PictureList PictureList::galacticTones()
{
    QStringList keys;
    QStringList paths;
    for (const ToneRow &row : kToneRows) {
        keys << QString::fromLatin1(row.toneKey.data(), qsizetype(row.toneKey.size()));
        paths << QStringLiteral(":/tones/%1.jpg").arg(keys.size(), 2, 10, QLatin1Char('0'));
    }
    return PictureList(keys, paths);
}

QString PictureList::key(int position) const
{
    return position >= 1 && position <= count() ? m_keys[position - 1] : QString();
}

QPixmap PictureList::picture(int position) const
{
    return position >= 1 && position <= count() ? QPixmap(m_paths[position - 1]) : QPixmap();
}

} // namespace tzk
