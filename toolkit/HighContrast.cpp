#include "HighContrast.h"

#include "Contrast.h"

#include <QApplication>
#include <QPalette>

namespace toolkit {

namespace {

// Kept on the application object, which every module of the program shares.
constexpr char Property[] = "carrowbyHighContrast";

double ContrastOf(const QColor& colour, const QColor& other)
{
    const auto luminance = [](const QColor& c) {
        return RelativeLuminance(c.red(), c.green(), c.blue());
    };
    return ContrastRatio(luminance(colour), luminance(other));
}

// The colour moved towards the end (black or white) in small steps, its hue kept, until it reads
// at 7:1 against the other colour; the end itself always does.
QColor Until(QColor colour, const QColor& end, const QColor& against)
{
    const auto step = [](int from, int to) {
        return from + (to - from) / 8 + (to > from) - (to < from);
    };
    while (ContrastOf(colour, against) < HighContrastRatio && colour != end)
        colour = QColor(step(colour.red(), end.red()), step(colour.green(), end.green()),
                        step(colour.blue(), end.blue()));
    return colour;
}

// Calls a function once the looks have changed: when the palette the widget watched inherits
// changes (every window's does as High Contrast turns on or off) and it now holds the other looks.
class LooksFollower : public QObject
{
  public:
    LooksFollower(QObject* watched, std::function<void()> draw)
        : QObject(watched), m_draw(std::move(draw)), m_drawnIn(HighContrast())
    {
        watched->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Drawn once the windows all have the new palette.
        if (event->type() == QEvent::PaletteChange && m_drawnIn != HighContrast()) {
            m_drawnIn = HighContrast();
            QMetaObject::invokeMethod(this, m_draw, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> m_draw;
    bool m_drawnIn;
};

} // namespace

bool HighContrast()
{
    return qApp && qApp->property(Property).toBool();
}

QPalette HighContrastPalette()
{
    const QColor black(Qt::black), white(Qt::white), ground(224, 224, 224), navy(0, 0, 128),
        unusable(96, 0, 0);
    QPalette palette(black, ground, white, black, black, black, white, white, ground);
    palette.setColor(QPalette::ButtonText, black);
    palette.setColor(QPalette::Shadow, black);
    palette.setColor(QPalette::Base, white);
    palette.setColor(QPalette::AlternateBase, QColor(240, 240, 240));
    palette.setColor(QPalette::Highlight, navy);
    palette.setColor(QPalette::HighlightedText, white);
    palette.setColor(QPalette::ToolTipBase, white);
    palette.setColor(QPalette::ToolTipText, black);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, unusable);
    palette.setColor(QPalette::Disabled, QPalette::Base, ground);
    return palette;
}

void ShowHighContrast(bool on)
{
    if (HighContrast() == on)
        return;
    qApp->setProperty(Property, on);
    // An empty palette gives the platform's own back.
    QApplication::setPalette(on ? HighContrastPalette() : QPalette());
}

QColor Ground(const QColor& colour)
{
    return HighContrast() ? Until(colour, Qt::white, Qt::black) : colour;
}

QColor Ink(const QColor& colour)
{
    return HighContrast() ? Until(colour, Qt::black, HighContrastPalette().color(QPalette::Window))
                          : colour;
}

void FollowLooks(QObject* watched, std::function<void()> draw)
{
    const QObjectList children = watched->children();
    for (QObject* child : children)
        delete dynamic_cast<LooksFollower*>(child);
    new LooksFollower(watched, std::move(draw));
}

} // namespace toolkit
