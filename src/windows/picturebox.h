// A picture that takes the keyboard focus (so that a screen reader can
// reach it and read its name) and shows that it has it, as every control
// that takes the focus must: a focus mark drawn over its edge.
#pragma once

#include <QLabel>

namespace tzk {

class PictureBox : public QLabel
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace tzk
