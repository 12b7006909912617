#include "library/ComRuntime.h"

#include "framework/Control.h"
#include "framework/ControlError.h"

namespace zev {

QUuid InterfaceId::IUnknown() { return QUuid::fromString(QLatin1String("{00000000-0000-0000-C000-000000000046}")); }
QUuid InterfaceId::IClassFactory()
{
    return QUuid::fromString(QLatin1String("{00000001-0000-0000-C000-000000000046}"));
}

ComRuntime& ComRuntime::instance()
{
    static ComRuntime runtime;
    return runtime;
}

ComRuntime::ComRuntime()
{
    for (const auto& c : LibraryIdentity::Classes())
        factories_.push_back(std::make_unique<ClassFactory>(c));
}

qint32 ComRuntime::RegisterServer()
{
    typeLibraryRegistered_ = true;
    const QString version = QStringLiteral("%1.%2")
                                .arg(LibraryIdentity::TypeLibraryMajor)
                                .arg(LibraryIdentity::TypeLibraryMinor);
    for (const auto& c : LibraryIdentity::Classes()) {
        // Keyed by class identifier: registering again replaces, never duplicates.
        registrations_.insert(c.clsid, Registration{c.clsid, LibraryIdentity::Name() + QLatin1Char('.') + c.name,
                                                    c.name, LibraryIdentity::LibraryId(), version,
                                                    c.toolboxImage, c.statusFlags});
    }
    return HResult::Ok;
}

qint32 ComRuntime::UnregisterServer()
{
    // Removing what is not there is no error.
    registrations_.clear();
    typeLibraryRegistered_ = false;
    return HResult::Ok;
}

qint32 ComRuntime::GetClassObject(const QUuid& clsid, const QUuid& iid, void** object)
{
    if (!object)
        return HResult::Pointer;
    *object = nullptr;
    ClassFactory* f = factory(clsid);
    if (!f || !f->available())
        return HResult::ClassNotAvailable;
    if (iid != InterfaceId::IClassFactory() && iid != InterfaceId::IUnknown())
        return HResult::NoInterface;
    *object = f;
    return HResult::Ok;
}

qint32 ComRuntime::CanUnloadNow() const
{
    return Control::liveObjects() == 0 && ClassFactory::locks() == 0 ? HResult::Ok : HResult::False;
}

ClassFactory* ComRuntime::factory(const QUuid& clsid)
{
    for (auto& f : factories_)
        if (f->identity().clsid == clsid)
            return f.get();
    return nullptr;
}

ClassFactory* ComRuntime::factory(const QString& nameOrProgId)
{
    const QString prefix = LibraryIdentity::Name() + QLatin1Char('.');
    const QString name = nameOrProgId.startsWith(prefix) ? nameOrProgId.mid(prefix.size()) : nameOrProgId;
    for (auto& f : factories_)
        if (f->identity().name == name)
            return f.get();
    const QUuid id = QUuid::fromString(nameOrProgId);
    return id.isNull() ? nullptr : factory(id);
}

std::unique_ptr<Control> ComRuntime::CreateControl(const QString& nameOrId, ControlHost& host)
{
    ClassFactory* f = factory(nameOrId);
    if (!f)
        throw ControlError(429, QStringLiteral("no class %1 in this library").arg(nameOrId));
    return f->CreateInstance(host);
}

} // namespace zev
