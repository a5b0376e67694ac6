#pragma once

// Qt's texts in a failed check as a user reads them: a QString (and a QStringList, item by
// item) printed as its text, and a control named by what a screen reader hears of it.

#include <QAccessible>
#include <QRegularExpression>
#include <QString>

#include <ostream>
#include <string>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// The control's kind and what it holds as its description says it ("Label "Seconds
// remaining""), else its name ("GroupBox "Test These"", "Label "Time:""), else its object name.
inline std::string Heard(QObject* control)
{
    const QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(control);
    QString said = heard ? heard->text(QAccessible::Description) : QString();
    if (said.isEmpty() && heard)
        said = heard->text(QAccessible::Name);
    QString kind = control->metaObject()->className();
    kind.remove(QRegularExpression("^Q"));
    return (kind + (said.isEmpty() ? " " + control->objectName() : " \"" + said + '"'))
        .toStdString();
}
