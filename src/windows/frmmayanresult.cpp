#include "frmmayanresult.h"
#include "ui_frmmayanresult.h"

#include "frmsave.h"
#include "mayan.h"
#include "mayaday.h"
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

// Puts picture `wanted` of `list` into `box`, made for the box's pixel
// density, and returns the position shown. A picture that does not decode
// leaves the box with picture `had`, the one it showed before.
int putPicture(QLabel *box, const PictureList &list, int wanted, int had)
{
    const qreal ratio = box->devicePixelRatio();
    QPixmap picture = list.picture(wanted, ratio);
    if (picture.isNull()) {
        wanted = had;
        picture = list.picture(had, ratio);
    }
    if (!picture.isNull())
        box->setPixmap(picture);
    return wanted;
}

} // namespace

FrmMayanResult::FrmMayanResult(Platform &platform, Navigator &navigator, QWidget *parent,
                               PictureList signPictures, PictureList tonePictures)
    : ReadingWindow(platform, navigator, parent)
    , m_ui(std::make_unique<Ui::frmMayanResult>())
    , m_signPictures(std::move(signPictures))
    , m_tonePictures(std::move(tonePictures))
{
    m_ui->setupUi(this);
    setUpSharedControls({m_ui->Label14, m_ui->lblFullBrand, m_ui->lblCobrand, m_ui->mnuExit, m_ui->mnuOnline,
                         m_ui->mnuVisit, m_ui->mnuUpdate, m_ui->mnuAbout, m_ui->mnuDonate, m_ui->mnuMakeMoney});

    connect(m_ui->cmdBack, &QPushButton::clicked, this, &FrmMayanResult::cmdBack_Click);
    connect(m_ui->cmdSave, &QPushButton::clicked, this, &FrmMayanResult::cmdSave_Click);
    connect(m_ui->mnuBack, &QAction::triggered, this, &FrmMayanResult::mnuBack_Click);

    putBannerInFront(m_ui->lblFullBrand, m_ui->lblCobrand); // the designed order
    Form_Load();
    m_ui->cmdBack->setFocus();
}

FrmMayanResult::~FrmMayanResult() = default;

void FrmMayanResult::Form_Load()
{
    CalculateReading();

    const ReadingRecord &r = MayanReading;
    m_ui->lblMayanDayNumber->setText(QString::number(r.galacticTone)); // a fixed box
    m_ui->lblMayanNoDesc->setText(shownCatalogueText(r.toneDescription));
    setValue(m_ui->lblMayanDaySign, r.mayanName); // a name, never translated
    setValue(m_ui->lblMayanGemstone, shownCatalogueText(r.gemstone));
    setValue(m_ui->lblKeywords, shownCatalogueText(r.keywords));
    setValue(m_ui->lblSignificance, shownCatalogueText(r.significance));
    m_ui->lblMayanDesc->setText(shownCatalogueText(r.signDescription));
    setValue(m_ui->lblMayanEnglishName, shownCatalogueText(r.englishName));
    setValue(m_ui->lblFamousPersons, shownCatalogueText(r.famousPersons));

    // Tone picture by position, sign picture by key (exact, case-sensitive).
    // Without a match, or when the match does not decode, a box keeps the
    // picture it had before loading.
    int toneMatch = 0;
    for (int i = 1; i <= m_tonePictures.count(); ++i) {
        if (i == r.galacticTone) {
            toneMatch = i;
            break;
        }
    }
    int signMatch = 0;
    for (int i = 1; i <= m_signPictures.count(); ++i) {
        if (m_signPictures.key(i) == r.englishName) {
            signMatch = i;
            break;
        }
    }
    // Decode just the two pictures shown, drawn at their own size. The
    // picture a box had before loading is decoded only when it is needed.
    m_picturesRatio = devicePixelRatio();
    m_tonePicture = putPicture(m_ui->picGalacticTone, m_tonePictures, toneMatch, m_tonePicture);
    m_signPicture = putPicture(m_ui->picDaySign, m_signPictures, signMatch, m_signPicture);

    // The pictures are in the keyboard order, so they need words too; they
    // name what is shown, which is the old picture when nothing matched or
    // the match did not decode.
    m_ui->picGalacticTone->setAccessibleName(tr("Day number: %1").arg(m_tonePicture));
    m_ui->picGalacticTone->setAccessibleDescription(
        tr("Picture of the %1 tone, %2 in bar-and-dot numerals")
            .arg(shownToneName(m_tonePicture), QString::number(m_tonePicture)));
    const QString sign = shownCatalogueText(m_signPictures.key(m_signPicture));
    m_ui->picDaySign->setAccessibleName(tr("Day sign: %1").arg(sign));
    m_ui->picDaySign->setAccessibleDescription(tr("Picture of the day sign %1").arg(sign));

    nameForScreenReaders(m_ui->lblMayanDayNumber, tr("Mayan Day Number"));
    nameForScreenReaders(m_ui->lblMayanNoDesc, tr("Day Number Description"));
    nameForScreenReaders(m_ui->lblMayanDaySign, m_ui->Label1_0->text());
    nameForScreenReaders(m_ui->lblKeywords, m_ui->Label1_4->text());
    nameForScreenReaders(m_ui->lblMayanGemstone, m_ui->Label1_3->text());
    nameForScreenReaders(m_ui->lblSignificance, m_ui->Label1_5->text());
    nameForScreenReaders(m_ui->lblMayanEnglishName, m_ui->Label1_2->text());
    nameForScreenReaders(m_ui->lblFamousPersons, m_ui->Label1_6->text());
    nameForScreenReaders(m_ui->lblMayanDesc, tr("Day Sign Description"));
}

bool FrmMayanResult::event(QEvent *event)
{
    const bool handled = ReadingWindow::event(event);
    // Moved to a screen of another pixel density: the two pictures are made
    // again for it, a matter of two small decodes.
    if (event->type() == QEvent::ScreenChangeInternal && !qFuzzyCompare(devicePixelRatio(), m_picturesRatio)) {
        m_picturesRatio = devicePixelRatio();
        putPicture(m_ui->picGalacticTone, m_tonePictures, m_tonePicture, m_tonePicture);
        putPicture(m_ui->picDaySign, m_signPictures, m_signPicture, m_signPicture);
    }
    return handled;
}

void FrmMayanResult::cmdBack_Click()
{
    m_navigator.showMainWindow();
    close(); // a navigation step: the unload brings up the exit screen ...
    m_navigator.HideExitScreen(); // ... which is hidden again at once
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
