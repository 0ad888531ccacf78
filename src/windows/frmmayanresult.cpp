#include "frmmayanresult.h"
#include "ui_frmmayanresult.h"

#include "frmsave.h"
#include "mayan.h"
#include "navigator.h"


namespace tzk {

namespace {

// One-line value labels grow to the right to fit their text.
void setValue(QLabel *label, const QString &text)
{
    label->setText(text);
    label->adjustSize();
}

} // namespace

FrmMayanResult::FrmMayanResult(Platform &platform, Navigator &navigator, QWidget *parent)
    : ReadingWindow(platform, navigator, parent)
    , ui(std::make_unique<Ui::frmMayanResult>())
{
    ui->setupUi(this);
    setUpSharedControls({ui->Label14, ui->lblFullBrand, ui->lblCobrand, ui->mnuExit, ui->mnuOnline, ui->mnuVisit,
                         ui->mnuUpdate, ui->mnuAbout, ui->mnuDonate, ui->mnuMakeMoney});

    connect(ui->cmdBack, &QPushButton::clicked, this, &FrmMayanResult::cmdBack_Click);
    connect(ui->cmdSave, &QPushButton::clicked, this, &FrmMayanResult::cmdSave_Click);
    connect(ui->mnuBack, &QAction::triggered, this, &FrmMayanResult::mnuBack_Click);

    Form_Load();
    ui->cmdBack->setFocus();
}

FrmMayanResult::~FrmMayanResult() = default;

void FrmMayanResult::Form_Load()
{
    CalculateReading();

    const ReadingRecord &r = MayanReading;
    setValue(ui->lblMayanDayNumber, QString::number(r.galacticTone));
    ui->lblMayanNoDesc->setText(r.toneDescription);
    setValue(ui->lblMayanDaySign, r.mayanName);
    setValue(ui->lblMayanGemstone, r.gemstone);
    setValue(ui->lblKeywords, r.keywords);
    setValue(ui->lblSignificance, r.significance);
    ui->lblMayanDesc->setText(r.signDescription);
    setValue(ui->lblMayanEnglishName, r.englishName);
    setValue(ui->lblFamousPersons, r.famousPersons);

    // Tone picture by position, sign picture by key (exact, case-sensitive).
    // Without a match a box keeps the picture it had before loading.
    for (int i = 1; i <= m_tonePictures.count(); ++i) {
        if (i == r.galacticTone) {
            m_tonePicture = i;
            break;
        }
    }
    for (int i = 1; i <= m_signPictures.count(); ++i) {
        if (m_signPictures.key(i) == r.englishName) {
            m_signPicture = i;
            break;
        }
    }
    // Decode just the two pictures shown, drawn at their own size.
    ui->picGalacticTone->setPixmap(m_tonePictures.picture(m_tonePicture));
    ui->picDaySign->setPixmap(m_signPictures.picture(m_signPicture));
}

void FrmMayanResult::cmdBack_Click()
{
    m_navigator.showMainWindow();
    close(); // a navigation step: the unload brings up the exit screen ...
    m_navigator.hideExitScreen(); // ... which is hidden again at once
}

void FrmMayanResult::cmdSave_Click()
{
    FrmSave report(m_platform, this);
    report.exec();
}

void FrmMayanResult::mnuBack_Click()
{
    cmdBack_Click();
}

} // namespace tzk
