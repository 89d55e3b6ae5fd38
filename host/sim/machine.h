// The simulated Windows machine behind host/win32.h on native builds: a state
// that tests arrange and inspect, a log of every Win32 call with its
// arguments, and failures that a test can inject into any call.
#ifndef ORVIK_HOST_SIM_MACHINE_H
#define ORVIK_HOST_SIM_MACHINE_H

#include <string>
#include <vector>

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

class Machine {
public:
    VersionState version;

    void Fail(const std::string& op, DWORD error, const std::string& argsContain = std::string());

    // Every call so far, in order, as "Op(arg, arg, ...)".
    const std::vector<std::string>& Calls() const { return calls_; }
    // The calls of one operation only.
    std::vector<std::string> CallsOf(const std::string& op) const;

    // For the implementations of the Win32 calls: logs the call and tells
    // whether it must fail. On failure the last error is already set and
    // `*error` (when given) receives the injected code.
    bool Enter(const char* op, const std::string& args, DWORD* error = nullptr);

    DWORD lastError = 0;

private:
    std::vector<std::string> calls_;
    std::vector<Failure> failures_;
};

// The one machine of the process. Reset() replaces it with a fresh one.
Machine& TheMachine();
void Reset();

// Argument formatting for the call log: a text in double quotes, or NULL.
std::string Quote(const char* text);
std::string Hex(DWORD value);

}  // namespace sim

#endif  // ORVIK_HOST_SIM_MACHINE_H
