// The Win32 entry points and types that the core and the installation
// sequences use. On Windows this is the platform's own headers; on other hosts
// it declares the same subset, with Win32's sizes and layouts, for the
// simulated machine in host/sim to implement.
#ifndef ORVIK_HOST_WIN32_H
#define ORVIK_HOST_WIN32_H

#ifdef _WIN32

#include <windows.h>
// Not part of <windows.h> under WIN32_LEAN_AND_MEAN: the spooler and the
// shell's string helpers.
#include <winspool.h>
#include <shlwapi.h>

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
typedef std::intptr_t LONG_PTR;
typedef std::uintptr_t ULONG_PTR;
typedef char CHAR;
typedef CHAR* LPSTR;
typedef const CHAR* LPCSTR;
typedef void* LPVOID;
typedef BYTE* LPBYTE;
typedef DWORD* LPDWORD;
typedef void* HANDLE;
typedef void* PSECURITY_DESCRIPTOR;
struct HKEY__;
typedef HKEY__* HKEY;
typedef HKEY* PHKEY;
typedef DWORD REGSAM;
struct _SECURITY_ATTRIBUTES;
typedef _SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;
struct _devicemodeA;
typedef _devicemodeA* LPDEVMODEA;

#define WINAPI
#define TRUE 1
#define FALSE 0
#define MAX_PATH 260

#define VER_PLATFORM_WIN32s 0
#define VER_PLATFORM_WIN32_WINDOWS 1
#define VER_PLATFORM_WIN32_NT 2

#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_FILE_EXISTS 80L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_INSUFFICIENT_BUFFER 122L
#define ERROR_INVALID_LEVEL 124L
#define ERROR_INVALID_ENVIRONMENT 1005L
#define ERROR_UNKNOWN_PRINTER_DRIVER 1797L
#define ERROR_INVALID_PRINTER_NAME 1801L
#define ERROR_PRINTER_ALREADY_EXISTS 1802L

#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-1)))

// Predefined registry roots: 32-bit values, sign-extended into a pointer.
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(0x80000001u))))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(0x80000002u))))

#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define REG_SZ 1
#define REG_BINARY 3

#define GENERIC_READ 0x80000000u
#define GENERIC_WRITE 0x40000000u
#define OPEN_EXISTING 3
#define FILE_ATTRIBUTE_ARCHIVE 0x00000020

#define PRINTER_ATTRIBUTE_DEFAULT 0x00000004

#define NOPARITY 0
#define ONESTOPBIT 0
#define DTR_CONTROL_ENABLE 0x01
#define RTS_CONTROL_DISABLE 0x00
#define RTS_CONTROL_HANDSHAKE 0x02

#define MB_OK 0x00000000u
#define IDOK 1
#define IDCANCEL 2

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

struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};

struct WIN32_FIND_DATAA {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwReserved0;
    DWORD dwReserved1;
    CHAR cFileName[MAX_PATH];
    CHAR cAlternateFileName[14];
};
typedef WIN32_FIND_DATAA* LPWIN32_FIND_DATAA;

static_assert(sizeof(WIN32_FIND_DATAA) == 320, "WIN32_FIND_DATAA is 320 bytes");

// The serial line's settings. The flags are bit fields of one DWORD, lowest
// bit first, so on a little-endian host fBinary is bit 0 of byte 8 and
// fOutX bit 0 of byte 9, as on Windows.
struct DCB {
    DWORD DCBlength;
    DWORD BaudRate;
    DWORD fBinary : 1;
    DWORD fParity : 1;
    DWORD fOutxCtsFlow : 1;
    DWORD fOutxDsrFlow : 1;
    DWORD fDtrControl : 2;
    DWORD fDsrSensitivity : 1;
    DWORD fTXContinueOnXoff : 1;
    DWORD fOutX : 1;
    DWORD fInX : 1;
    DWORD fErrorChar : 1;
    DWORD fNull : 1;
    DWORD fRtsControl : 2;
    DWORD fAbortOnError : 1;
    DWORD fDummy2 : 17;
    WORD wReserved;
    WORD XonLim;
    WORD XoffLim;
    BYTE ByteSize;
    BYTE Parity;
    BYTE StopBits;
    char XonChar;
    char XoffChar;
    char ErrorChar;
    char EofChar;
    char EvtChar;
    WORD wReserved1;
};
typedef DCB* LPDCB;

static_assert(sizeof(DCB) == 28, "DCB is 28 bytes");

// Spooler records. The spooler only reads through their text pointers.
struct DRIVER_INFO_3A {
    DWORD cVersion;
    LPSTR pName;
    LPSTR pEnvironment;
    LPSTR pDriverPath;
    LPSTR pDataFile;
    LPSTR pConfigFile;
    LPSTR pHelpFile;
    LPSTR pDependentFiles;  // names, each NUL-terminated, closed by an empty one
    LPSTR pMonitorName;
    LPSTR pDefaultDataType;
};

struct PRINTER_INFO_2A {
    LPSTR pServerName;
    LPSTR pPrinterName;
    LPSTR pShareName;
    LPSTR pPortName;
    LPSTR pDriverName;
    LPSTR pComment;
    LPSTR pLocation;
    LPDEVMODEA pDevMode;
    LPSTR pSepFile;
    LPSTR pPrintProcessor;
    LPSTR pDatatype;
    LPSTR pParameters;
    PSECURITY_DESCRIPTOR pSecurityDescriptor;
    DWORD Attributes;
    DWORD Priority;
    DWORD DefaultPriority;
    DWORD StartTime;
    DWORD UntilTime;
    DWORD Status;
    DWORD cJobs;
    DWORD AveragePPM;
};

DWORD WINAPI GetLastError();
void WINAPI SetLastError(DWORD error);
BOOL WINAPI GetVersionExA(LPOSVERSIONINFOA info);

// Files
BOOL WINAPI CopyFileA(LPCSTR existingFile, LPCSTR newFile, BOOL failIfExists);
BOOL WINAPI DeleteFileA(LPCSTR file);
HANDLE WINAPI FindFirstFileA(LPCSTR file, LPWIN32_FIND_DATAA findData);
BOOL WINAPI FindClose(HANDLE find);

// Spooler
BOOL WINAPI GetPrinterDriverDirectoryA(LPSTR server, LPSTR environment, DWORD level,
                                       LPBYTE driverDirectory, DWORD bufferSize, LPDWORD needed);
BOOL WINAPI AddPrinterDriverA(LPSTR server, DWORD level, LPBYTE driverInfo);
HANDLE WINAPI AddPrinterA(LPSTR server, DWORD level, LPBYTE printer);
BOOL WINAPI ClosePrinter(HANDLE printer);

// Registry
LONG WINAPI RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM desired, PHKEY result);
LONG WINAPI RegSetValueExA(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type,
                           const BYTE* data, DWORD dataSize);
LONG WINAPI RegCloseKey(HKEY key);

// Serial port
HANDLE WINAPI CreateFileA(LPCSTR fileName, DWORD desiredAccess, DWORD shareMode,
                          LPSECURITY_ATTRIBUTES security, DWORD creationDisposition,
                          DWORD flagsAndAttributes, HANDLE templateFile);
BOOL WINAPI GetCommState(HANDLE file, LPDCB dcb);
BOOL WINAPI CloseHandle(HANDLE object);

// Shell string helper
int WINAPI StrToIntA(LPCSTR text);

#endif  // _WIN32

#endif  // ORVIK_HOST_WIN32_H
