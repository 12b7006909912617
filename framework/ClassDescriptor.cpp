#include "framework/ClassDescriptor.h"

namespace zev {

const MemberInfo* ClassDescriptor::member(const QString& name) const
{
    for (const auto& m : members)
        if (m.name == name)
            return &m;
    return nullptr;
}

const EventInfo* ClassDescriptor::event(qint32 id) const
{
    for (const auto& e : events)
        if (e.id == id)
            return &e;
    return nullptr;
}

const EventInfo* ClassDescriptor::event(const QString& name) const
{
    for (const auto& e : events)
        if (e.name == name)
            return &e;
    return nullptr;
}

std::vector<MemberInfo> buildMemberTable(const std::vector<MemberDecl>& declarations,
                                         const std::vector<std::pair<QString, qint32>>& fixed,
                                         const QStringList& hidden)
{
    auto base = [](MemberKind kind) -> quint32 {
        switch (kind) {
        case MemberKind::Property: return 0x68030000u;
        case MemberKind::WidgetAccessor: return 0x40030000u;
        case MemberKind::Method: return 0x60030000u;
        }
        return 0;
    };
    std::vector<MemberInfo> table;
    table.reserve(declarations.size());
    for (size_t i = 0; i < declarations.size(); ++i) {
        const auto& d = declarations[i];
        quint32 k = 0; // members of the same kind declared after this one
        for (size_t j = i + 1; j < declarations.size(); ++j)
            if (declarations[j].kind == d.kind)
                ++k;
        qint32 id = qint32(base(d.kind) + k);
        for (const auto& f : fixed)
            if (f.first == d.name)
                id = f.second;
        table.push_back({d.name, d.kind, id, hidden.contains(d.name)});
    }
    return table;
}

std::vector<EventInfo> buildEventTable(const std::vector<std::pair<QString, QStringList>>& declarations)
{
    std::vector<EventInfo> table;
    table.reserve(declarations.size());
    qint32 id = 1;
    for (const auto& d : declarations)
        table.push_back({id++, d.first, d.second});
    return table;
}

} // namespace zev
