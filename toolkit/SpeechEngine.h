#pragma once

#include "Speaker.h"

#include <QLocale>
#include <QObject>
#include <QPointer>

class QTextToSpeech;
class QThread;

namespace toolkit {

// Qt's text to speech on a thread of its own, speaking the language of the program's texts in a
// voice of that language, or not at all.
class SpeechEngine : public QObject
{
  public:
    enum class Why
    {
        None,         // it can speak
        NoEngine,     // no speech engine is installed
        NotAnswering, // the engine, or the server beneath it, fails
        NoVoice       // no voice speaks the language
    };
    using Tell = std::function<void(Why why, const QString& detail)>;

    SpeechEngine(const QLocale& language, const QString& preferredVoice, Tell tell);

    // On the engine's thread: makes the engine and looks for a voice, then tells what it found.
    void Start();
    // On the engine's thread: cuts off what is still being said, then says the sentence.
    void Say(const QString& sentence);

  private:
    QLocale m_language;
    QString m_preferredVoice;
    Tell m_tell;
    QTextToSpeech* m_speech = nullptr;
    bool m_ready = false;
};

// The speaker the program holds: hands each sentence to the engine's thread.
class ThreadedSpeaker : public Speaker
{
  public:
    ThreadedSpeaker(QObject* context, Told told);
    ~ThreadedSpeaker() override;
    void Say(const QString& sentence) override;

  private:
    QThread* m_thread;
    SpeechEngine* m_engine;
};

} // namespace toolkit
