// The main window: the name and the three date lists, their validation,
// the Calculate command and opening a saved reading.
#pragma once

#include "readingwindow.h"

#include <memory>

namespace Ui {
class frmMain;
}

namespace tzk {

class FrmMain : public ReadingWindow
{
    Q_OBJECT

public:
    FrmMain(Platform &platform, Navigator &navigator, QWidget *parent = nullptr);
    ~FrmMain() override;

    // Brings one of the two overlapping banners to the front.
    void bringBannerToFront(bool coBrand);

private:
    void Form_Load();
    // True when the entry may be calculated; otherwise shows why.
    bool ValidateEntry();
    void cmdCalculate_Click();
    void cmdOpen_Click();
    void mnuMayan_Click();

    std::unique_ptr<Ui::frmMain> m_ui;
};

} // namespace tzk
