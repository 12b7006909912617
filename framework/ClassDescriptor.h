#pragma once

#include "framework/ZEVCoreExport.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace zev {

class Control;
class ControlHost;

/// The kinds of member a control class publishes.
enum class MemberKind {
    Property,       ///< A property (get, let and set procedures).
    WidgetAccessor, ///< A public member that hands out a constituent widget.
    Method, ///< A method.
};

/// A member as a class declares it, for buildMemberTable().
struct MemberDecl {
    QString name; ///< The member's name.
    MemberKind kind; ///< Its kind.
};

/// A member as a class publishes it.
struct MemberInfo {
    QString name; ///< The member's name.
    MemberKind kind; ///< Its kind.
    qint32 dispId; ///< Its member identifier.
    bool hidden; ///< Whether a host's property sheet hides it.
};

/// An event as a class publishes it.
struct EventInfo {
    qint32 id; ///< Its number, from 1 in declaration order (the number RaiseEvent takes).
    QString name; ///< The event's name ("Search").
    QStringList arguments; ///< Its by-reference arguments, in order.
};

/// Standard member identifiers.
namespace DispId {
constexpr qint32 AboutBox = -552; ///< The about box (AboutBox, About).
constexpr qint32 Refresh = -550; ///< Refresh; also the identifier of Clear where a control uses it.
constexpr qint32 Font = -512; ///< The font.
constexpr qint32 Enabled = -514; ///< Enabled.
} // namespace DispId

/// What a control class publishes about itself: members with their identifiers, events with theirs, its
/// default event, and how to create it.
struct ZEV_CORE_EXPORT ClassDescriptor {
    QString className; ///< The class name ("ZEVCodeDescription").
    std::vector<MemberInfo> members; ///< Its members, in declaration order.
    std::vector<EventInfo> events; ///< Its events, in declaration order.
    QString defaultEvent; ///< The event a designer opens first; empty when the class marks none.
    /// The size the control is placed with, in twips; a container sizes a new control so before
    /// InitProperties. This is the width.
    float designWidth = 0;
    float designHeight = 0; ///< The height the control is placed with, in twips.
    std::unique_ptr<Control> (*create)(ControlHost& host) = nullptr; ///< Makes a control of the class over a host.

    /// The member of this name, or nullptr.
    const MemberInfo* member(const QString& name) const;
    /// The event of this number, or nullptr.
    const EventInfo* event(qint32 id) const;
    /// The event of this name, or nullptr.
    const EventInfo* event(const QString& name) const;
};

/// Member identifiers by the library's rule. Within each kind, members are numbered from 0 at the one
/// declared last, rising towards the first: properties 0x68030000 + k, widget accessors 0x40030000 + k,
/// methods 0x60030000 + k. @p fixed overrides the rule for standard identifiers; the members named in @p
/// hidden are hidden.
ZEV_CORE_EXPORT std::vector<MemberInfo> buildMemberTable(const std::vector<MemberDecl>& declarations,
                                                         const std::vector<std::pair<QString, qint32>>& fixed,
                                                         const QStringList& hidden);

/// Events numbered from 1 in declaration order, each with its by-reference arguments.
ZEV_CORE_EXPORT std::vector<EventInfo> buildEventTable(const std::vector<std::pair<QString, QStringList>>& declarations);

} // namespace zev
