#include "frmAbout.h"

#include "toolkit/Application.h"
#include "ui_frmAbout.h"

frmAbout::frmAbout(QWidget* owner) : QDialog(owner), ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(size());
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    Form_Load();
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load()
{
    const QString mainTitle = parentWidget() ? parentWidget()->windowTitle() : QString();
    setWindowTitle(QStringLiteral("About ") + mainTitle);
    const toolkit::VersionNumbers version = toolkit::ApplicationVersion();
    ui->lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                                .arg(version.major)
                                .arg(version.minor)
                                .arg(version.revision));
    ui->lblTitle->setText(mainTitle);
}

void frmAbout::cmdOK_Click()
{
    accept();
}
