#include "windowstyle.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>

namespace tzk {

void fixWindowSize(QWidget *window)
{
    Qt::WindowFlags flags = window->windowFlags();
    flags &= ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowMinMaxButtonsHint);
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
             | Qt::MSWindowsFixedSizeDialogHint;
    window->setWindowFlags(flags);
    // The size comes from the design: the client area, plus the menu bar
    // where there is one. Asking the widgets for size hints instead would
    // polish and measure every control (each year of a list) before the
    // window is even shown.
    QSize size = window->size();
    if (auto *main = qobject_cast<QMainWindow *>(window); main && main->centralWidget()) {
        size = main->centralWidget()->minimumSize();
        if (QWidget *bar = main->menuWidget())
            size.rheight() += bar->heightForWidth(size.width()) > 0 ? bar->heightForWidth(size.width())
                                                                    : bar->sizeHint().height();
    }
    window->setFixedSize(size);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

QFont verdana(qreal points, bool bold, bool underline)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

namespace {

qreal fractionalSize(qreal designed)
{
    if (designed == 8)
        return 8.25;
    if (designed == 10)
        return 9.75;
    if (designed == 14)
        return 14.25;
    return designed;
}

void restore(QWidget *w)
{
    // Only fonts the design set explicitly; inherited ones follow their parent.
    if (w->testAttribute(Qt::WA_SetFont)) {
        QFont font = w->font();
        const qreal size = fractionalSize(font.pointSizeF());
        if (size != font.pointSizeF()) {
            font.setPointSizeF(size);
            w->setFont(font);
        }
    }
}

} // namespace

void restoreFractionalPointSizes(QWidget *root)
{
    restore(root);
    for (QWidget *child : root->findChildren<QWidget *>())
        restore(child);
}

} // namespace tzk
