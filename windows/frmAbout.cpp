#include "frmAbout.h"

#include "TitleLabel.h"
#include "toolkit/Application.h"
#include "toolkit/Caption.h"
#include "toolkit/Dialogs.h"
#include "toolkit/ScreenPlacement.h"
#include "ui_frmAbout.h"

#include <QScreen>

#include <algorithm>

frmAbout::frmAbout(QWidget* owner) : QDialog(owner), ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    Form_Load();
    FitTitle();
    toolkit::KeepSize(this);
    toolkit::KeepOnScreen(this);
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load()
{
    const QString mainTitle = parentWidget() ? toolkit::Caption(parentWidget()) : QString();
    toolkit::SetCaption(this, tr("About %1").arg(mainTitle));
    const toolkit::VersionNumbers version = toolkit::ApplicationVersion();
    ui->lblVersion->setText(
        tr("Version %1.%2.%3").arg(version.major).arg(version.minor).arg(version.revision));
    ui->lblTitle->setText(mainTitle);
}

void frmAbout::FitTitle()
{
    // A title that does not fit, in the label or in the title bar, widens the window as far as
    // the screen allows; what is still too wide for the label is broken into lines, and the
    // window grows in height for them.
    TitleLabel* title = ui->lblTitle;
    const int needed = std::max(title->OneLineWidth() - title->width(),
                                toolkit::TitleBarWidth(this, toolkit::Caption(this)) - width());
    const int screenWidth = screen()->availableGeometry().width() - FrameAllowance;
    const int wider = std::clamp(needed, 0, std::max(0, screenWidth - width()));
    const int taller = std::max(0, title->heightForWidth(title->width() + wider) - title->height());
    title->resize(title->width() + wider, title->height() + taller);
    ui->lblVersion->move(ui->lblVersion->pos() + QPoint(0, taller));
    ui->cmdOK->move(ui->cmdOK->pos() + QPoint(wider, taller));
    resize(width() + wider, height() + taller);
}

void frmAbout::cmdOK_Click()
{
    accept();
}
