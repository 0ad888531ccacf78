#include "frmexitscreen.h"

#include "ui_frmexitscreen.h"

#include "exittexts.h"
#include "links.h"
#include "navigator.h"
#include "platform.h"
#include "windowstyle.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPixmap>

#include <algorithm>

namespace tzk {

namespace {

// Where Verdana is missing its stand-in may be wider: a one-line label
// gives up a little size rather than the end of its text.
void shrinkToFit(QLabel *label)
{
    QFont font = label->font();
    while (font.pointSizeF() > 6.0
           && QFontMetricsF(font).horizontalAdvance(label->text()) > label->contentsRect().width())
        font.setPointSizeF(font.pointSizeF() - 0.25);
    label->setFont(font);
}

// A key that would type a space of any kind (plain, no-break, ...).
bool typesSpace(const QKeyEvent *event)
{
    const QString text = event->text();
    return std::any_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.category() == QChar::Separator_Space; });
}

bool isSpace(QChar c)
{
    return c.isSpace();
}

} // namespace

FrmExitScreen::FrmExitScreen(Platform &platform, Navigator &navigator, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
    , m_ui(std::make_unique<Ui::frmExitScreen>())
    , m_platform(platform)
    , m_navigator(navigator)
{
    m_ui->setupUi(this);
    // It comes up over the window the user just closed, but must not take
    // the keyboard from whatever the user turns to next.
    setAttribute(Qt::WA_ShowWithoutActivating);
    applyLook();
    setUpFields();

    connect(m_ui->cmdSubmit, &QPushButton::clicked, this, &FrmExitScreen::cmdSubmit_Click);
    connect(m_ui->Check1, &QCheckBox::toggled, this, &FrmExitScreen::Check1_Click);
    connect(m_ui->lblGoToHome, &LinkLabel::clicked, this, &FrmExitScreen::lblGoToHome_Click);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &FrmExitScreen::cmdClose_Click);
    connect(m_ui->txtEmail, &QLineEdit::textEdited, this, [this] { emailEdited(m_ui->txtEmail); });
    connect(m_ui->txtFriendEmail, &QLineEdit::textEdited, this, [this] { emailEdited(m_ui->txtFriendEmail); });

    Form_Load();
}

FrmExitScreen::~FrmExitScreen() = default;

void FrmExitScreen::applyLook()
{
    applyWindowLook(this);
    m_ui->Label1->setText(programTitle());
    m_ui->Check1->setText(tr("Click Here To Visit %1 Now").arg(QLatin1String(kWebSiteHost)));
    m_ui->Label3->setText(tr(kExitCatalogueParagraph));
    shrinkToFit(m_ui->lblGoToHome);
    m_ui->Picture1->setPixmap(programIcon32(devicePixelRatio()));
}

void FrmExitScreen::setUpFields()
{
    for (QLineEdit *field : {m_ui->txtName, m_ui->txtEmail, m_ui->txtFriendName, m_ui->txtFriendEmail}) {
        // A very long paste is cut here, where the user sees it, not on
        // its way to the web site.
        field->setMaxLength(kMaxReferralFieldLength);
        setFieldText(field, placeholderText(placeholderOf(field)));
        field->installEventFilter(this);
    }
    // Not the bare placeholder: the line break makes it pass as a message.
    setFieldText(m_ui->txtMessage, placeholderText(kMessagePlaceholder) + QStringLiteral("\r\n"));
    m_ui->txtMessage->installEventFilter(this);
}

void FrmExitScreen::Form_Load()
{
    m_platform.seedRandom();
    const double r = std::clamp(m_platform.random(), 0.0, 1.0);
    const int last = static_cast<int>(kExitPromoTexts.size()) - 1;
    const int k = std::min(static_cast<int>(r * static_cast<double>(kExitPromoTexts.size())), last);
    m_ui->Label2->setText(tr(kExitPromoTexts[static_cast<std::size_t>(k)]));
}

void FrmExitScreen::closeEvent(QCloseEvent *event)
{
    // The program ends with this window; closing is never refused.
    Form_Unload();
    event->accept();
}

void FrmExitScreen::Form_Unload()
{
    m_navigator.UnloadAllAndEnd();
}

void FrmExitScreen::cmdClose_Click()
{
    m_navigator.UnloadAllAndEnd();
}

void FrmExitScreen::Check1_Click()
{
    if (!m_ui->Check1->isChecked())
        return;
    m_ui->Check1->setChecked(false); // toggles again, and that call finds the box clear
    OpenHomePage(m_platform);
}

void FrmExitScreen::lblGoToHome_Click()
{
    OpenWebPage(m_platform, webSiteAddress(QStringLiteral("/tessalysoftwares")));
}

void FrmExitScreen::cmdSubmit_Click()
{
    m_referral = Referral{trimSpaces(fieldText(m_ui->txtName)), trimSpaces(fieldText(m_ui->txtEmail)),
                          trimSpaces(fieldText(m_ui->txtMessage)), trimSpaces(fieldText(m_ui->txtFriendName)),
                          trimSpaces(fieldText(m_ui->txtFriendEmail))};
    if (const std::optional<QString> problem = submitProblem(m_referral)) {
        m_platform.message(this, *problem, MessageIcon::Critical, MessageButtons::Ok);
        return;
    }
    ReferAFriend();
}

void FrmExitScreen::ReferAFriend()
{
    if (const std::optional<QString> problem = referralProblem(m_referral)) {
        m_platform.message(this, *problem, MessageIcon::Critical, MessageButtons::Ok);
        return;
    }
    OpenWebPage(m_platform, referAFriendAddress(m_referral));
}

bool FrmExitScreen::eventFilter(QObject *watched, QEvent *event)
{
    const char *placeholder = placeholderOf(watched);
    if (!placeholder)
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // Another window or a context menu taking the keyboard is not
        // leaving the field: a placeholder put back then would end up in
        // front of what the user pastes.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        const QString text = trimSpaces(fieldText(watched));
        if (event->type() == QEvent::FocusIn && text == placeholderText(placeholder))
            setFieldText(watched, QString());
        else if (event->type() == QEvent::FocusOut && text.isEmpty())
            setFieldText(watched, placeholderText(placeholder));
        break;
    }
    case QEvent::KeyPress:
        if (isEmailField(watched) && typesSpace(static_cast<QKeyEvent *>(event))) {
            refuseSpace(static_cast<QWidget *>(watched));
            return true; // the key never reaches the field
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FrmExitScreen::emailEdited(QLineEdit *field)
{
    // A space that was pasted or dropped in rather than typed: it goes, the
    // rest stays, and the user hears why.
    const QString text = field->text();
    if (std::none_of(text.cbegin(), text.cend(), isSpace))
        return;
    const qsizetype cursor = field->cursorPosition();
    QString kept;
    qsizetype keptBeforeCursor = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isSpace(text.at(i)))
            continue;
        kept += text.at(i);
        if (i < cursor)
            ++keptBeforeCursor;
    }
    field->setText(kept);
    field->setCursorPosition(static_cast<int>(keptBeforeCursor));
    refuseSpace(field);
}

void FrmExitScreen::refuseSpace(QWidget *field)
{
    m_platform.message(this, tr("Email Address Cannot Contain Space"), MessageIcon::Critical,
                       MessageButtons::Ok);
    field->setFocus(Qt::OtherFocusReason);
}

QString FrmExitScreen::fieldText(const QObject *field) const
{
    if (const auto *line = qobject_cast<const QLineEdit *>(field))
        return line->text();
    if (const auto *lines = qobject_cast<const QPlainTextEdit *>(field)) {
        // Lines of a text the program sends end in CR LF; the editor
        // keeps bare LFs.
        return lines->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    }
    return QString();
}

void FrmExitScreen::setFieldText(QObject *field, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(field))
        line->setText(text);
    else if (auto *lines = qobject_cast<QPlainTextEdit *>(field))
        lines->setPlainText(text);
}

const char *FrmExitScreen::placeholderOf(const QObject *field) const
{
    if (field == m_ui->txtName)
        return kNamePlaceholder;
    if (field == m_ui->txtEmail)
        return kEmailPlaceholder;
    if (field == m_ui->txtMessage)
        return kMessagePlaceholder;
    if (field == m_ui->txtFriendName)
        return kFriendNamePlaceholder;
    if (field == m_ui->txtFriendEmail)
        return kFriendEmailPlaceholder;
    return nullptr;
}

bool FrmExitScreen::isEmailField(const QObject *field) const
{
    return field == m_ui->txtEmail || field == m_ui->txtFriendEmail;
}

} // namespace tzk
