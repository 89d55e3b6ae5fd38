// Helpers the two installation sequences share: the driver directory query,
// bounded formatting of paths and texts, and the printer's creation.
#ifndef ORVIK_INSTALL_INSTALL_COMMON_H
#define ORVIK_INSTALL_INSTALL_COMMON_H

#include <cstddef>

#include "core/catalogue.h"
#include "host/win32.h"

// The driver directory's buffer: 255 bytes with the terminating NUL.
enum { kDriverDirectorySize = 255 };

// Zero-fills `directory` and asks the local spooler for the driver directory
// of `environment` (null: the running one). True when the directory is
// known: the query succeeded and left a non-empty, terminated path. Without
// it every staged path would name the root of the current drive, so the
// callers then stage and delete nothing.
bool QueryDriverDirectory(LPSTR environment, char (&directory)[kDriverDirectorySize]);

// snprintf into `buffer`, checked: false, with an empty buffer, when the
// text would not fit. A path that does not fit is never used cut short.
bool FormatText(char* buffer, std::size_t size, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// The spooler's records take non-const text pointers but only read them.
inline LPSTR SpoolerText(const char* text) { return const_cast<LPSTR>(text); }

// Creates the module's printer on `port`: local, unshared, its driver named
// like the printer, WinPrint and RAW, no device mode, the given attributes.
// The handle, or null when the spooler refuses.
HANDLE AddModulePrinter(const ModuleEntry& module, const char* port, DWORD attributes);

#endif  // ORVIK_INSTALL_INSTALL_COMMON_H
