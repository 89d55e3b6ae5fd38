// The driver directory query, checked formatting and printer creation of
// the two sequences.
#include "install/install_common.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

bool QueryDriverDirectory(LPSTR environment, char (&directory)[kDriverDirectorySize])
{
    std::memset(directory, 0, sizeof directory);
    DWORD needed = 0;
    const BOOL ok = GetPrinterDriverDirectoryA(nullptr, environment, 1,
                                               reinterpret_cast<LPBYTE>(directory),
                                               sizeof directory, &needed);
    return ok && directory[0] != '\0' && std::memchr(directory, '\0', sizeof directory) != nullptr;
}

// The C runtime of older Windows returns -1, or the full size without a
// terminating NUL, when the text does not fit; both are refused here. On
// Windows this is the C runtime DLL's own _vsnprintf: the C99 vsnprintf of
// mingw-w64 would pull in locale and wide-character imports that Windows 95
// lacks.
bool FormatText(char* buffer, std::size_t size, const char* format, ...)
{
    va_list args;
    va_start(args, format);
#ifdef _WIN32
    const int length = _vsnprintf(buffer, size, format, args);
#else
    const int length = std::vsnprintf(buffer, size, format, args);
#endif
    va_end(args);
    if (length < 0 || static_cast<std::size_t>(length) >= size) {
        if (size)
            buffer[0] = '\0';
        return false;
    }
    return true;
}

HANDLE AddModulePrinter(const ModuleEntry& module, const char* port, DWORD attributes)
{
    PRINTER_INFO_2A printer;
    std::memset(&printer, 0, sizeof printer);
    printer.pPrinterName = SpoolerText(module.printerName);
    printer.pPortName = SpoolerText(port);
    printer.pDriverName = SpoolerText(module.printerName);
    printer.pPrintProcessor = SpoolerText("WinPrint");
    printer.pDatatype = SpoolerText("RAW");
    printer.Attributes = attributes;
    return AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&printer));
}
