#include "ForgetQuestion.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

bool ConfirmForget(QWidget* owner, const QString& caption, const QString& question)
{
    QMessageBox ask(QMessageBox::Question, caption, question, QMessageBox::NoButton, owner);
    QPushButton* forget = ask.addButton(QCoreApplication::translate("ForgetQuestion", "For&get"),
                                        QMessageBox::DestructiveRole);
    QPushButton* keep = ask.addButton(QCoreApplication::translate("ForgetQuestion", "&Keep"),
                                      QMessageBox::RejectRole);
    ask.setDefaultButton(keep);
    ask.setEscapeButton(keep);
    ask.exec();
    return ask.clickedButton() == forget;
}
