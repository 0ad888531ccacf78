#include "frmmain.h"
#include "ui_frmmain.h"

#include "daycount.h"
#include "mayan.h"
#include "navigator.h"
#include "platform.h"
#include "readingfile.h"

namespace tzk {

namespace {

// Each entry of a list carries its value (the English month name, the
// number) beside the text it shows, which a translation may change.
QString selectedValue(const QComboBox *list)
{
    return list->currentData().toString().trimmed();
}

// The entry whose value equals `value` exactly, or -1.
int entryOf(const QComboBox *list, const QString &value)
{
    return list->findData(value, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

} // namespace

FrmMain::FrmMain(Platform &platform, Navigator &navigator, QWidget *parent)
    : ReadingWindow(platform, navigator, parent)
    , m_ui(std::make_unique<Ui::frmMain>())
{
    m_ui->setupUi(this);
    // The banner frame takes the system's button-face colour, a role the
    // design file cannot name.
    QPalette buttonFace = m_ui->fraFullBrand->palette();
    buttonFace.setColor(QPalette::Window, buttonFace.color(QPalette::Button));
    m_ui->fraFullBrand->setPalette(buttonFace);
    setUpSharedControls({m_ui->Label14, m_ui->lblFullBrand, m_ui->lblCobrand, m_ui->mnuExit, m_ui->mnuOnline,
                         m_ui->mnuVisit, m_ui->mnuUpdate, m_ui->mnuAbout, m_ui->mnuDonate, m_ui->mnuMakeMoney});

    connect(m_ui->cmdCalculate, &QPushButton::clicked, this, &FrmMain::cmdCalculate_Click);
    connect(m_ui->cmdOpen, &QPushButton::clicked, this, &FrmMain::cmdOpen_Click);
    connect(m_ui->mnuMayan, &QAction::triggered, this, &FrmMain::mnuMayan_Click);

    Form_Load();
    // Open where the keyboard order begins; Qt would otherwise start with
    // the control created first, the open button.
    m_ui->txtName->setFocus();
}

FrmMain::~FrmMain() = default;

void FrmMain::Form_Load()
{
    m_ui->cboMonth->clear();
    for (const std::string_view name : kMonthNames) {
        const QString month = QString::fromLatin1(name.data(), qsizetype(name.size()));
        m_ui->cboMonth->addItem(shownMonthName(month), month);
    }
    m_ui->cboDate->clear();
    for (int day = 1; day <= 31; ++day)
        m_ui->cboDate->addItem(QString::number(day), QString::number(day));
    m_ui->cboYear->clear();
    for (int year = kFirstYear; year <= kLastYear; ++year)
        m_ui->cboYear->addItem(QString::number(year), QString::number(year));
    m_ui->cboMonth->setCurrentIndex(0);
    m_ui->cboDate->setCurrentIndex(0);
    m_ui->cboYear->setCurrentIndex(0);
    m_ui->txtName->clear();
}

bool FrmMain::ValidateEntry()
{
    if (m_ui->txtName->text().trimmed().isEmpty()) {
        m_platform.message(this, tr("Please Enter Your Name"), MessageIcon::Critical, MessageButtons::Ok);
        m_ui->txtName->setFocus();
        return false;
    }

    // The lists hold only dates in range; the engine knows which exist.
    const QString monthName = selectedValue(m_ui->cboMonth);
    const auto month = monthIndex(std::u16string_view(QStringView(monthName).utf16(), std::size_t(monthName.size())));
    switch (checkDate(selectedValue(m_ui->cboYear).toInt(), month.value_or(-1), selectedValue(m_ui->cboDate).toInt())) {
    case DateCheck::Exists:
        break;
    case DateCheck::PastEndOfShortMonth:
        m_platform.message(this, tr("Please Enter Correct Date Or Month !"), MessageIcon::Information,
                           MessageButtons::Ok);
        return false;
    case DateCheck::PastEndOfFebruary:
    case DateCheck::OutOfRange:
        m_platform.message(this, tr("Please Enter Correct Date Or Month!"), MessageIcon::Information,
                           MessageButtons::Ok);
        return false;
    }
    return true;
}

void FrmMain::cmdCalculate_Click()
{
    if (!ValidateEntry())
        return;
    MayanReading.personName = m_ui->txtName->text().trimmed();
    MayanReading.birthYear = qint16(selectedValue(m_ui->cboYear).toShort());
    MayanReading.birthMonth = selectedValue(m_ui->cboMonth);
    MayanReading.birthDay = qint16(selectedValue(m_ui->cboDate).toShort());
    CalculateReading();
    m_navigator.showResultWindow();
    close(); // a navigation step: the unload brings up the exit screen ...
    m_navigator.HideExitScreen(); // ... which is hidden again at once
}

void FrmMain::cmdOpen_Click()
{
    const auto path = m_platform.openFileName(
        this, FileDialogOptions{tr("Select the source file"), tr("Mayan Astrology (*.man)"),
                                QLatin1String(kReadingFileSuffix)});
    if (!path)
        return;

    // The ending check is case-sensitive: "reading.MAN" is refused.
    const QString fileMessage = tr("Please Check The File.");
    if (!hasReadingFileEnding(*path)) {
        m_platform.message(this, fileMessage, MessageIcon::Critical, MessageButtons::Ok);
        return;
    }

    // A file that cannot be read, is cut short, or names a date the lists
    // do not hold would show a reading of some other date: refuse it and
    // leave the window as it was.
    const auto lines = readReadingFile(*path);
    const int year = lines ? entryOf(m_ui->cboYear, lines->year) : -1;
    const int month = lines ? entryOf(m_ui->cboMonth, lines->month) : -1;
    const int day = lines ? entryOf(m_ui->cboDate, lines->day) : -1;
    if (year < 0 || month < 0 || day < 0) {
        m_platform.message(this, fileMessage, MessageIcon::Critical, MessageButtons::Ok);
        return;
    }

    m_ui->txtName->setText(lines->name);
    m_ui->cboYear->setCurrentIndex(year);
    m_ui->cboMonth->setCurrentIndex(month);
    m_ui->cboDate->setCurrentIndex(day);
    cmdCalculate_Click();
}

void FrmMain::bringBannerToFront(bool coBrand)
{
    if (coBrand)
        putBannerInFront(m_ui->lblCobrand, m_ui->lblFullBrand);
    else
        putBannerInFront(m_ui->lblFullBrand, m_ui->lblCobrand);
}

void FrmMain::mnuMayan_Click()
{
    cmdCalculate_Click();
}

} // namespace tzk
