#include "RosterPreview.h"

namespace belltide {

namespace {

QString Counted(std::size_t count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

} // namespace

std::vector<std::shared_ptr<Classroom>> RosterPreview::NewClasses() const
{
    std::vector<std::shared_ptr<Classroom>> classes;
    for (const RosterRow& row : Rows) {
        if (row.Class)
            classes.push_back(row.Class);
    }
    return classes;
}

std::vector<std::shared_ptr<SpecialClass>> RosterPreview::NewSpecials() const
{
    std::vector<std::shared_ptr<SpecialClass>> specials;
    for (const RosterRow& row : Rows) {
        if (row.Special)
            specials.push_back(row.Special);
    }
    return specials;
}

QString RosterPreview::Summary() const
{
    QString text = Kind == RosterKind::Specials ? Counted(Rows.size(), "special", "specials")
                                                : Counted(Rows.size(), "class", "classes");
    text += QStringLiteral(" to add");
    if (!Messages.empty())
        text += QStringLiteral("; ") + Counted(Messages.size(), "line", "lines") + QStringLiteral(" left out");
    return text + u'.';
}

} // namespace belltide
