#include "SpeechEngine.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTextToSpeech>
#include <QThread>

namespace toolkit {

namespace {

// The locale of the engine's that speaks the language: the one asked for, else another of the
// same language (English of Britain for the program's, of America where only that is installed).
// Never another language's: better silent than a German voice reading French.
std::optional<QLocale> Speaking(const QTextToSpeech& speech, const QLocale& language)
{
    const QList<QLocale> locales = speech.availableLocales();
    if (locales.contains(language))
        return language;
    for (const QLocale& locale : locales)
        if (locale.language() == language.language())
            return locale;
    return std::nullopt;
}

// The voice preferred where the engine has it; else its first that is no variant of another
// ("German", not "German+Adam"). Qt takes espeak-ng's voices of Portugal and of Brazil both for
// Brazilian Portuguese, so the translation names the one it is written for.
QVoice Chosen(const QList<QVoice>& voices, const QString& preferred)
{
    for (const QVoice& voice : voices)
        if (voice.name() == preferred)
            return voice;
    for (const QVoice& voice : voices)
        if (!voice.name().contains(u'+'))
            return voice;
    return voices.value(0);
}

QString Reason(SpeechEngine::Why why, const QString& detail)
{
    switch (why) {
    case SpeechEngine::Why::NoEngine:
        return QCoreApplication::translate("Speaker", "No speech engine is installed.");
    case SpeechEngine::Why::NotAnswering:
        return QCoreApplication::translate("Speaker", "The speech engine does not answer: %1")
            .arg(detail);
    case SpeechEngine::Why::NoVoice:
        return QCoreApplication::translate("Speaker", "No voice here speaks English.");
    default:
        return {};
    }
}

} // namespace

SpeechEngine::SpeechEngine(const QLocale& language, const QString& preferredVoice, Tell tell)
    : m_language(language), m_preferredVoice(preferredVoice), m_tell(std::move(tell))
{
}

void SpeechEngine::Start()
{
    if (QTextToSpeech::availableEngines().isEmpty())
        return m_tell(Why::NoEngine, {});
    m_speech = new QTextToSpeech(this);
    // A server that fails later (ended, say) greys the option out from then on.
    connect(m_speech, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
        if (state == QTextToSpeech::Error && m_ready)
            m_ready = false, m_tell(Why::NotAnswering, m_speech->errorString());
    });
    // Qt's engine gives up as it starts where no voice speaks the system's own locale (LANG=C),
    // though it has voices for others: only one without any voice at all does not answer.
    if (m_speech->state() == QTextToSpeech::Error && m_speech->availableLocales().isEmpty())
        return m_tell(Why::NotAnswering, m_speech->errorString());
    const auto locale = Speaking(*m_speech, m_language);
    if (!locale)
        return m_tell(Why::NoVoice, {});
    m_speech->setLocale(*locale);
    m_speech->setVoice(Chosen(m_speech->availableVoices(), m_preferredVoice));
    m_ready = true;
    m_tell(Why::None, {});
}

void SpeechEngine::Say(const QString& sentence)
{
    if (!m_ready)
        return;
    m_speech->stop();
    if (!sentence.isEmpty())
        m_speech->say(sentence);
}

ThreadedSpeaker::ThreadedSpeaker(QObject* context, Told told) : m_thread(new QThread)
{
    // The language the program's texts are in, and the voice preferred for it, as each
    // translation names them.
    const QLocale language(QCoreApplication::translate(
        "Speaker", "en_GB", "the locale whose voice reads this translation aloud"));
    const QString voice =
        QCoreApplication::translate("Speaker", "English (Great Britain)",
                                    "the name of the espeak-ng voice preferred for this language");
    m_engine = new SpeechEngine(
        language, voice,
        [context = QPointer<QObject>(context), told](SpeechEngine::Why why, const QString& detail) {
            // Told on the application's thread, where the context lives, unless it is gone.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [context, told, why, detail] {
                    if (context)
                        told(Reason(why, detail));
                },
                Qt::QueuedConnection);
        });
    m_engine->moveToThread(m_thread);
    m_thread->setObjectName(QStringLiteral("speech"));
    m_thread->start();
    QMetaObject::invokeMethod(m_engine, &SpeechEngine::Start, Qt::QueuedConnection);
}

ThreadedSpeaker::~ThreadedSpeaker()
{
    // The engine goes with its thread, cutting off what it says. A server that never answers
    // may hold the thread for good: then both are left to end with the program.
    m_engine->deleteLater();
    m_thread->quit();
    if (m_thread->wait(QDeadlineTimer(2000)))
        delete m_thread;
}

void ThreadedSpeaker::Say(const QString& sentence)
{
    QMetaObject::invokeMethod(
        m_engine, [engine = m_engine, sentence] { engine->Say(sentence); }, Qt::QueuedConnection);
}

} // namespace toolkit
