// The Win32 entry points and types that the core and the installation
// sequences use. On Windows this is the platform's own headers; on other hosts
// it declares the same subset, with Win32's sizes and layouts, for the
// simulated machine in host/sim to implement.
#ifndef ORVIK_HOST_WIN32_H
#define ORVIK_HOST_WIN32_H

#ifdef _WIN32

#include <windows.h>

#else  // native host: the simulated machine

#include <cstdint>

// Win32's integer types are fixed-width: `long` is 64-bit on Linux and must
// never stand for LONG or DWORD here.
typedef std::uint8_t BYTE;
typedef std::uint16_t WORD;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef std::int32_t BOOL;
typedef std::uint32_t UINT;
typedef char CHAR;
typedef CHAR* LPSTR;
typedef const CHAR* LPCSTR;
typedef void* LPVOID;
typedef DWORD* LPDWORD;

#define WINAPI
#define TRUE 1
#define FALSE 0

#define VER_PLATFORM_WIN32s 0
#define VER_PLATFORM_WIN32_WINDOWS 1
#define VER_PLATFORM_WIN32_NT 2

#define ERROR_SUCCESS 0L
#define ERROR_INSUFFICIENT_BUFFER 122L

struct OSVERSIONINFOA {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    CHAR szCSDVersion[128];
};
typedef OSVERSIONINFOA* LPOSVERSIONINFOA;

struct OSVERSIONINFOEXA {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    CHAR szCSDVersion[128];
    WORD wServicePackMajor;
    WORD wServicePackMinor;
    WORD wSuiteMask;
    BYTE wProductType;
    BYTE wReserved;
};

static_assert(sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFOA is 148 bytes");
static_assert(sizeof(OSVERSIONINFOEXA) == 156, "OSVERSIONINFOEXA is 156 bytes");

DWORD WINAPI GetLastError();
void WINAPI SetLastError(DWORD error);
BOOL WINAPI GetVersionExA(LPOSVERSIONINFOA info);

#endif  // _WIN32

#endif  // ORVIK_HOST_WIN32_H
