// Helpers the two installation sequences share: the driver directory query
// and bounded formatting of paths and texts.
#ifndef ORVIK_INSTALL_INSTALL_COMMON_H
#define ORVIK_INSTALL_INSTALL_COMMON_H

#include <cstddef>

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

#endif  // ORVIK_INSTALL_INSTALL_COMMON_H
