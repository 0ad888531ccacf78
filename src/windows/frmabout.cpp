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
    applyWindowLook(this);
    m_ui->Label2->setText(programTitle());
    m_ui->picIcon->setPixmap(programIcon32(devicePixelRatio()));
    m_ui->Label1->setText(tr(kAboutParagraph));
    m_ui->lblHomePage->setText(tr("Click here to visit %1").arg(homePageAddress()));

    connect(m_ui->cmdOK, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
    connect(m_ui->lblHomePage, &LinkLabel::clicked, this, &FrmAbout::lblHomePage_Click);
    connect(m_ui->lblCoBrand, &LinkLabel::clicked, this, &FrmAbout::lblCoBrand_Click);

    Form_Load();
}

FrmAbout::~FrmAbout() = default;

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
