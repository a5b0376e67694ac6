// The speech engine's module: what the program's loader looks for in it.

#include "SpeechEngine.h"

extern "C" Q_DECL_EXPORT toolkit::Speaker* carrowby_read_aloud(QObject* context,
                                                               toolkit::Speaker::Told told)
{
    return new toolkit::ThreadedSpeaker(context, std::move(told));
}
