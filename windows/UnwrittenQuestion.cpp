#include "UnwrittenQuestion.h"

#include "ResultsTexts.h"
#include "results/Recorder.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

using namespace std::chrono_literals;

// A question that waits: it closes itself once everything is written.
class WaitingQuestion : public QMessageBox
{
  public:
    using QMessageBox::QMessageBox;
    QPushButton* wait = nullptr;
    bool written = false;
};

} // namespace

void WaitForUnwritten(QWidget* owner, results::Recorder& recorder)
{
    // Most often written in a moment; the first try that fails ends this wait at once.
    if (recorder.Flush(500ms))
        return;
    const results::Recording state = recorder.State();
    const int answers = static_cast<int>(state.pendingAnswers);
    WaitingQuestion ask(
        QMessageBox::Warning,
        QCoreApplication::translate("UnwrittenQuestion", "Answers Not Written Yet"),
        QCoreApplication::translate("UnwrittenQuestion",
                                    "%n answers cannot be written to the results file yet: %1.",
                                    nullptr, answers)
                .arg(resultstexts::ReasonText(state.waiting.value_or(results::Reason{"%1", ""}))) +
            u' ' +
            QCoreApplication::translate("UnwrittenQuestion",
                                        "Carrowby waits for them and closes once they are "
                                        "written. Leave now, and they are kept and written the "
                                        "next time a test starts."),
        QMessageBox::NoButton, owner);
    ask.addButton(QCoreApplication::translate("UnwrittenQuestion", "&Leave Now"),
                  QMessageBox::DestructiveRole);
    ask.wait = ask.addButton(QCoreApplication::translate("UnwrittenQuestion", "&Wait"),
                             QMessageBox::AcceptRole);
    ask.setDefaultButton(ask.wait);
    ask.setEscapeButton(ask.wait);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &ask, [&] {
        if (recorder.Flush(0ms))
            ask.written = true, ask.accept();
    });
    poll.start(100);
    // Wait (Enter, Escape, the title bar's close) asks again, until everything is written or
    // the user leaves.
    do
        ask.exec();
    while (!ask.written && ask.clickedButton() == ask.wait);
}
