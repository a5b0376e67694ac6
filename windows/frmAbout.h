#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

// The program's icon, the main window's title and the version. Made afresh for every
// showing, so it always shows the title of the moment, whole.
class frmAbout : public QDialog
{
    Q_OBJECT

  public:
    explicit frmAbout(QWidget* owner);
    ~frmAbout() override;

    void cmdOK_Click();

  private:
    void Form_Load();
    void FitTitle();

    // Room left on the screen for the window's frame.
    static constexpr int FrameAllowance = 32;

    std::unique_ptr<Ui::frmAbout> ui;
};
