#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>

// Answers the next modal window as a user would: once it shows, answer gets it. Call before
// the action that opens the window, whose own modal loop then runs the answer. Deleting the
// returned watcher withdraws the answer.
inline QPointer<QTimer> WhenModal(std::function<void(QWidget*)> answer)
{
    auto* poll = new QTimer(qApp);
    const QDeadlineTimer deadline(5000);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, deadline, answer = std::move(answer)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!(modal && modal->isVisible()) && !deadline.hasExpired())
            return;
        poll->deleteLater();
        poll->stop();
        if (modal && modal->isVisible())
            answer(modal);
        else
            ADD_FAILURE() << "no modal window appeared";
    });
    poll->start(10);
    return poll;
}

// A key pressed where the keyboard would send it: to the window's focused control.
inline void PressKey(QWidget* window, Qt::Key key)
{
    QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, key);
}

// Types text key by key, as a keyboard with any layout would, also letters without a key code.
inline void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar letter : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(letter), {});
}

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) // readable failure messages
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE
