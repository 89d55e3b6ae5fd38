// Simulated version query and last-error value.
#include <cstring>
#include <string>

#include "host/sim/machine.h"

DWORD WINAPI GetLastError() { return sim::TheMachine().lastError; }

void WINAPI SetLastError(DWORD error) { sim::TheMachine().lastError = error; }

// Accepts the 148- and 156-byte records, as Windows does; a machine that
// refuses the extended record fails the 156-byte call with
// ERROR_INSUFFICIENT_BUFFER and writes nothing. Only the bytes the size
// field announces are written.
BOOL WINAPI GetVersionExA(LPOSVERSIONINFOA info)
{
    sim::Machine& m = sim::TheMachine();
    const DWORD size = info->dwOSVersionInfoSize;
    if (m.Enter("GetVersionExA", "size=" + std::to_string(size)))
        return FALSE;
    const sim::VersionState& v = m.version;
    const bool known = size == sizeof(OSVERSIONINFOA) || size == sizeof(OSVERSIONINFOEXA);
    if (!known || v.refuseAll || (size == sizeof(OSVERSIONINFOEXA) && v.refuseExtended)) {
        m.lastError = ERROR_INSUFFICIENT_BUFFER;
        return FALSE;
    }
    info->dwMajorVersion = v.major;
    info->dwMinorVersion = v.minor;
    info->dwBuildNumber = v.build;
    info->dwPlatformId = v.platformId;
    std::memset(info->szCSDVersion, 0, sizeof info->szCSDVersion);
    if (size == sizeof(OSVERSIONINFOEXA)) {
        OSVERSIONINFOEXA* ex = reinterpret_cast<OSVERSIONINFOEXA*>(info);
        ex->wServicePackMajor = 0;
        ex->wServicePackMinor = 0;
        ex->wSuiteMask = 0;
        ex->wProductType = 1;
        ex->wReserved = 0;
    }
    return TRUE;
}
