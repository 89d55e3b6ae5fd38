// The simulated Windows machine behind host/win32.h on native builds: a state
// that tests arrange and inspect, a log of every Win32 call with its
// arguments, and failures that a test can inject into any call.
#ifndef ORVIK_HOST_SIM_MACHINE_H
#define ORVIK_HOST_SIM_MACHINE_H

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "host/sim/files.h"
#include "host/sim/registry.h"
#include "host/sim/serial.h"
#include "host/sim/shell.h"
#include "host/sim/spooler.h"
#include "host/win32.h"

namespace sim {

// What GetVersionExA reports. Windows 95 and NT 4.0 before SP6 refuse the
// 156-byte OSVERSIONINFOEXA and accept only the 148-byte OSVERSIONINFOA.
struct VersionState {
    DWORD platformId = VER_PLATFORM_WIN32_NT;
    DWORD major = 5;
    DWORD minor = 1;
    DWORD build = 2600;
    bool refuseExtended = false;
    bool refuseAll = false;
};

// A failure to inject: every later call of `op` whose logged arguments
// contain `argsContain` (all of them when it is empty) fails with `error`.
struct Failure {
    std::string op;
    std::string argsContain;
    DWORD error;
};

// What a handle given out by the machine stands for.
enum class HandleKind { Printer, Serial, Find, Key };

struct OpenHandle {
    HandleKind kind;
    std::string target;  // printer name, port, found path or key path
    DWORD access;        // registry access mask; 0 for the other kinds
};

// The machine starts as a Windows XP installation: drive C: with the current
// directory C:\ORVIK, the spooler's driver directories for "Windows NT x86"
// and "Windows 4.0", serial ports COM1 to COM4, and an empty registry.
class Machine {
public:
    Machine();

    VersionState version;
    FileSystem files;
    Spooler spooler;
    Registry registry;
    SerialPorts serial;
    std::vector<MessageBoxRecord> messageBoxes;

    // Sets the directory GetPrinterDriverDirectoryA reports for an
    // environment and creates it, unless `path` is empty.
    void SetDriverDirectory(const std::string& environment, const std::string& path);

    void Fail(const std::string& op, DWORD error, const std::string& argsContain = std::string());

    // Every call so far, in order, as "Op(arg, arg, ...)".
    const std::vector<std::string>& Calls() const { return calls_; }
    // The calls of one operation only.
    std::vector<std::string> CallsOf(const std::string& op) const;

    // For the implementations of the Win32 calls: logs the call and tells
    // whether it must fail. On failure the last error is already set and
    // `*error` (when given) receives the injected code.
    bool Enter(const char* op, const std::string& args, DWORD* error = nullptr);

    // Handles of every kind come from one table, so a handle closed by the
    // wrong function, or twice, is caught.
    void* OpenHandleFor(HandleKind kind, const std::string& target, DWORD access = 0);
    const OpenHandle* HandleOf(const void* handle, HandleKind kind) const;
    bool CloseHandleOf(const void* handle, HandleKind kind);
    // The handles still open, as "kind target", for a test's leak check.
    std::vector<std::string> OpenHandles() const;

    DWORD lastError = 0;

private:
    std::vector<std::string> calls_;
    std::vector<Failure> failures_;
    std::map<std::uintptr_t, OpenHandle> handles_;
    std::uintptr_t nextHandle_ = 0x1000;
};

// The one machine of the process. Reset() replaces it with a fresh one.
Machine& TheMachine();
void Reset();

// For a refused call: sets the last error and returns false.
bool Refuse(DWORD error);

// Argument formatting for the call log.
std::string Quote(const char* text);                          // "text", or NULL
std::string Hex(DWORD value);                                  // 0x1F
std::string Dec(std::int64_t value);                           // 31
std::string Handle(const void* handle);                        // 0x1000, or NULL
std::string EscapedBytes(const void* data, std::size_t size);  // "A\x00" in quotes
std::string Args(std::initializer_list<std::string> args);     // joined with ", "

}  // namespace sim

#endif  // ORVIK_HOST_SIM_MACHINE_H
