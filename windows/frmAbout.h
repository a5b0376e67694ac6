#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

// The program's icon, the main window's title and the version. Made afresh for every
// showing, so it always shows the title of the moment.
class frmAbout : public QDialog
{
    Q_OBJECT

  public:
    explicit frmAbout(QWidget* owner);
    ~frmAbout() override;

    void cmdOK_Click();

  private:
    void Form_Load();

    std::unique_ptr<Ui::frmAbout> ui;
};
