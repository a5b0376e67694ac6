#pragma once

#include "drill/SpokenDrill.h"
#include "settings/ChildOptions.h"
#include "toolkit/Speaker.h"

#include <QObject>

#include <memory>

class QAction;
class QMenu;

// The words the drill is read aloud in, in the language of the program's texts, each count in its
// plural form.
std::string InTheLanguageShown(const char* context, const char* text, int count);

// The main window's Options menu: Read Aloud and High Contrast, each the choice of the child
// shown, which the window keeps with the child's settings.
//
// Read Aloud speaks the drill as it runs (drill::ReadingAloud, a listener of the test), in the
// language of the program's texts. Its engine is loaded only once it is wanted: when a child's
// choice turns it on, or the menu opens and it must say whether it can be had. Where it cannot
// (no engine, a server that fails, no voice for the language) the item is greyed out and its
// tooltip says why; a child's choice is kept all the same, for a day when it can. Where a screen
// reader is running as a child's choice would turn it on, it stays off until chosen again: no
// child hears the drill twice.
class OptionsMenu : public QObject, private drill::Voice
{
    Q_OBJECT

  public:
    OptionsMenu(QMenu* menu, QAction* readAloud, QAction* highContrast);
    ~OptionsMenu() override;

    // What reads the test aloud, for the test to tell.
    drill::TestListener& Reading() { return m_reading; }
    // Shows the child's choices, and puts them into effect.
    void Show(const settings::ChildOptions& chosen);
    // The choices as the child made them, which may differ from what is in effect.
    const settings::ChildOptions& Chosen() const { return m_chosen; }

  signals:
    // The choices are others now: the child chose anew, or another child's are shown.
    void Changed();

  private:
    void Say(const std::string& sentence) override;
    void ReadAloud(bool on);
    // Loads the speech engine, unless it is loaded or could not be.
    void LoadSpeaker();
    // What the engine tells: nothing where it can speak, else why it cannot.
    void Told(const QString& whyNot);

    QAction* m_readAloud;
    QAction* m_highContrast;
    settings::ChildOptions m_chosen;
    bool m_speaking = false; // Read Aloud in effect
    std::unique_ptr<toolkit::Speaker> m_speaker;
    bool m_loaded = false;
    drill::ReadingAloud m_reading;
};
