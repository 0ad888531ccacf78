#include "frmmain.h"
#include "ui_frmmain.h"

#include "daycount.h"
#include "mayan.h"
#include "navigator.h"
#include "platform.h"
#include "readingfile.h"
#include "windowstyle.h"


namespace tzk {

namespace {

const QString kNameMessage = QStringLiteral("Please Enter Your Name");
const QString kFebruaryMessage = QStringLiteral("Please Enter Correct Date Or Month!");
const QString kThirtyDayMessage = QStringLiteral("Please Enter Correct Date Or Month !");
const QString kFileMessage = QStringLiteral("Please Check The File.");

// Selects the entry whose text equals `text` exactly; false when none does.
bool selectEntry(QComboBox *list, const QString &text)
{
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return false;
    list->setCurrentIndex(index);
    return true;
}

} // namespace

FrmMain::FrmMain(Platform &platform, Navigator &navigator, QWidget *parent)
    : ReadingWindow(platform, navigator, parent)
    , ui(std::make_unique<Ui::frmMain>())
{
    ui->setupUi(this);
    applyColours();
    setUpSharedControls({ui->Label14, ui->lblFullBrand, ui->lblCobrand, ui->mnuExit, ui->mnuOnline, ui->mnuVisit,
                         ui->mnuUpdate, ui->mnuAbout, ui->mnuDonate, ui->mnuMakeMoney});

    connect(ui->cmdCalculate, &QPushButton::clicked, this, &FrmMain::cmdCalculate_Click);
    connect(ui->cmdOpen, &QPushButton::clicked, this, &FrmMain::cmdOpen_Click);
    connect(ui->mnuMayan, &QAction::triggered, this, &FrmMain::mnuMayan_Click);

    Form_Load();
    // Open where the keyboard order begins; Qt would otherwise start with
    // the control created first, the open button.
    ui->txtName->setFocus();
}

FrmMain::~FrmMain() = default;

void FrmMain::applyColours()
{
    const QColor purple(128, 0, 128);
    const QColor white(255, 255, 255);
    fillBackground(ui->centralWidget, purple);
    setColour(ui->Label14, QPalette::WindowText, white);
    fillBackground(ui->Frame1, purple);
    setColour(ui->Frame1, QPalette::WindowText, white); // the caption
    // The frame's children draw on their own backgrounds again.
    for (QWidget *field : {static_cast<QWidget *>(ui->txtName), static_cast<QWidget *>(ui->cboMonth),
                           static_cast<QWidget *>(ui->cboDate), static_cast<QWidget *>(ui->cboYear),
                           static_cast<QWidget *>(ui->cmdCalculate)})
        field->setPalette(palette());
    const QColor buttonFace = palette().color(QPalette::Button);
    fillBackground(ui->fraFullBrand, buttonFace);
    for (QWidget *banner : {static_cast<QWidget *>(ui->lblFullBrand), static_cast<QWidget *>(ui->lblCobrand)}) {
        fillBackground(banner, buttonFace);
        setColour(banner, QPalette::WindowText, QColor(0, 0, 255));
    }
}

void FrmMain::Form_Load()
{
    ui->cboMonth->clear();
    for (const std::string_view name : kMonthNames)
        ui->cboMonth->addItem(QString::fromLatin1(name.data(), qsizetype(name.size())));
    ui->cboDate->clear();
    for (int day = 1; day <= 31; ++day)
        ui->cboDate->addItem(QString::number(day));
    ui->cboYear->clear();
    for (int year = kFirstYear; year <= kLastYear; ++year)
        ui->cboYear->addItem(QString::number(year));
    ui->cboMonth->setCurrentIndex(0);
    ui->cboDate->setCurrentIndex(0);
    ui->cboYear->setCurrentIndex(0);
    ui->txtName->clear();
}

bool FrmMain::ValidateEntry()
{
    if (ui->txtName->text().trimmed().isEmpty()) {
        m_platform.message(this, kNameMessage, MessageIcon::Critical, MessageButtons::Ok);
        ui->txtName->setFocus();
        return false;
    }

    // The lists hold only dates in range; the engine knows which exist.
    const int year = ui->cboYear->currentText().trimmed().toInt();
    switch (checkDate(year, ui->cboMonth->currentIndex(), ui->cboDate->currentIndex() + 1)) {
    case DateCheck::Exists:
        break;
    case DateCheck::PastEndOfShortMonth:
        m_platform.message(this, kThirtyDayMessage, MessageIcon::Information, MessageButtons::Ok);
        return false;
    case DateCheck::PastEndOfFebruary:
    case DateCheck::OutOfRange:
        m_platform.message(this, kFebruaryMessage, MessageIcon::Information, MessageButtons::Ok);
        return false;
    }
    return true;
}

void FrmMain::cmdCalculate_Click()
{
    if (!ValidateEntry())
        return;
    MayanReading.personName = ui->txtName->text().trimmed();
    MayanReading.birthYear = qint16(ui->cboYear->currentText().trimmed().toShort());
    MayanReading.birthMonth = ui->cboMonth->currentText().trimmed();
    MayanReading.birthDay = qint16(ui->cboDate->currentText().trimmed().toShort());
    CalculateReading();
    m_navigator.showResultWindow();
    close(); // a navigation step: the unload brings up the exit screen ...
    m_navigator.hideExitScreen(); // ... which is hidden again at once
}

void FrmMain::cmdOpen_Click()
{
    const auto path = m_platform.openFileName(
        this, FileDialogOptions{QStringLiteral("Select the source file"), QStringLiteral("Mayan Astrology (*.man)"),
                             QStringLiteral("man")});
    if (!path)
        return;

    // The ending check is case-sensitive: "reading.MAN" is refused.
    if (!hasReadingFileEnding(*path)) {
        m_platform.message(this, kFileMessage, MessageIcon::Critical, MessageButtons::Ok);
        return;
    }

    // A file that cannot be read, is cut short, or names a date the lists
    // do not hold would show a reading of some other date: refuse it and
    // leave the window as it was.
    const auto lines = readReadingFile(*path);
    const auto inList = [](const QComboBox *list, const QString &text) {
        return list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0;
    };
    if (!lines || !inList(ui->cboYear, lines->year) || !inList(ui->cboMonth, lines->month)
        || !inList(ui->cboDate, lines->day)) {
        m_platform.message(this, kFileMessage, MessageIcon::Critical, MessageButtons::Ok);
        return;
    }

    ui->txtName->setText(lines->name);
    selectEntry(ui->cboYear, lines->year);
    selectEntry(ui->cboMonth, lines->month);
    selectEntry(ui->cboDate, lines->day);
    cmdCalculate_Click();
}

void FrmMain::bringBannerToFront(bool coBrand)
{
    if (coBrand)
        putBannerInFront(ui->lblCobrand, ui->lblFullBrand);
    else
        putBannerInFront(ui->lblFullBrand, ui->lblCobrand);
}

void FrmMain::mnuMayan_Click()
{
    cmdCalculate_Click();
}

} // namespace tzk
