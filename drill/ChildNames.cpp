#include "ChildNames.h"

#include "toolkit/QtText.h"

#include <algorithm>

namespace drill {

QString NameInTitle(const QString& title, const QString& pattern)
{
    for (const QString& made : {pattern, QStringLiteral("%1's Carrowby")}) {
        const qsizetype at = made.indexOf(QLatin1String("%1"));
        if (at < 0)
            continue;
        const QString before = made.left(at), after = made.mid(at + 2);
        if (title.size() > before.size() + after.size() && title.startsWith(before) &&
            title.endsWith(after))
            return title.mid(before.size(), title.size() - before.size() - after.size());
    }
    return {};
}

const settings::Child* ChildNamed(const std::vector<settings::Child>& children,
                                  const QString& typed)
{
    auto named = [&](auto same) -> const settings::Child* {
        const auto child = std::ranges::find_if(children, [&](const settings::Child& child) {
            return !child.name.empty() && same(toolkit::Text(child.name));
        });
        return child != children.end() ? &*child : nullptr;
    };
    if (const settings::Child* child = named([&](const QString& name) { return name == typed; }))
        return child;
    const QString bare = typed.trimmed();
    return named([&](const QString& name) {
        return name.trimmed().compare(bare, Qt::CaseInsensitive) == 0;
    });
}

} // namespace drill
