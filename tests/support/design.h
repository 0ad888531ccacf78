// A window's design as a data table, one row per control, tagged with its
// objectName: its parent, place and size, font, and the two colours it is
// drawn in. Call addDesignColumns() in the _data function and
// checkDesign() in the test.
#pragma once

#include "drive.h"
#include "version.h"

#include <QAbstractButton>
#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRect>
#include <QTest>

namespace tzk::test {

// Every window's caption: the program's name and the version the build sets.
inline QString designCaption()
{
    return QStringLiteral("Tzolkara v") + QLatin1String(kVersion);
}

enum FontStyle { Regular = 0, Bold = 1, Underline = 2 };

inline QFont designFont(const char *family, qreal points, int style = Regular)
{
    QFont font{QString::fromLatin1(family)};
    font.setPointSizeF(points);
    font.setBold(style & Bold);
    font.setUnderline(style & Underline);
    return font;
}

inline void addDesignColumns()
{
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry"); // an empty size: sized to its text, only the place is checked
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("face"); // behind the text: what a label or frame shows, a field's or button's face
}

inline void checkDesign(QWidget *window)
{
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QFont, font);
    QFETCH(QColor, text);
    QFETCH(QColor, face);

    const QWidget *control = child(window, QTest::currentDataTag());
    QCOMPARE(control->parentWidget()->objectName(), parent);
    if (geometry.isEmpty())
        QCOMPARE(control->pos(), geometry.topLeft());
    else
        QCOMPARE(control->geometry(), geometry);

    QCOMPARE(control->font().family(), font.family());
    QCOMPARE(control->font().pointSizeF(), font.pointSizeF());
    QCOMPARE(control->font().bold(), font.bold());
    QCOMPARE(control->font().underline(), font.underline());

    QPalette::ColorRole textRole = QPalette::WindowText;
    QPalette::ColorRole faceRole = QPalette::Window;
    if (qobject_cast<const QLineEdit *>(control)) {
        textRole = QPalette::Text;
        faceRole = QPalette::Base;
    } else if (qobject_cast<const QAbstractButton *>(control) || qobject_cast<const QComboBox *>(control)) {
        textRole = QPalette::ButtonText;
        faceRole = QPalette::Button;
    }
    QCOMPARE(control->palette().color(textRole), text);
    QCOMPARE(control->palette().color(faceRole), face);

    // A one-line caption fits its label, even in the wider stand-in font
    // where Verdana is missing.
    if (const auto *label = qobject_cast<const QLabel *>(control); label && !label->wordWrap())
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width());
}

} // namespace tzk::test
