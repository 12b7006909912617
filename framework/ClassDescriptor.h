#pragma once

#include "framework/ZEVCoreExport.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace zev {

class Control;
class ControlHost;

enum class MemberKind {
    Property,       // get/let/set property procedures
    WidgetAccessor, // a public member that hands out a constituent widget
    Method,
};

struct MemberDecl {
    QString name;
    MemberKind kind;
};

struct MemberInfo {
    QString name;
    MemberKind kind;
    qint32 dispId;
    bool hidden;
};

struct EventInfo {
    qint32 id;
    QString name;
    QStringList arguments; // by-reference arguments, in order
};

// Standard member identifiers.
namespace DispId {
constexpr qint32 AboutBox = -552;
constexpr qint32 Refresh = -550; // also the identifier of Clear where a control uses it
constexpr qint32 Font = -512;
constexpr qint32 Enabled = -514;
} // namespace DispId

// What a control class publishes about itself: members with their identifiers,
// events with theirs, its default event, and how to create it.
struct ZEV_CORE_EXPORT ClassDescriptor {
    QString className;
    std::vector<MemberInfo> members;
    std::vector<EventInfo> events;
    QString defaultEvent; // empty when the class marks none
    // The size the control is placed with, in twips; a container sizes a new
    // control so before InitProperties.
    float designWidth = 0;
    float designHeight = 0;
    std::unique_ptr<Control> (*create)(ControlHost& host) = nullptr;

    const MemberInfo* member(const QString& name) const;
    const EventInfo* event(qint32 id) const;
    const EventInfo* event(const QString& name) const;
};

// Member identifiers by the library's rule. Within each kind, members are
// numbered from 0 at the one declared last, rising towards the first:
// properties 0x68030000 + k, widget accessors 0x40030000 + k, methods
// 0x60030000 + k. `fixed` overrides the rule for standard identifiers.
ZEV_CORE_EXPORT std::vector<MemberInfo> buildMemberTable(const std::vector<MemberDecl>& declarations,
                                                         const std::vector<std::pair<QString, qint32>>& fixed,
                                                         const QStringList& hidden);

// Events numbered from 1 in declaration order.
ZEV_CORE_EXPORT std::vector<EventInfo> buildEventTable(const std::vector<std::pair<QString, QStringList>>& declarations);

} // namespace zev
