#pragma once

#include "library/ClassFactory.h"

#include <QMap>
#include <QUuid>
#include <memory>
#include <vector>

namespace zev {

// Status codes of the run time.
namespace HResult {
constexpr qint32 Ok = 0;
constexpr qint32 False = 1;
constexpr qint32 NoInterface = qint32(0x80004002u);
constexpr qint32 Pointer = qint32(0x80004003u);
constexpr qint32 ClassNotAvailable = qint32(0x80040111u); // CLASS_E_CLASSNOTAVAILABLE
} // namespace HResult

// The interfaces a class object answers to.
namespace InterfaceId {
QUuid IUnknown();
QUuid IClassFactory();
} // namespace InterfaceId

struct Registration {
    QUuid clsid;
    QString progId; // "ZEVSuiteControls.ZEVNumeric"
    QString className;
    QUuid typeLibrary;
    QString typeLibraryVersion;
    int toolboxImage;
    quint32 statusFlags;
};

// The small run time that stands for the container's: a registration store and
// the class objects the entry points hand out.
class ComRuntime {
public:
    static ComRuntime& instance();

    qint32 RegisterServer();
    qint32 UnregisterServer();
    qint32 GetClassObject(const QUuid& clsid, const QUuid& iid, void** object);
    qint32 CanUnloadNow() const;

    bool typeLibraryRegistered() const { return typeLibraryRegistered_; }
    const QMap<QUuid, Registration>& registrations() const { return registrations_; }

    // The factory of a class, by identifier, class name or program id; nullptr when unknown.
    ClassFactory* factory(const QUuid& clsid);
    ClassFactory* factory(const QString& nameOrProgId);
    // Creates a control by class name, program id or identifier (text); fails with 429.
    std::unique_ptr<Control> CreateControl(const QString& nameOrId, ControlHost& host);

private:
    ComRuntime();
    std::vector<std::unique_ptr<ClassFactory>> factories_;
    QMap<QUuid, Registration> registrations_;
    bool typeLibraryRegistered_ = false;
};

} // namespace zev
