#include "OptionsMenu.h"

#include "toolkit/HighContrast.h"
#include "toolkit/ScreenReader.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

std::string InTheLanguageShown(const char* context, const char* text, int count)
{
    return QCoreApplication::translate(context, text, nullptr, count).toStdString();
}

OptionsMenu::OptionsMenu(QMenu* menu, QAction* readAloud, QAction* highContrast)
    : QObject(menu), m_readAloud(readAloud), m_highContrast(highContrast),
      m_reading(*this, InTheLanguageShown)
{
    menu->setToolTipsVisible(true); // why Read Aloud is greyed out
    connect(menu, &QMenu::aboutToShow, this, &OptionsMenu::LoadSpeaker);
    connect(readAloud, &QAction::triggered, this, [this](bool on) {
        m_chosen.readAloud = on;
        ReadAloud(on);
        emit Changed();
    });
    connect(highContrast, &QAction::triggered, this, [this](bool on) {
        m_chosen.highContrast = on;
        toolkit::ShowHighContrast(on);
        emit Changed();
    });
}

OptionsMenu::~OptionsMenu() = default;

void OptionsMenu::Show(const settings::ChildOptions& chosen)
{
    m_chosen = chosen;
    m_highContrast->setChecked(chosen.highContrast);
    toolkit::ShowHighContrast(chosen.highContrast);
    ReadAloud(chosen.readAloud && !toolkit::ScreenReaderRuns());
    emit Changed();
}

void OptionsMenu::ReadAloud(bool on)
{
    if (m_speaking && !on && m_speaker)
        m_speaker->Say({}); // cut off
    m_speaking = on && m_readAloud->isEnabled();
    m_readAloud->setChecked(m_speaking);
    if (m_speaking)
        LoadSpeaker();
}

void OptionsMenu::LoadSpeaker()
{
    if (m_loaded)
        return;
    m_loaded = true;
    QString why;
    m_speaker = toolkit::Speaker::Open(
        this, [this](const QString& whyNot) { Told(whyNot); }, why);
    if (!m_speaker)
        Told(why);
}

void OptionsMenu::Told(const QString& whyNot)
{
    m_readAloud->setEnabled(whyNot.isEmpty());
    m_readAloud->setToolTip(whyNot);
    if (!whyNot.isEmpty())
        m_speaking = false, m_readAloud->setChecked(false);
}

void OptionsMenu::Say(const std::string& sentence)
{
    if (m_speaking && m_speaker)
        m_speaker->Say(QString::fromStdString(sentence));
}
