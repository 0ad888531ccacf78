// frmSave, the report window: the current reading as a formatted report,
// with Print (default printer, or a PDF when there is none) and Save (the
// reading file). The caller runs it modally with exec() on the stack; the
// window talks to the system only through the Platform it is given.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmSave;
}

namespace tzk {

class Platform;

class FrmSave : public QDialog
{
    Q_OBJECT

public:
    explicit FrmSave(Platform &platform, QWidget *parent = nullptr);
    ~FrmSave() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void cmdPrint_Click();
    void cmdSave_Click();
    void RTB_Change();
    void RTB_Click();
    void RTB_MouseDown();
    void RTB_MouseMove();
    void RTB_MouseUp();
    void Label1_Click();
    void Label14_Click();
    void lblFullBrand_Click();
    void lblCobrand_Click();

    Platform &m_platform;
    std::unique_ptr<Ui::frmSave> m_ui;
    bool m_reportPressed = false;
};

} // namespace tzk
