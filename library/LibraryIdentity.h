#pragma once

#include "framework/ControlHost.h"

#include <QString>
#include <QUuid>
#include <utility>
#include <vector>

namespace zev {

struct ClassDescriptor;

// One published control class: its identities, toolbox image and status flags,
// and (once the class is built into the library) its descriptor.
struct ClassIdentity {
    QString name;
    QUuid clsid;
    QString defaultInterface;
    QUuid defaultInterfaceId;
    QString eventInterface;
    QUuid eventInterfaceId;
    int toolboxImage;
    quint32 statusFlags;
    const ClassDescriptor* (*descriptor)();
};

struct EnumIdentity {
    QString name;
    QUuid id;
    std::vector<std::pair<QString, qint32>> members;
};

// The library's fixed identity. Identifiers never change between releases.
class LibraryIdentity {
public:
    static QString Name() { return QStringLiteral("ZEVSuiteControls"); }
    static constexpr int TypeLibraryMajor = 16;
    static constexpr int TypeLibraryMinor = 0;
    static constexpr quint32 LocaleId = 0x409;
    static QString FileVersion() { return QStringLiteral("1.00.0021"); }
    static QString ProductVersion() { return QStringLiteral("1.00.0021"); }
    static constexpr zev::LibraryVersion Version{1, 0, 21};
    // recompose on resize, cannot link inside, inside-out, activate when visible, set client site first
    static constexpr quint32 StatusFlags = 0x20191;

    static QUuid LibraryId();
    static const std::vector<ClassIdentity>& Classes();
    static const ClassIdentity* FindClass(const QUuid& clsid);
    static const ClassIdentity* FindClass(const QString& name);
    static const std::vector<EnumIdentity>& Enumerations();
};

} // namespace zev
