#pragma once

#include <QString>

#include <functional>
#include <memory>

class QObject;

namespace toolkit {

// What the program asks of the speech engine that reads the drill aloud. The engine, Qt's text
// to speech and the speech server beneath it, lives in a module of its own (read-aloud.so),
// loaded only once reading aloud is wanted, so that an ordinary start loads nothing of it; and it
// works on a thread of its own, so that a slow or silent server never holds the window up.
class Speaker
{
  public:
    // Told on the thread of the context, once the engine has looked and whenever that changes:
    // nothing where it can speak the language of the program's texts, else why it cannot.
    using Told = std::function<void(const QString& whyNot)>;

    // An engine for the language of the program's texts; nothing, with why, where the module
    // cannot be loaded.
    static std::unique_ptr<Speaker> Open(QObject* context, Told told, QString& why);

    virtual ~Speaker() = default;
    // Says the sentence, cutting off what is still being said; an empty one only cuts it off.
    virtual void Say(const QString& sentence) = 0;
};

} // namespace toolkit
