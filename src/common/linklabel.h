// A label that acts as a web link: it reports a click of the left button
// released over it. Look (colour, underline, pointing hand) comes from the
// window's design.
#pragma once

#include <QLabel>

namespace tzk {

class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace tzk
