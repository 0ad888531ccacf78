// The main window: the name and the three date lists, their validation,
// the Calculate command and opening a saved reading.
#pragma once

#include <QMainWindow>

#include <memory>

namespace Ui {
class frmMain;
}

namespace tzk {

class Navigator;
class Platform;

class FrmMain : public QMainWindow
{
    Q_OBJECT

public:
    FrmMain(Platform &platform, Navigator &navigator, QWidget *parent = nullptr);
    ~FrmMain() override;

    // True when the entry may be calculated; otherwise shows why.
    bool ValidateEntry();

    // Brings one of the two overlapping banners to the front.
    void bringBannerToFront(bool coBrand);

    void cmdCalculate_Click();
    void cmdOpen_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void mnuMayan_Click();
    void mnuExit_Click();
    void mnuAbout_Click();

    Platform &m_platform;
    Navigator &m_navigator;
    std::unique_ptr<Ui::frmMain> ui;
};

} // namespace tzk
