#include "frmAnswer.h"

#include "toolkit/Accessibility.h"
#include "toolkit/Dialogs.h"
#include "toolkit/EnterKey.h"
#include "toolkit/ScreenPlacement.h"
#include "ui_frmAnswer.h"

#include <QCloseEvent>
#include <QKeyEvent>

frmAnswer::frmAnswer(QWidget* owner) : QDialog(owner), ui(std::make_unique<Ui::frmAnswer>())
{
    ui->setupUi(this);
    m_size = size(), m_frameAt = ui->Frame1->pos(), m_okAt = ui->btnOK->pos();
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    toolkit::KeepSize(this);
    toolkit::KeepOnScreen(this);
    // The caption is a single blank, which Designer files cannot keep.
    setWindowTitle(QStringLiteral(" "));
    connect(ui->btnOK, &QPushButton::clicked, this, &frmAnswer::btnOK_Click);
    toolkit::PressOnEnter(ui->btnOK);
}

frmAnswer::~frmAnswer() = default;

void frmAnswer::SetupAnswer(const QString& svLine1, const QString& svLine2, const QString& svLine3,
                            const QString& svLine4, const QString& svOp, const QString& svAnswer,
                            const QString& svMessage)
{
    ui->txtLine1->setText(svLine1);
    ui->txtLine2->setText(svLine2);
    ui->txtLine3->setText(svLine3);
    ui->txtLine4->setText(svLine4);
    ui->txtMessage->setText(svMessage);
    ui->txtOp->setText(svOp);
    ui->txtAnswer->setText(svAnswer);
    // What a screen reader announces as the window opens: the verdict and the right answer.
    setAccessibleName(svMessage);
    setAccessibleDescription(
        (tr("The right answer is%1").arg(svAnswer) + u' ' + ui->txtNote->text()).trimmed());
    ui->txtOp->setAccessibleDescription(toolkit::SpokenSign(qPrintable(svOp)));
    ui->btnOK->setFocus();
    exec();
}

void frmAnswer::SetNote(const QString& note)
{
    const int room = note.isEmpty() ? 0 : ui->txtNote->height();
    ui->txtNote->setText(note);
    ui->txtNote->setVisible(!note.isEmpty());
    ui->Frame1->move(m_frameAt + QPoint(0, room));
    ui->btnOK->move(m_okAt + QPoint(0, room));
    toolkit::KeepSize(this, m_size + QSize(0, room));
}

void frmAnswer::btnOK_Click()
{
    hide();
}

void frmAnswer::keyPressEvent(QKeyEvent* event)
{
    // OK is not the cancel button: Escape leaves the window open.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAnswer::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void frmAnswer::Form_Unload()
{
    btnOK_Click();
    m_unloaded = true;
}
