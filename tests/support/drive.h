// Drives the real windows the way a person does: typing, picking from the
// lists and clicking.
#pragma once

#include <QComboBox>
#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QWidget>

namespace tzk::test {

template<typename T = QWidget>
T *child(const QWidget *window, const QString &name)
{
    T *w = window->findChild<T *>(name);
    if (!w)
        qFatal("no control %s in %s", qPrintable(name), qPrintable(window->objectName()));
    return w;
}

// Picks an entry of a drop-down list by its text, as a person would.
inline void pick(QWidget *window, const char *list, const QString &text)
{
    auto *box = child<QComboBox>(window, list);
    const int index = box->findText(text, Qt::MatchExactly);
    if (index < 0)
        qFatal("%s has no entry %s", list, qPrintable(text));
    box->setCurrentIndex(index);
}

// Types the name, picks the date and leaves the main window ready for Calculate.
inline void fillEntry(QWidget *mainWindow, const QString &name, const QString &month, int day, int year)
{
    auto *txtName = child<QLineEdit>(mainWindow, "txtName");
    txtName->clear();
    QTest::keyClicks(txtName, name);
    pick(mainWindow, "cboMonth", month);
    pick(mainWindow, "cboDate", QString::number(day));
    pick(mainWindow, "cboYear", QString::number(year));
}

// A click on any control: a button, a link label, a check box.
inline void click(const QWidget *window, const QString &button)
{
    QTest::mouseClick(child(window, button), Qt::LeftButton);
}

inline QString labelText(QWidget *window, const char *label)
{
    return child<QLabel>(window, label)->text();
}

// The colour at a point given in the widget's own (logical) pixels of a
// grab() image, whatever the screen's scale factor.
inline QColor colourAt(const QImage &image, QPoint logical)
{
    return image.pixelColor((QPointF(logical) * image.devicePixelRatio()).toPoint());
}

// A mouse movement over `widget`, delivered to it directly: QTest's own
// moves the cursor, which misses a widget lying beyond the edge of a small
// (offscreen, scaled) screen.
inline void moveMouse(QWidget *widget, QPoint pos, Qt::MouseButtons held = Qt::NoButton)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

// Lets closed windows be destroyed.
inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace tzk::test
