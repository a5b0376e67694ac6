#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmAnswer;
}

// The feedback after every answer: the problem in the same stacked layout as the main
// window, the right answer under the rule and the verdict above. Modal; OK hides it.
class frmAnswer : public QDialog
{
    Q_OBJECT

  public:
    explicit frmAnswer(QWidget* owner);
    ~frmAnswer() override;

    // Fills every caption and shows the window modally over its owner; returns when the
    // window has been hidden, by OK, by the window system or from outside.
    void SetupAnswer(const QString& svLine1, const QString& svLine2, const QString& svLine3,
                     const QString& svLine4, const QString& svOp, const QString& svAnswer,
                     const QString& svMessage);

    // A line under the verdict for the next answer (in a practice, what a slow one is told); the
    // window grows by it, and is as it always was without one.
    void SetNote(const QString& note);

    void btnOK_Click();

    // Whether the window has been closed through the window system: unloaded, it is not shown
    // again, and its owner lets it go.
    bool Unloaded() const { return m_unloaded; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Form_Unload();

    std::unique_ptr<Ui::frmAnswer> ui;
    QSize m_size; // as designed, without a note
    QPoint m_frameAt, m_okAt;
    bool m_unloaded = false;
};
