#include "frmabout.h"

#include "ui_frmabout.h"

#include "abouttext.h"
#include "links.h"
#include "windowstyle.h"

#include <QPixmap>

namespace tzk {

FrmAbout::FrmAbout(Platform &platform, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::frmAbout>())
    , m_platform(platform)
{
    m_ui->setupUi(this);
    applyLook();
    fixWindowSize(this);

    connect(m_ui->cmdOK, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
    connect(m_ui->lblHomePage, &LinkLabel::clicked, this, &FrmAbout::lblHomePage_Click);
    connect(m_ui->lblCoBrand, &LinkLabel::clicked, this, &FrmAbout::lblCoBrand_Click);

    Form_Load();
}

FrmAbout::~FrmAbout() = default;

void FrmAbout::applyLook()
{
    setFont(verdana(8.25));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(128, 0, 128));
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);

    QPalette white = palette;
    white.setColor(QPalette::Window, Qt::white);
    m_ui->Line1->setPalette(white);
    QPalette yellow = palette;
    yellow.setColor(QPalette::WindowText, QColor(255, 255, 0));
    m_ui->lblHomePage->setPalette(yellow);
    m_ui->lblCoBrand->setPalette(yellow);

    m_ui->Label2->setFont(verdana(14.25, true));
    m_ui->lblHomePage->setFont(verdana(9.75, false, true));
    m_ui->Label3->setFont(verdana(8.25, true));
    m_ui->lblCoBrand->setFont(verdana(8.25, false, true));

    m_ui->picIcon->setPixmap(programIcon32(devicePixelRatio()));
    m_ui->Label1->setText(QString::fromLatin1(kAboutParagraph));
    m_ui->lblHomePage->setText(QStringLiteral("Click here to visit ") + homePageAddress());
}

void FrmAbout::Form_Load()
{
    // Nothing to do: every text of the window is fixed.
}

void FrmAbout::cmdOK_Click()
{
    accept();
}

void FrmAbout::lblHomePage_Click()
{
    OpenHomePage(m_platform);
}

void FrmAbout::lblCoBrand_Click()
{
    // The label completes the full-branding text beside it, so it opens
    // that page despite its name.
    OpenFullBrandPage(m_platform);
}

} // namespace tzk
