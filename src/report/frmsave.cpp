#include "frmsave.h"

#include "ui_frmsave.h"

#include "links.h"
#include "mayan.h"
#include "platform.h"
#include "readingfile.h"
#include "reportbuilder.h"
#include "scramble.h"
#include "windowstyle.h"

#include <QLocale>
#include <QMouseEvent>
#include <QTextCursor>

#include <algorithm>
#include <utility>

namespace tzk {

FrmSave::FrmSave(Platform &platform, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_ui(std::make_unique<Ui::frmSave>())
{
    m_ui->setupUi(this);
    applyWindowLook(this);
    setAttribute(Qt::WA_DeleteOnClose, false);

    // One source for the host name: the link table.
    m_ui->Label1->setText(tr("Click Here To Visit %1 Now").arg(QLatin1String(kWebSiteHost)));

    connect(m_ui->cmdPrint, &QPushButton::clicked, this, &FrmSave::cmdPrint_Click);
    connect(m_ui->cmdSave, &QPushButton::clicked, this, &FrmSave::cmdSave_Click);
    connect(m_ui->RTB, &QTextEdit::textChanged, this, &FrmSave::RTB_Change);
    connect(m_ui->Label1, &LinkLabel::clicked, this, &FrmSave::Label1_Click);
    connect(m_ui->Label14, &LinkLabel::clicked, this, &FrmSave::Label14_Click);
    connect(m_ui->lblFullBrand, &LinkLabel::clicked, this, &FrmSave::lblFullBrand_Click);
    connect(m_ui->lblCobrand, &LinkLabel::clicked, this, &FrmSave::lblCobrand_Click);
    // Movement counts even with no button held.
    m_ui->RTB->viewport()->setMouseTracking(true);
    m_ui->RTB->viewport()->installEventFilter(this);

    Form_Load();
    // Open where the keyboard order begins, not on the report box that
    // was created first.
    m_ui->cmdSave->setFocus();
}

FrmSave::~FrmSave() = default;

bool FrmSave::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->RTB->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            m_reportPressed = true;
            RTB_MouseDown();
            break;
        case QEvent::MouseMove:
            RTB_MouseMove();
            break;
        case QEvent::MouseButtonRelease:
            RTB_MouseUp();
            if (std::exchange(m_reportPressed, false)
                && m_ui->RTB->viewport()->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
                RTB_Click();
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmSave::Form_Load()
{
    QTextCursor cursor(m_ui->RTB->document());
    buildReport(cursor, MayanReading, homePageAddress());
    m_ui->RTB->moveCursor(QTextCursor::Start);
}

void FrmSave::cmdPrint_Click()
{
    QTextCursor cursor = m_ui->RTB->textCursor();
    cursor.clearSelection();
    m_ui->RTB->setTextCursor(cursor);
    const QTextDocument &report = *m_ui->RTB->document();
    const auto failed = [this](const QString &reason) {
        m_platform.message(this, tr("The Report Could Not Be Printed.") + QLatin1Char('\n') + reason,
                           MessageIcon::Critical, MessageButtons::Ok);
    };

    if (m_platform.hasDefaultPrinter()) {
        if (const QString reason = m_platform.printOnDefaultPrinter(report); !reason.isEmpty())
            failed(reason);
        return;
    }

    if (m_platform.message(this, tr("No Printer Is Available.\nSave The Report As A PDF File Instead?"),
                           MessageIcon::Information, MessageButtons::YesNo)
        != MessageAnswer::Yes)
        return;
    const FileDialogOptions options{QString::fromLatin1(kAppTitle), tr("PDF Files (*.pdf)"), QStringLiteral("pdf")};
    const std::optional<QString> path = m_platform.saveFileName(this, options);
    if (!path)
        return;
    if (const QString reason = m_platform.writePdf(report, *path); !reason.isEmpty())
        failed(reason);
}

void FrmSave::cmdSave_Click()
{
    const ReadingRecord reading = MayanReading;

    // The question about lost characters comes before the file dialog: the
    // user learns what will be stored before picking a place, and the
    // dialog's overwrite question stays the last word before writing.
    // The file stores the name without them (encodeReadingFile).
    const StorableText storable = storableText(reading.personName);
    if (!storable.lost.isEmpty()) {
        // A name reduced to blanks and punctuation would open as no name
        // at all: nothing is written, and the reading stays on screen.
        if (std::none_of(storable.kept.cbegin(), storable.kept.cend(),
                         [](QChar c) { return c.isLetterOrNumber(); })) {
            m_platform.message(this,
                               tr("None Of The Letters Of The Name Can Be Kept In A Reading File.\n"
                                  "The Reading Was Not Saved."),
                               MessageIcon::Information, MessageButtons::Ok);
            return;
        }
        // A pasted page of text names thousands: the first few stand for
        // them, so that the question fits on the screen.
        constexpr qsizetype kListed = 40;
        QString listed = storable.lost.mid(0, kListed).join(QLatin1Char(' '));
        if (storable.lost.size() > kListed)
            listed += QLatin1Char(' ') + tr("And %1 More").arg(QLocale().toString(storable.lost.size() - kListed));
        const QString question =
            tr("Some Characters Of The Name Cannot Be Saved: %1\nSave The Reading Without Them?").arg(listed);
        if (m_platform.message(this, question, MessageIcon::Information, MessageButtons::YesNo)
            != MessageAnswer::Yes)
            return;
    }

    const FileDialogOptions options{QString::fromLatin1(kAppTitle), tr("Rich Text Format (*.man)"),
                                    QLatin1String(kReadingFileSuffix)};
    const std::optional<QString> path = m_platform.saveFileName(this, options);
    if (!path)
        return;
    const QString reason = writeReadingFile(*path, reading);
    if (!reason.isEmpty())
        m_platform.message(this, tr("The Reading Could Not Be Saved.") + QLatin1Char('\n') + reason,
                           MessageIcon::Critical, MessageButtons::Ok);
}

// The report may not be copied out; the box itself allows no selection,
// so the guard only has to drop what this program put on the clipboard.
void FrmSave::RTB_Change() { m_platform.clearOwnClipboard(); }
void FrmSave::RTB_Click() { m_platform.clearOwnClipboard(); }
void FrmSave::RTB_MouseDown() { m_platform.clearOwnClipboard(); }
void FrmSave::RTB_MouseMove() { m_platform.clearOwnClipboard(); }
void FrmSave::RTB_MouseUp() { m_platform.clearOwnClipboard(); }

void FrmSave::Label1_Click() { OpenHomePage(m_platform); }
void FrmSave::Label14_Click() { OpenHomePage(m_platform); }
void FrmSave::lblFullBrand_Click() { OpenFullBrandPage(m_platform); }
void FrmSave::lblCobrand_Click() { OpenCoBrandPage(m_platform); }

} // namespace tzk
