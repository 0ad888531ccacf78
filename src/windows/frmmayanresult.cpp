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

// A screen reader hears the value with its caption: a bare "Patience"
// says nothing about what it is.
void nameForScreenReaders(QLabel *label, const QString &caption)
{
    label->setAccessibleName(caption + QStringLiteral(": ") + label->text().trimmed());
}

} // namespace

FrmMayanResult::FrmMayanResult(Platform &platform, Navigator &navigator, QWidget *parent,
                               PictureList signPictures, PictureList tonePictures)
    : ReadingWindow(platform, navigator, parent)
    , ui(std::make_unique<Ui::frmMayanResult>())
    , m_signPictures(std::move(signPictures))
    , m_tonePictures(std::move(tonePictures))
{
    ui->setupUi(this);
    setUpSharedControls({ui->Label14, ui->lblFullBrand, ui->lblCobrand, ui->mnuExit, ui->mnuOnline, ui->mnuVisit,
                         ui->mnuUpdate, ui->mnuAbout, ui->mnuDonate, ui->mnuMakeMoney});

    connect(ui->cmdBack, &QPushButton::clicked, this, &FrmMayanResult::cmdBack_Click);
    connect(ui->cmdSave, &QPushButton::clicked, this, &FrmMayanResult::cmdSave_Click);
    connect(ui->mnuBack, &QAction::triggered, this, &FrmMayanResult::mnuBack_Click);

    putBannerInFront(ui->lblFullBrand, ui->lblCobrand); // the designed order
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

    // The pictures are in the keyboard order, so they need words too; they
    // name what is shown, which is the old picture when nothing matched.
    const QString toneKey = m_tonePictures.key(m_tonePicture); // "13-Cosmic"
    ui->picGalacticTone->setAccessibleName(QStringLiteral("Day number: %1").arg(m_tonePicture));
    ui->picGalacticTone->setAccessibleDescription(
        QStringLiteral("Picture of the %1 tone, %2 in bar-and-dot numerals")
            .arg(toneKey.section(QLatin1Char('-'), 1), QString::number(m_tonePicture)));
    const QString sign = m_signPictures.key(m_signPicture);
    ui->picDaySign->setAccessibleName(QStringLiteral("Day sign: %1").arg(sign));
    ui->picDaySign->setAccessibleDescription(QStringLiteral("Picture of the day sign %1").arg(sign));

    nameForScreenReaders(ui->lblMayanDayNumber, QStringLiteral("Mayan Day Number"));
    nameForScreenReaders(ui->lblMayanNoDesc, QStringLiteral("Day Number Description"));
    nameForScreenReaders(ui->lblMayanDaySign, ui->Label1_0->text());
    nameForScreenReaders(ui->lblKeywords, ui->Label1_4->text());
    nameForScreenReaders(ui->lblMayanGemstone, ui->Label1_3->text());
    nameForScreenReaders(ui->lblSignificance, ui->Label1_5->text());
    nameForScreenReaders(ui->lblMayanEnglishName, ui->Label1_2->text());
    nameForScreenReaders(ui->lblFamousPersons, ui->Label1_6->text());
    nameForScreenReaders(ui->lblMayanDesc, QStringLiteral("Day Sign Description"));
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
