// The result window: the day number and the day sign of the current
// reading, with their pictures and texts.
#pragma once

#include "picturelist.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class frmMayanResult;
}

namespace tzk {

class Navigator;
class Platform;

class FrmMayanResult : public QMainWindow
{
    Q_OBJECT

public:
    FrmMayanResult(Platform &platform, Navigator &navigator, QWidget *parent = nullptr);
    ~FrmMayanResult() override;

    void cmdBack_Click();
    void cmdSave_Click();

    // Positions of the pictures shown, for the tests: sign 1..20, tone 1..13.
    int shownSignPicture() const { return m_signPicture; }
    int shownTonePicture() const { return m_tonePicture; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void mnuBack_Click();
    void mnuExit_Click();
    void mnuAbout_Click();

    Platform &m_platform;
    Navigator &m_navigator;
    std::unique_ptr<Ui::frmMayanResult> ui;
    PictureList m_signPictures = PictureList::daySigns();
    PictureList m_tonePictures = PictureList::galacticTones();
    // The pictures the window shows before its load step: Crocodile and 13-Cosmic.
    int m_signPicture = 11;
    int m_tonePicture = 13;
};

} // namespace tzk
