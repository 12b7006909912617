#include "library/EntryPoints.h"

#include "framework/frmAbout.h"
#include "library/ComRuntime.h"

namespace {
QUuid toUuid(const ZevGuid& g)
{
    return QUuid(g.Data1, g.Data2, g.Data3, g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4],
                 g.Data4[5], g.Data4[6], g.Data4[7]);
}
} // namespace

extern "C" {

int32_t DllMain(void*, uint32_t reason, void*)
{
    if (reason == ZEV_PROCESS_DETACH)
        zev::frmAbout::Unload();
    return 1;
}

int32_t DllRegisterServer(void) { return zev::ComRuntime::instance().RegisterServer(); }

int32_t DllUnregisterServer(void) { return zev::ComRuntime::instance().UnregisterServer(); }

int32_t DllGetClassObject(const ZevGuid* clsid, const ZevGuid* iid, void** object)
{
    if (!clsid || !iid)
        return zev::HResult::Pointer;
    return zev::ComRuntime::instance().GetClassObject(toUuid(*clsid), toUuid(*iid), object);
}

int32_t DllCanUnloadNow(void) { return zev::ComRuntime::instance().CanUnloadNow(); }
}
