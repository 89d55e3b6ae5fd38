// The simulated machine's state, call log and failure injection.
#include "host/sim/machine.h"

#include <cstdio>
#include <memory>

namespace sim {

namespace {
std::unique_ptr<Machine>& Instance()
{
    static std::unique_ptr<Machine> machine(new Machine);
    return machine;
}
}  // namespace

Machine& TheMachine() { return *Instance(); }

void Reset() { Instance().reset(new Machine); }

void Machine::Fail(const std::string& op, DWORD error, const std::string& argsContain)
{
    failures_.push_back(Failure{op, argsContain, error});
}

std::vector<std::string> Machine::CallsOf(const std::string& op) const
{
    std::vector<std::string> out;
    const std::string prefix = op + "(";
    for (const std::string& call : calls_)
        if (call.compare(0, prefix.size(), prefix) == 0)
            out.push_back(call);
    return out;
}

bool Machine::Enter(const char* op, const std::string& args, DWORD* error)
{
    calls_.push_back(std::string(op) + "(" + args + ")");
    for (const Failure& f : failures_) {
        if (f.op == op && args.find(f.argsContain) != std::string::npos) {
            lastError = f.error;
            if (error)
                *error = f.error;
            return true;
        }
    }
    return false;
}

std::string Quote(const char* text)
{
    return text ? "\"" + std::string(text) + "\"" : std::string("NULL");
}

std::string Hex(DWORD value)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%X", static_cast<unsigned>(value));
    return buf;
}

}  // namespace sim
