// System commands: read back (and prepare) what an installation touches:
// the spooler's drivers and printers, the registry, the driver directory's
// files and the serial port's state; and the program's peak working set.
#include "tests/e2e/driver/driver.h"

#include <psapi.h>
#include <winspool.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char* OrEmpty(const char* text) { return text != nullptr ? text : "(null)"; }

HKEY RootOf(const char* name) {
    if (strcmp(name, "HKCU") == 0) return HKEY_CURRENT_USER;
    if (strcmp(name, "HKLM") == 0) return HKEY_LOCAL_MACHINE;
    Out("error unknown root %s", name);
    return nullptr;
}

void Hex(const BYTE* data, DWORD size, char* out, std::size_t outSize) {
    out[0] = '\0';
    for (DWORD i = 0; i < size && 3 * i + 3 < outSize; ++i) snprintf(out + 3 * i, outSize - 3 * i, "%02x ", data[i]);
    const std::size_t length = strlen(out);
    if (length > 0) out[length - 1] = '\0';
}

// "reg ROOT KEY VALUE": the value's type and data, or that it is absent.
void QueryValue(const Words& w) {
    HKEY root = RootOf(w.word[1]), key = nullptr;
    if (root == nullptr) return;
    wchar_t keyName[520], valueName[520];
    ToWide(w.word[2], keyName, 520);
    ToWide(w.word[3], valueName, 520);
    if (RegOpenKeyExW(root, keyName, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) { Out("reg key absent"); return; }
    BYTE data[1026];
    DWORD type = 0, size = sizeof data - 2;
    const LONG status = RegQueryValueExW(key, valueName, nullptr, &type, data, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) { Out("reg %s absent", w.word[3]); return; }
    if (type == REG_SZ) {
        data[size] = data[size + 1] = 0;
        char text[1600];
        ToUtf8(reinterpret_cast<const wchar_t*>(data), text, sizeof text);
        Out("reg %s REG_SZ \"%s\"", w.word[3], text);
    } else {
        char hex[3200];
        Hex(data, size, hex, sizeof hex);
        Out("reg %s type %lu size %lu %s", w.word[3], type, size, hex);
    }
}

// "regset ROOT KEY [VALUE sz|hex DATA]": creates the key, and sets a value.
void SetValue(const Words& w) {
    HKEY root = RootOf(w.word[1]), key = nullptr;
    if (root == nullptr) return;
    wchar_t keyName[520], valueName[520], text[520];
    ToWide(w.word[2], keyName, 520);
    if (RegCreateKeyExW(root, keyName, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        Out("error regset create %s", w.word[2]);
        return;
    }
    LONG status = ERROR_SUCCESS;
    if (w.count == 6) {
        ToWide(w.word[3], valueName, 520);
        if (strcmp(w.word[4], "sz") == 0) {
            ToWide(w.word[5], text, 520);
            status = RegSetValueExW(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                    static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
        } else {
            BYTE data[256];
            DWORD size = 0;
            for (const char* p = w.word[5]; p[0] != '\0' && p[1] != '\0' && size < sizeof data; p += 2) {
                const char pair[3] = {p[0], p[1], '\0'};
                data[size++] = static_cast<BYTE>(strtoul(pair, nullptr, 16));
            }
            status = RegSetValueExW(key, valueName, 0, REG_BINARY, data, size);
        }
    }
    if (status != ERROR_SUCCESS) Out("error regset %s %ld", w.word[3], status);
    RegCloseKey(key);
}

void PrintDriver(const char* environment, const char* name) {
    DWORD needed = 0, count = 0;
    EnumPrinterDriversA(nullptr, const_cast<char*>(environment), 3, nullptr, 0, &needed, &count);
    BYTE* buffer = static_cast<BYTE*>(calloc(needed + 1, 1));
    if (buffer == nullptr || !EnumPrinterDriversA(nullptr, const_cast<char*>(environment), 3, buffer, needed, &needed, &count)) count = 0;
    const DRIVER_INFO_3A* drivers = reinterpret_cast<const DRIVER_INFO_3A*>(buffer);
    bool found = false;
    for (DWORD i = 0; i < count; ++i) {
        const DRIVER_INFO_3A& d = drivers[i];
        if (strcmp(OrEmpty(d.pName), name) != 0) continue;
        found = true;
        Out("driver %s version %lu environment \"%s\"", d.pName, d.cVersion, OrEmpty(d.pEnvironment));
        Out("  driver path %s", OrEmpty(d.pDriverPath));
        Out("  data file %s", OrEmpty(d.pDataFile));
        Out("  config file %s", OrEmpty(d.pConfigFile));
        Out("  help file %s", OrEmpty(d.pHelpFile));
        for (const char* p = d.pDependentFiles; p != nullptr && *p != '\0'; p += strlen(p) + 1) Out("  dependent file %s", p);
        Out("  monitor \"%s\" default datatype \"%s\"", OrEmpty(d.pMonitorName), OrEmpty(d.pDefaultDataType));
    }
    if (!found) Out("driver %s absent", name);
    free(buffer);
}

void PrintPrinters() {
    DWORD needed = 0, count = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
    BYTE* buffer = static_cast<BYTE*>(calloc(needed + 1, 1));
    if (buffer == nullptr || !EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer, needed, &needed, &count)) count = 0;
    const PRINTER_INFO_2A* printers = reinterpret_cast<const PRINTER_INFO_2A*>(buffer);
    for (DWORD i = 0; i < count; ++i) {
        const PRINTER_INFO_2A& p = printers[i];
        Out("printer %s port %s driver %s processor %s datatype %s", OrEmpty(p.pPrinterName), OrEmpty(p.pPortName),
            OrEmpty(p.pDriverName), OrEmpty(p.pPrintProcessor), OrEmpty(p.pDatatype));
    }
    if (count == 0) Out("printers none");
    free(buffer);
}

void ListFolder(const char* folder) {
    char pattern[MAX_PATH];
    snprintf(pattern, sizeof pattern, "%s\\*", folder);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE) { Out("ls absent"); return; }
    // Collected and sorted, so the transcript does not follow the disk's order.
    static char lines[256][400];
    int count = 0;
    do {
        if (strcmp(found.cFileName, ".") == 0 || strcmp(found.cFileName, "..") == 0 || count == 256) continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            snprintf(lines[count++], sizeof lines[0], "dir %s", found.cFileName);
            continue;
        }
        char path[MAX_PATH], head[64] = "";
        snprintf(path, sizeof path, "%s\\%s", folder, found.cFileName);
        if (FILE* file = fopen(path, "rb")) {
            const std::size_t got = fread(head, 1, sizeof head - 1, file);
            head[got] = '\0';
            fclose(file);
            // The first line of a text file; nothing of a binary one.
            std::size_t end = 0;
            while (end < got && head[end] >= 0x20 && head[end] <= 0x7E) ++end;
            const bool text = end == got || head[end] == '\n' || head[end] == '\r';
            head[text ? end : 0] = '\0';
        }
        snprintf(lines[count++], sizeof lines[0], "file %s %lu \"%s\"", found.cFileName, found.nFileSizeLow, head);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    qsort(lines, count, sizeof lines[0], [](const void* a, const void* b) {
        return strcmp(static_cast<const char*>(a), static_cast<const char*>(b));
    });
    for (int i = 0; i < count; ++i) Out("%s", lines[i]);
    if (count == 0) Out("ls empty");
}

void PrintCommState(const char* port) {
    HANDLE handle = CreateFileA(port, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) { Out("commstate open failed %lu", GetLastError()); return; }
    DCB dcb;
    ZeroMemory(&dcb, sizeof dcb);
    dcb.DCBlength = sizeof dcb;
    if (GetCommState(handle, &dcb)) {
        char hex[128];
        Hex(reinterpret_cast<const BYTE*>(&dcb), sizeof dcb, hex, sizeof hex);
        Out("commstate %s", hex);
    } else {
        Out("commstate read failed %lu", GetLastError());
    }
    CloseHandle(handle);
}

}  // namespace

bool RunSystemCommand(Target& target, const Words& w) {
    const char* name = w.word[0];
    if (strcmp(name, "reg") == 0 && w.count == 4) {
        QueryValue(w);
    } else if (strcmp(name, "regset") == 0 && (w.count == 3 || w.count == 6)) {
        SetValue(w);
    } else if (strcmp(name, "driver") == 0 && w.count == 3) {
        PrintDriver(w.word[2], w.word[1]);
    } else if (strcmp(name, "printers") == 0) {
        PrintPrinters();
    } else if (strcmp(name, "default") == 0) {
        char printer[256];
        DWORD size = sizeof printer;
        if (GetDefaultPrinterA(printer, &size)) Out("default %s", printer); else Out("default none");
    } else if (strcmp(name, "drvdir") == 0 && w.count == 2) {
        char folder[MAX_PATH] = "";
        DWORD needed = 0;
        GetPrinterDriverDirectoryA(nullptr, strcmp(w.word[1], "-") == 0 ? nullptr : const_cast<char*>(w.word[1]), 1,
                                   reinterpret_cast<BYTE*>(folder), sizeof folder, &needed);
        Out("drvdir %s", folder);
    } else if (strcmp(name, "ls") == 0 && w.count == 2) {
        ListFolder(w.word[1]);
    } else if (strcmp(name, "copy") == 0 && w.count == 3) {
        // The benchmark's floor: a plain copy, as the installation stages files.
        if (!CopyFileA(w.word[1], w.word[2], FALSE)) Out("error copy %s %lu", w.word[1], GetLastError());
    } else if (strcmp(name, "commstate") == 0 && w.count == 2) {
        PrintCommState(w.word[1]);
    } else if (strcmp(name, "peakmem") == 0) {
        PROCESS_MEMORY_COUNTERS counters;
        ZeroMemory(&counters, sizeof counters);
        counters.cb = sizeof counters;
        if (target.started && GetProcessMemoryInfo(target.process.hProcess, &counters, sizeof counters))
            Out("peakmem %lu KiB", static_cast<unsigned long>(counters.PeakWorkingSetSize / 1024));
        else
            Out("peakmem unknown");
    } else if (strcmp(name, "shot") == 0 && w.count == 2) {
        SaveWindowPicture(target, w.word[1]);
    } else {
        return false;
    }
    return true;
}
