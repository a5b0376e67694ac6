#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>

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

QString SpokenSign(const QString& sign)
{
    for (const auto& [written, spoken] :
         {std::pair{"+", QT_TRANSLATE_NOOP("toolkit", "plus")},
          std::pair{"-", QT_TRANSLATE_NOOP("toolkit", "minus")},
          std::pair{"x", QT_TRANSLATE_NOOP("toolkit", "times")},
          std::pair{"/", QT_TRANSLATE_NOOP("toolkit", "divided by")}})
        if (sign == QLatin1String(written))
            return QCoreApplication::translate("toolkit", spoken);
    return {};
}

} // namespace toolkit
