#include "frmday.h"
#include "ui_frmday.h"

#include "catalogue.h"
#include "mayan.h"
#include "platform.h"
#include "regularfile.h"
#include "translation.h"
#include "windowstyle.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QRegularExpression>

#include <array>
#include <string_view>

namespace tzk {

void prepareDayApplication()
{
    // Lets Wayland desktops match the window to the launcher it came from.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.tessalyforum.Tzolkara"));
    installTranslation();
    installFontStandIns();
    QApplication::setWindowIcon(programIcon());
}

namespace {

constexpr char kContext[] = "tzk::FrmDay";

QString englishSignName(int sign)
{
    return shownCatalogueText(staticString(signTexts(catalogueRow(sign)).englishName));
}

// A screen reader hears a value with its caption ("Kin: 160 of 260").
void nameForScreenReaders(QLabel *value, const QLabel *caption)
{
    QString name = caption->text().remove(QLatin1Char('&'));
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    value->setAccessibleName(name + QStringLiteral(": ") + value->text());
}

// Puts picture `wanted` of `list` into `box`, made for the box's pixel
// density. A picture that does not decode leaves the box empty rather
// than showing another day's picture beside this day's names.
void putPicture(QLabel *box, const PictureList &list, int wanted)
{
    const QPixmap picture = list.picture(wanted, box->devicePixelRatio());
    if (picture.isNull())
        box->clear();
    else
        box->setPixmap(picture);
}

} // namespace

DayArgument parseDayArgument(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return {};
    const auto refuse = [](const char *why, const QString &argument) {
        // A pasted paragraph must not push the status out of the window.
        const QString shown = argument.size() > 24 ? argument.left(24) + QChar(0x2026) : argument;
        return DayArgument{{}, QCoreApplication::translate(kContext, why).arg(shown)};
    };
    if (arguments.size() > 1)
        return refuse(QT_TRANSLATE_NOOP("tzk::FrmDay", "Give one date, not several (%1 …). Showing today."),
                      arguments.constFirst());
    const QString &text = arguments.constFirst();
    static const QRegularExpression iso(QStringLiteral("^([0-9]{4})-([0-9]{2})-([0-9]{2})$"));
    const QRegularExpressionMatch m = iso.match(text);
    if (!m.hasMatch())
        return refuse(QT_TRANSLATE_NOOP("tzk::FrmDay", "\"%1\" is not a date in the form YYYY-MM-DD. Showing today."),
                      text);
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!date.isValid())
        return refuse(QT_TRANSLATE_NOOP("tzk::FrmDay", "There is no day %1. Showing today."), text);
    if (date.year() < 100)
        return refuse(QT_TRANSLATE_NOOP("tzk::FrmDay", "%1 is before the year 100, the earliest this window "
                                                       "shows. Showing today."),
                      text);
    return {date, {}};
}

FrmDay::FrmDay(Platform &platform, const QStringList &arguments, QWidget *parent, PictureList signPictures,
               PictureList tonePictures)
    : QWidget(parent)
    , m_platform(platform)
    , m_ui(std::make_unique<Ui::frmDay>())
    , m_signPictures(std::move(signPictures))
    , m_tonePictures(std::move(tonePictures))
{
    m_ui->setupUi(this);
    applyWindowLook(this);
    setWindowTitle(tr("%1 - Any Day").arg(programTitle()));

    const DayArgument asked = parseDayArgument(arguments);
    m_ui->dateDay->setDate(asked.date.isValid() ? asked.date : m_platform.today());
    connect(m_ui->dateDay, &QDateEdit::dateChanged, this, &FrmDay::dateDay_Change);
    connect(m_ui->cmdToday, &QPushButton::clicked, this, &FrmDay::cmdToday_Click);
    connect(m_ui->cmdExportReturns, &QPushButton::clicked, this, &FrmDay::cmdExportReturns_Click);
    m_complaint = asked.problem;
    dateDay_Change();
    m_ui->dateDay->setFocus();
}

FrmDay::~FrmDay() = default;

void FrmDay::dateDay_Change()
{
    const QDate date = m_ui->dateDay->date();
    const std::optional<MayaDay> day = mayaDay(fromQDate(date));
    if (!day) // the field holds 100..9999, all inside the count
        return;
    m_day = *day;

    m_ui->lblWeekday->setText(locale().dayName(date.dayOfWeek()));
    m_ui->lblWeekday->setAccessibleName(m_ui->lblWeekday->text());
    //: The day sign: its Maya name, then its name in the reader's language.
    m_ui->lblSignName->setText(tr("%1 (%2)").arg(mayaSignName(m_day.sign), englishSignName(m_day.sign)));
    m_ui->lblToneName->setText(
        //: The tone: its number, then its name.
        tr("%1 %2").arg(m_day.tone).arg(shownToneName(m_day.tone)));
    m_ui->lblKin->setText(tr("%1 of 260").arg(m_day.kin));
    m_ui->lblTrecena->setText(tr("1 %1 (kin %2), day %3 of 13")
                                  .arg(mayaSignName(m_day.trecenaSign))
                                  .arg(m_day.trecenaKin)
                                  .arg(m_day.tone));
    m_ui->lblHaab->setText(QStringLiteral("%1 %2").arg(m_day.haabDay).arg(haabMonthName(m_day.haabMonth)));
    m_ui->lblLongCount->setText(longCountText(m_day));
    m_ui->lblCalendarRound->setText(calendarRound(m_day));
    m_ui->lblNightLord->setText(QStringLiteral("G%1").arg(m_day.lordOfTheNight));
    m_ui->lblYearBearer->setText(
        tr("%1 (%2)").arg(mayaSignName(m_day.yearBearer), englishSignName(m_day.yearBearer)));
    m_ui->txtSignDesc->setPlainText(shownCatalogueText(staticString(signTexts(m_day.signRow).signDescription)));
    m_ui->txtToneDesc->setPlainText(shownCatalogueText(staticString(toneTexts(m_day.tone).toneDescription)));
    showPictures();

    const std::pair<QLabel *, QLabel *> facts[] = {
        {m_ui->lblKin, m_ui->lblKinCaption},
        {m_ui->lblTrecena, m_ui->lblTrecenaCaption},
        {m_ui->lblHaab, m_ui->lblHaabCaption},
        {m_ui->lblLongCount, m_ui->lblLongCountCaption},
        {m_ui->lblCalendarRound, m_ui->lblCalendarRoundCaption},
        {m_ui->lblNightLord, m_ui->lblNightLordCaption},
        {m_ui->lblYearBearer, m_ui->lblYearBearerCaption},
    };
    for (const auto &[value, caption] : facts)
        nameForScreenReaders(value, caption);
    m_ui->lblSignName->setAccessibleName(tr("Day sign: %1").arg(m_ui->lblSignName->text()));
    m_ui->lblToneName->setAccessibleName(tr("Tone: %1").arg(m_ui->lblToneName->text()));
    m_ui->txtSignDesc->setAccessibleName(tr("About the sign %1").arg(mayaSignName(m_day.sign)));
    m_ui->txtToneDesc->setAccessibleName(tr("About the tone %1").arg(m_day.tone));

    // The returns are counted from today, whichever day is shown.
    const QDate today = m_platform.today();
    m_returns = kinReturns(m_day.kin, fromQDate(today), kReturnCount);
    m_ui->lstReturns->clear();
    for (const CivilDate &d : std::as_const(m_returns)) {
        const QDate when = toQDate(d);
        const qint64 days = today.daysTo(when);
        const QString away = days == 0 ? tr("today") : days == 1 ? tr("tomorrow") : tr("in %1 days").arg(days);
        //: A return of the kin: the date (a QDate format), then how far away it is.
        m_ui->lstReturns->addItem(tr("%1, %2").arg(locale().toString(when, tr("ddd d MMM yyyy")), away));
    }
    m_ui->lstReturns->setAccessibleName(tr("Next returns of kin %1").arg(m_day.kin));
    m_ui->cmdExportReturns->setEnabled(!m_returns.isEmpty());

    // What was wrong with the command line stays until the date changes.
    m_ui->lblStatus->setText(m_complaint.isEmpty()
                                 ? tr("Counted with the correlation %1; a day runs from midnight to midnight.")
                                       .arg(kCorrelationGmt)
                                 : m_complaint);
    m_complaint.clear();
    m_ui->lblStatus->setAccessibleName(m_ui->lblStatus->text());
    // A day or a translation whose texts need more room than the design
    // gets it: the window grows, and never shrinks under the pointer.
    layout()->activate(); // measures the texts set just now
    setFixedSize(size().expandedTo(minimumSizeHint()));
}

void FrmDay::showPictures()
{
    m_picturesRatio = devicePixelRatio();
    putPicture(m_ui->picSign, m_signPictures, m_day.signRow);
    putPicture(m_ui->picTone, m_tonePictures, m_day.tone);
    m_ui->picSign->setAccessibleName(tr("Day sign: %1").arg(m_ui->lblSignName->text()));
    m_ui->picSign->setAccessibleDescription(tr("Picture of the day sign %1").arg(mayaSignName(m_day.sign)));
    m_ui->picTone->setAccessibleName(tr("Tone: %1").arg(m_ui->lblToneName->text()));
    m_ui->picTone->setAccessibleDescription(tr("Picture of the tone %1 in bar-and-dot numerals").arg(m_day.tone));
}

bool FrmDay::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    // Moved to a screen of another pixel density: the pictures are made
    // again for it.
    if (event->type() == QEvent::ScreenChangeInternal && !qFuzzyCompare(devicePixelRatio(), m_picturesRatio))
        showPictures();
    return handled;
}

void FrmDay::cmdToday_Click()
{
    m_ui->dateDay->setDate(m_platform.today());
}

void FrmDay::cmdExportReturns_Click()
{
    const FileDialogOptions options{tr("Export to Calendar"), tr("Calendar Files (*.ics)"), QStringLiteral("ics")};
    const std::optional<QString> path = m_platform.saveFileName(this, options);
    if (!path)
        return;
    // The returns were counted from the day the list was made: after
    // midnight they are counted again, so no day already past is saved.
    if (m_returns.isEmpty() || toQDate(m_returns.constFirst()) < m_platform.today())
        dateDay_Change();
    const QByteArray calendar = kinReturnsCalendar(m_day, m_returns, QDateTime::currentDateTimeUtc());
    if (const QString reason = saveRegularFile(*path, calendar); !reason.isEmpty())
        m_platform.message(this, tr("The Calendar Could Not Be Saved.") + QLatin1Char('\n') + reason,
                           MessageIcon::Critical, MessageButtons::Ok);
}

} // namespace tzk
