// A long run: 100 whole tests of 100 problems, each answered through the window's own handlers
// and its answer window closed with Enter as a user would, then 100 About windows. Prints the
// resident memory after each of the first and the last ten tests; run under LeakSanitizer
// (make long-run), the program's own leaks show at the end.

#include "drill/frmMain.h"
#include "toolkit/Application.h"

#include <QtTest/QTest>
#include <QtWidgets>

#include <cstdio>
#include <filesystem>

namespace {

long ResidentKiB()
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    char line[256];
    long kib = 0;
    while (status && std::fgets(line, sizeof line, status))
        std::sscanf(line, "VmRSS: %ld", &kib);
    if (status)
        std::fclose(status);
    return kib;
}

int Answer(frmMain& window)
{
    auto number = [&](const char* name) { return window.findChild<QLabel*>(name)->text().toInt(); };
    return number("txtLine1") + number("txtLine2");
}

} // namespace

int main(int argc, char* argv[])
{
    char home[] = "/tmp/carrowby-long-run-XXXXXX";
    if (!mkdtemp(home))
        return 2;
    setenv("XDG_CONFIG_HOME", home, 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    long first = 0, last = 0;
    {
        QApplication app(argc, argv);
        toolkit::SetUpApplication();
        frmMain window;
        window.SetProgramEnd([] {});
        window.show();
        // Whatever modal window opens, Enter presses its focused button.
        QTimer user;
        QObject::connect(&user, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible())
                QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal,
                                Qt::Key_Return);
        });
        user.start(1);
        window.findChild<QCheckBox*>("chkAddition")->setChecked(true);
        window.findChild<QCheckBox*>("chk7")->setChecked(true);
        window.findChild<QComboBox*>("ctlNumberOfProblems")->setCurrentIndex(4);
        auto* input = window.findChild<QLineEdit*>("txtInput");
        for (int test = 1; test <= 100; ++test) {
            window.findChild<QPushButton*>("btnStart")->click();
            for (int problem = 1; problem <= 100; ++problem) {
                QTest::keyClicks(input, QString::number(Answer(window) + (problem % 10 == 0)));
                QTest::keyClick(input, Qt::Key_Return);
            }
            const long kib = ResidentKiB();
            if (test <= 10 || test > 90)
                std::printf("test %3d: %s, resident %ld KiB\n", test,
                            qPrintable(window.findChild<QLabel*>("txtGrade")->text()), kib);
            (test <= 10 ? first : last) += test <= 10 || test > 90 ? kib : 0;
        }
        for (int about = 0; about < 100; ++about)
            QTest::keyClick(&window, Qt::Key_F1);
        std::printf("after 100 About windows: resident %ld KiB\n", ResidentKiB());
        std::printf("the last ten tests against the first ten: %+ld KiB on average\n",
                    (last - first) / 10);
    }
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return 0;
}
