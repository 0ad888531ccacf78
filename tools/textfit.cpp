#include "textfit.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>

namespace tzk {

namespace {

constexpr int kUnbounded = 1 << 20;

class Findings
{
public:
    // A text of `need` shown in `have`. A line box counts the descent
    // below the lowest letters, which may touch the edge; a line more
    // needs a whole line's height.
    void check(const QWidget *w, const QString &text, const QSize &need, const QRect &have)
    {
        if (need.width() <= have.width() && need.height() <= have.height() + w->fontMetrics().descent())
            return;
        QString shown = text.simplified();
        if (shown.size() > 60)
            shown = shown.left(57) + QStringLiteral("...");
        m_lines << QStringLiteral("%1: needs %2x%3, has %4x%5: %6")
                       .arg(w->objectName())
                       .arg(need.width())
                       .arg(need.height())
                       .arg(have.width())
                       .arg(have.height())
                       .arg(shown);
    }
    // One line of `text` in `w`'s font within `have`.
    void checkLine(const QWidget *w, const QString &text, const QRect &have, int flags = 0)
    {
        check(w, text, w->fontMetrics().boundingRect(QRect(), flags, text).size(), have);
    }
    QStringList lines() const { return m_lines; }

private:
    QStringList m_lines;
};

void checkLabel(Findings &f, const QLabel *l)
{
    // The box is the label's, but no further than its parent shows: a label
    // that sizes itself to its text can grow past the window's edge.
    const QRect parentArea = l->parentWidget()->rect().translated(-l->pos());
    const int m = l->margin();
    const QRect box = l->contentsRect().adjusted(m, m, -m, -m) & parentArea;
    // With a buddy, "&" marks the keyboard letter and is not shown.
    const int flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0)
                      | (l->buddy() ? Qt::TextShowMnemonic : 0);
    const QSize need =
        l->fontMetrics().boundingRect(QRect(0, 0, l->wordWrap() ? box.width() : kUnbounded, kUnbounded), flags,
                                      l->text()).size();
    f.check(l, l->text(), need, box);
}

// Where a one-line label's text is drawn, in its parent.
QRect lineRect(const QLabel *l)
{
    const QSize size = l->fontMetrics().boundingRect(QRect(), 0, l->text()).size();
    return QStyle::alignedRect(l->layoutDirection(), l->alignment(), size, l->contentsRect()).translated(l->pos());
}

// One-line labels that size themselves to their text grow to the right,
// over the next column when the text is too long. Lines stacked closely
// may share the space of their descents.
void checkOverlaps(QStringList &lines, const QList<QLabel *> &labels)
{
    for (qsizetype i = 0; i < labels.size(); ++i)
        for (qsizetype j = i + 1; j < labels.size(); ++j)
            if (const QRect both = lineRect(labels[i]) & lineRect(labels[j]);
                labels[i]->parentWidget() == labels[j]->parentWidget()
                && both.height() > labels[i]->fontMetrics().descent())
                lines << QStringLiteral("%1 overlaps %2").arg(labels[i]->objectName(), labels[j]->objectName());
}

void checkButton(Findings &f, const QAbstractButton *b)
{
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    const bool check = qobject_cast<const QCheckBox *>(b) != nullptr;
    const QRect box = b->style()->subElementRect(check ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents,
                                                 &opt, b);
    f.checkLine(b, b->text(), box, Qt::TextShowMnemonic);
}

void checkGroupBox(Findings &f, const QGroupBox *g)
{
    QStyleOptionGroupBox opt;
    opt.initFrom(g);
    opt.text = g->title();
    opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect title = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
    // The style sizes the title to its text; it must end inside the frame.
    f.check(g, g->title(), QSize(title.right() + 1, 0), g->rect());
}

void checkComboBox(Findings &f, const QComboBox *c)
{
    QStyleOptionComboBox opt;
    opt.initFrom(c);
    const QRect field = c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
    for (int i = 0; i < c->count(); ++i)
        f.checkLine(c, c->itemText(i), field);
}

// Qt's line edit keeps two pixels between frame and text on either side.
constexpr int kLineEditMargin = 2;

void checkPlaceholders(Findings &f, QWidget *window)
{
    for (const QLineEdit *e : window->findChildren<QLineEdit *>()) {
        QStyleOptionFrame opt;
        opt.initFrom(e);
        opt.lineWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e);
        const QRect box = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e)
                              .adjusted(kLineEditMargin, 0, -kLineEditMargin, 0);
        // A hint may be the field's text as well as its placeholder; the
        // field of a spin box or date field holds a value, not a text of ours.
        const bool value = qobject_cast<const QAbstractSpinBox *>(e->parentWidget()) != nullptr;
        for (const QString &text : {value ? QString() : e->text(), e->placeholderText()})
            f.checkLine(e, text, box);
    }
    for (const QPlainTextEdit *e : window->findChildren<QPlainTextEdit *>()) {
        const int m = qCeil(e->document()->documentMargin());
        const QRect box = e->viewport()->rect().adjusted(m, m, -m, -m);
        // What a reader scrolls through may be longer than the box.
        for (const QString &text : {e->isReadOnly() ? QString() : e->toPlainText().trimmed(), e->placeholderText()}) {
            const QRect need = e->fontMetrics().boundingRect(QRect(0, 0, box.width(), kUnbounded),
                                                              Qt::TextWordWrap, text);
            f.check(e, text, need.size(), box);
        }
    }
}

void checkMenuBars(Findings &f, QWidget *window)
{
    for (const QMenuBar *bar : window->findChildren<QMenuBar *>()) {
        // A title that does not fit moves into the bar's overflow button.
        for (QAction *a : bar->actions()) {
            const QRect at = bar->actionGeometry(a);
            if (at.isEmpty() || at.right() > bar->rect().right())
                f.check(bar, a->text(), at.size(), QRect());
        }
    }
}

} // namespace

QStringList cutOffTexts(QWidget *window)
{
    Findings f;
    QList<QLabel *> labels;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window))
            continue;
        if (auto *l = qobject_cast<QLabel *>(w); l && !l->text().isEmpty()) {
            checkLabel(f, l);
            if (!l->wordWrap())
                labels << l;
        }
        else if (const auto *b = qobject_cast<QAbstractButton *>(w); b && !b->text().isEmpty())
            checkButton(f, b);
        else if (const auto *g = qobject_cast<QGroupBox *>(w); g && !g->title().isEmpty())
            checkGroupBox(f, g);
        else if (const auto *c = qobject_cast<QComboBox *>(w))
            checkComboBox(f, c);
    }
    checkPlaceholders(f, window);
    checkMenuBars(f, window);
    QStringList lines = f.lines();
    checkOverlaps(lines, labels);
    return lines;
}

} // namespace tzk
