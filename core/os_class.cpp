// Classification of the running Windows version into OsClass.
#include "core/os_class.h"

#include <cstring>

#include "host/win32.h"

std::int32_t OsClass = 0;

void ClassifyOperatingSystem()
{
    OSVERSIONINFOEXA info;
    std::memset(&info, 0, sizeof info);
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
    LPOSVERSIONINFOA query = reinterpret_cast<LPOSVERSIONINFOA>(&info);
    if (!GetVersionExA(query)) {
        // Windows 95 and NT 4.0 before SP6 know only the 148-byte record.
        // A refused call writes nothing, so the record is not cleared again.
        info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
        if (!GetVersionExA(query))
            return;
    }

    const DWORD major = info.dwMajorVersion;
    const DWORD minor = info.dwMinorVersion;
    switch (info.dwPlatformId) {
    case VER_PLATFORM_WIN32_WINDOWS:
        if (major == 4 && minor == 0)
            OsClass = 1;
        else if (major == 4 && (minor == 10 || minor == 90))
            OsClass = 2;
        break;
    case VER_PLATFORM_WIN32_NT:
        if (major <= 4)
            OsClass = 3;
        else if (major == 5 && minor == 0)
            OsClass = 4;
        else if (major == 5 && minor == 1)
            OsClass = 5;
        else if (major == 5 && minor == 2)
            OsClass = 6;
        else if (major == 6 && minor == 0)
            OsClass = 7;
        else if (major == 6 && minor == 1)
            OsClass = 8;
        break;
    default:
        // Win32s and any platform this program does not know are installed
        // like Windows 2000.
        OsClass = 4;
        break;
    }
}
