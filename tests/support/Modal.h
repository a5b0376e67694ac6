#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>

// Answers the next modal window as a user would: once it shows, answer gets it. Call before
// the action that opens the window; the action's own modal loop runs the answer. Deleting
// the returned watcher withdraws the answer.
inline QPointer<QTimer> WhenModal(std::function<void(QWidget*)> answer, int withinMs = 5000)
{
    auto* poll = new QTimer(qApp);
    const QDeadlineTimer deadline(withinMs);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, deadline, answer = std::move(answer)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            poll->stop();
            poll->deleteLater();
            answer(modal);
        } else if (deadline.hasExpired()) {
            poll->stop();
            poll->deleteLater();
            ADD_FAILURE() << "no modal window appeared";
        }
    });
    poll->start(10);
    return poll;
}

// A key pressed where the keyboard would send it: to the window's focused control.
inline void PressKey(QWidget* window, Qt::Key key)
{
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, key);
}

// Types text into widget key by key, as a keyboard with any layout would, for letters that
// have no key code of their own.
inline void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar letter : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(letter));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

// Readable failure messages for Qt's text.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '{';
    for (const QString& text : texts)
        *out << '"' << text.toStdString() << "\", ";
    *out << '}';
}
QT_END_NAMESPACE
