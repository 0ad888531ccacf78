#include "daydateedit.h"

namespace tzk {

void DayDateEdit::stepBy(int steps)
{
    // QDate::addDays past the field's range is clamped by setDate.
    setDate(date().addDays(steps));
}

QAbstractSpinBox::StepEnabled DayDateEdit::stepEnabled() const
{
    StepEnabled enabled = StepNone;
    if (date() < maximumDate())
        enabled |= StepUpEnabled;
    if (date() > minimumDate())
        enabled |= StepDownEnabled;
    return enabled;
}

} // namespace tzk
