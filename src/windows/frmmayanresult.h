// The result window: the day number and the day sign of the current
// reading, with their pictures and texts.
#pragma once

#include "picturelist.h"
#include "readingwindow.h"


#include <memory>

namespace Ui {
class frmMayanResult;
}

namespace tzk {

class FrmMayanResult : public ReadingWindow
{
    Q_OBJECT

public:
    // The pictures come from the program's resources; tests hand in lists
    // whose pictures are missing or damaged.
    FrmMayanResult(Platform &platform, Navigator &navigator, QWidget *parent = nullptr,
                   PictureList signPictures = PictureList::daySigns(),
                   PictureList tonePictures = PictureList::galacticTones());
    ~FrmMayanResult() override;

    // Positions of the pictures shown, for the tests: sign 1..20, tone 1..13.
    int shownSignPicture() const { return m_signPicture; }
    int shownTonePicture() const { return m_tonePicture; }

protected:
    bool event(QEvent *event) override;

private:
    void Form_Load();
    void cmdBack_Click();
    void cmdSave_Click();
    void mnuBack_Click();

    std::unique_ptr<Ui::frmMayanResult> m_ui;
    PictureList m_signPictures;
    PictureList m_tonePictures;
    // The pictures the window shows before its load step: Crocodile and 13-Cosmic.
    int m_signPicture = 11;
    int m_tonePicture = 13;
    // The screen's pixel density the pictures shown were made for.
    qreal m_picturesRatio = 1.0;
};

} // namespace tzk
