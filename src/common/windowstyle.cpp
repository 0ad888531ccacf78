#include "windowstyle.h"

#include "platform.h"
#include "version.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIconEngine>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <QtMath>

#include <iterator>
#include <map>

namespace tzk {

namespace {

// Designer files hold whole point sizes only. Ours write 8.25 pt as 8,
// 9.75 pt as 10 and 14.25 pt as 14; 9 pt and other sizes stay as they are.
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

void restoreFractionalPointSize(QWidget *w)
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

void restoreFractionalPointSizes(QWidget *root)
{
    restoreFractionalPointSize(root);
    for (QWidget *child : root->findChildren<QWidget *>())
        restoreFractionalPointSize(child);
}

void fixSizeAndCentre(QWidget *window)
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
    // A window opened over another one comes up on that one's screen.
    const QScreen *screen =
        window->parentWidget() ? window->parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen)
        window->move(screen->availableGeometry().center() - window->rect().center());
}

// Enter presses the focused push button, as Space does: buttons answer it
// so on Windows and in every desktop's dialogs, while Qt leaves Enter to a
// dialog's default button. A button that takes Enter itself (a dialog's
// auto-default one) never passes it up to here.
class EnterPressesFocusedButton final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            auto *button = qobject_cast<QPushButton *>(QApplication::focusWidget());
            if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && button
                && button->window() == watched && button->isEnabled()) {
                button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void applyWindowLook(QWidget *window)
{
    window->installEventFilter(new EnterPressesFocusedButton(window));
    window->setWindowTitle(programTitle());
    restoreFractionalPointSizes(window);
    fixSizeAndCentre(window);
}

QString programTitle()
{
    return QCoreApplication::translate("tzk::Window", "%1 v%2").arg(QLatin1String(kAppTitle), QLatin1String(kVersion));
}

namespace {

QString iconFile(int size)
{
    return QStringLiteral(":/icon/tzolkara-%1.png").arg(size);
}

// The smallest size the icon comes in with a pixel for every one wanted.
int iconSizeFor(int wanted)
{
    for (const int size : kIconSizes) {
        if (size >= wanted)
            return size;
    }
    return kIconSizes[std::size(kIconSizes) - 1];
}

// The program icon, each size decoded only when something draws it, once:
// a title bar takes a few sizes when its window is made; a run without a
// screen, none. (QIcon::addFile decodes every file at once.)
class ProgramIconEngine final : public QIconEngine
{
public:
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int file = iconSizeFor(qMax(size.width(), size.height()));
        QPixmap &picture = m_decoded[file];
        if (picture.isNull())
            picture = QPixmap(iconFile(file));
        if (picture.isNull() || picture.size() == size)
            return picture;
        return picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * scale, mode, state));
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return size.boundedTo(QSize(kMaxSize, kMaxSize));
    }

    // What title bars and task bars draw.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int size : kIconSizes) {
            if (size <= 48)
                sizes << QSize(size, size);
        }
        return sizes;
    }

    QIconEngine *clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("tzk.programIcon"); }

private:
    static constexpr int kMaxSize = kIconSizes[std::size(kIconSizes) - 1];
    std::map<int, QPixmap> m_decoded;
};

} // namespace

QIcon programIcon()
{
    return QIcon(new ProgramIconEngine);
}

QPixmap programIcon32(qreal devicePixelRatio)
{
    // The smallest file with a pixel for every pixel of the screen.
    const int wanted = qCeil(32 * devicePixelRatio);
    const int size = iconSizeFor(wanted);
    QPixmap pixmap(iconFile(size));
    if (pixmap.isNull())
        return pixmap;
    if (size != wanted)
        pixmap = pixmap.scaled(wanted, wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

void installFontStandIns()
{
    // Fonts close in shape and width to the ones the windows are designed for.
    const QStringList sansStandIns{QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans"),
                                   QStringLiteral("Liberation Sans"), QStringLiteral("Arial")};
    // families() lists what is installed without resolving aliases, which
    // hasFamily() would do at a high price.
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : {QStringLiteral("Verdana"), QStringLiteral("MS Sans Serif")}) {
        if (!installed.contains(family, Qt::CaseInsensitive))
            QFont::insertSubstitutions(family, sansStandIns);
    }
}

} // namespace tzk
