#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>

#include <cstring>

namespace toolkit {

namespace {

class ShownText : public QAccessibleWidget
{
  public:
    explicit ShownText(QLabel* label)
        : QAccessibleWidget(label, label->pixmap().isNull() ? QAccessible::StaticText
                                                            : QAccessible::Graphic)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const auto* label = static_cast<const QLabel*>(widget());
        if (kind != QAccessible::Name || !label->accessibleName().isEmpty())
            return QAccessibleWidget::text(kind);
        return label->text();
    }
};

// A rule drawn as a frame is a separator with no name, not a frame named after its group box.
class Rule : public QAccessibleWidget
{
  public:
    explicit Rule(QFrame* line) : QAccessibleWidget(line, QAccessible::Separator) {}

    QString text(QAccessible::Text) const override { return {}; }
};

QAccessibleInterface* ByWhatTheyShow(const QString& className, QObject* object)
{
    if (className == QLatin1String("QLabel"))
        return new ShownText(static_cast<QLabel*>(object));
    const auto* frame = qobject_cast<QFrame*>(object);
    if (className == QLatin1String("QFrame") &&
        (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine))
        return new Rule(static_cast<QFrame*>(object));
    return nullptr;
}

} // namespace

void NameLabelsByTheirText()
{
    QAccessible::installFactory(ByWhatTheyShow);
}

const char* SpokenSign(const char* sign)
{
    for (const auto& [written, spoken] : {std::pair{"+", "plus"}, std::pair{"-", "minus"},
                                          std::pair{"x", "times"}, std::pair{"/", "divided by"}})
        if (std::strcmp(sign, written) == 0)
            return spoken;
    return "";
}

} // namespace toolkit
