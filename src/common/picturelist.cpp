#include "picturelist.h"

#include "catalogue.h"
#include "mayan.h"

#include <QCoreApplication>
#include <QImage>

namespace tzk {

namespace {

// The resource folder of the pictures: ":" for the English ones; a
// translation whose names are drawn on pictures of their own names its
// folder (":/es"), so that the pictures always speak the language of the
// texts.
QString pictureRoot()
{
    //: The resource folder of the sign and tone pictures with their names in this language, such as ":/es"; ":" where there are none
    return QCoreApplication::translate("tzk::PictureList", ":");
}

} // namespace

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
        paths << pictureRoot() + QStringLiteral("/signs/%1-%2.jpg").arg(i + 1, 2, 10, QLatin1Char('0')).arg(keys[i]);
    return PictureList(keys, paths);
}

PictureList PictureList::galacticTones()
{
    QStringList keys;
    QStringList paths;
    for (const ToneTexts &row : kToneRows) {
        keys << staticString(row.toneKey);
        paths << pictureRoot() + QStringLiteral("/tones/%1.jpg").arg(keys.size(), 2, 10, QLatin1Char('0'));
    }
    return PictureList(keys, paths);
}

QString PictureList::key(int position) const
{
    return position >= 1 && position <= count() ? m_keys[position - 1] : QString();
}

QPixmap PictureList::picture(int position, qreal devicePixelRatio) const
{
    if (position < 1 || position > count())
        return QPixmap();
    const QString &path = m_paths[position - 1];
    if (devicePixelRatio <= 1.0)
        return QPixmap(path);

    // ":/signs/13-Night.jpg" has ":/signs/13-Night@2x.jpg" beside it.
    qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= path.lastIndexOf(QLatin1Char('/'))) // none in the file name
        dot = path.size();
    QImage image(QString(path).insert(dot, QStringLiteral("@2x")));
    if (image.isNull())
        return QPixmap(path);
    image.setDevicePixelRatio(2.0);
    if (!qFuzzyCompare(devicePixelRatio, 2.0)) {
        // Qt would fit the picture to the screen pixel by pixel, dropping or
        // doubling rows; averaging them once here keeps thin lines even.
        const QSize onScreen = (image.deviceIndependentSize() * devicePixelRatio).toSize();
        image = image.scaled(onScreen, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(devicePixelRatio);
    }
    return QPixmap::fromImage(std::move(image));
}

} // namespace tzk
