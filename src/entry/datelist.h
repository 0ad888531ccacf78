// One of the three date lists. On its own a list is read out by the entry
// it shows ("January", "1", "1900"), which says nothing of what it asks;
// this one is read by its accessible name, with the entry as its value.
// Everything else is the plain drop-down list.
#pragma once

#include <QComboBox>

namespace tzk {

class DateList : public QComboBox
{
    Q_OBJECT

public:
    explicit DateList(QWidget *parent = nullptr);
};

} // namespace tzk
