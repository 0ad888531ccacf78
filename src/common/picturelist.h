// An ordered, keyed collection of pictures kept in the program's
// resources. A picture is decoded only when it is asked for.
#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

namespace tzk {

class PictureList
{
public:
    // Position i (1-based) has key keys[i-1] and lives at paths[i-1].
    PictureList(QStringList keys, QStringList paths);

    // The twenty day-sign pictures, keyed by English sign name.
    static PictureList daySigns();
    // The thirteen tone pictures in tone order, keyed "01-Magnetic" ...
    static PictureList galacticTones();

    int count() const { return int(m_keys.size()); }
    QString key(int position) const;
    // The picture for a screen of the given pixel density, at its own size
    // in layout pixels. Above 1 it is made from the file beside the picture
    // with "@2x" before its extension, drawn at twice the size, and has one
    // pixel for each pixel of the screen; without that file the picture
    // itself is given, which Qt enlarges. Null when nothing decodes.
    QPixmap picture(int position, qreal devicePixelRatio = 1.0) const;

private:
    QStringList m_keys;
    QStringList m_paths;
};

} // namespace tzk
