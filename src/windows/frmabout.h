// The About window: the program's name, what it does, and two links.
// Modal over the window that opens it; OK, Enter and Esc close it.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

namespace tzk {

class Platform;

class FrmAbout : public QDialog
{
    Q_OBJECT

public:
    FrmAbout(Platform &platform, QWidget *parent);
    ~FrmAbout() override;

private:
    void Form_Load();
    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCoBrand_Click();

    std::unique_ptr<Ui::frmAbout> m_ui;
    Platform &m_platform;
};

} // namespace tzk
