#pragma once

#include <cstdint>

// The library's entry points, with the container's calling shapes.
extern "C" {

struct ZevGuid {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};

enum : uint32_t { ZEV_PROCESS_DETACH = 0, ZEV_PROCESS_ATTACH = 1 };

// Attach and detach: returns 1 on success.
int32_t DllMain(void* instance, uint32_t reason, void* reserved);
int32_t DllRegisterServer(void);
int32_t DllUnregisterServer(void);
// On success *object is the class factory (zev::ClassFactory*) of the class.
int32_t DllGetClassObject(const ZevGuid* clsid, const ZevGuid* iid, void** object);
int32_t DllCanUnloadNow(void);
}
