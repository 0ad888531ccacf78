// The day window's date field: every step is one day, whichever part of
// the date the cursor is in, so the arrow keys, the wheel and the spin
// buttons all walk the count day by day (Page Up and Page Down ten days).
#pragma once

#include <QDateEdit>

namespace tzk {

class DayDateEdit : public QDateEdit
{
    Q_OBJECT

public:
    using QDateEdit::QDateEdit;

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;
};

} // namespace tzk
