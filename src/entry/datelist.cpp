#include "datelist.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace tzk {

namespace {

class DateListAccessible final : public QAccessibleWidget
{
public:
    explicit DateListAccessible(QComboBox *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        // Name and description are the design's; the entry is the value.
        return t == QAccessible::Value ? list()->currentText() : QAccessibleWidget::text(t);
    }

    // Its one child is the list of entries, as a drop-down list's is.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override
    {
        if (name == showMenuAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *dateListAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(DateList::staticMetaObject.className()) && object && object->isWidgetType())
        return new DateListAccessible(static_cast<QComboBox *>(object));
    return nullptr;
}

} // namespace

DateList::DateList(QWidget *parent)
    : QComboBox(parent)
{
    static const bool installed = (QAccessible::installFactory(&dateListAccessible), true);
    Q_UNUSED(installed);
}

} // namespace tzk
