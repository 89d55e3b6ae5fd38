// The simulated machine's state, call log, handle table and failure injection.
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

const char* KindName(HandleKind kind)
{
    switch (kind) {
    case HandleKind::Printer: return "printer";
    case HandleKind::Serial: return "serial";
    case HandleKind::Find: return "find";
    case HandleKind::Key: return "key";
    }
    return "?";
}
}  // namespace

Machine& TheMachine() { return *Instance(); }

void Reset() { Instance().reset(new Machine); }

Machine::Machine()
{
    SetDriverDirectory("Windows NT x86", "C:\\WINDOWS\\system32\\spool\\drivers\\w32x86");
    SetDriverDirectory("Windows 4.0", "C:\\WINDOWS\\system32\\spool\\drivers\\win40");
}

void Machine::SetDriverDirectory(const std::string& environment, const std::string& path)
{
    spooler.driverDirectories[environment] = path;
    if (!path.empty())
        files.MakeDirectory(path);
}

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

void* Machine::OpenHandleFor(HandleKind kind, const std::string& target, DWORD access)
{
    const std::uintptr_t value = nextHandle_;
    nextHandle_ += 4;
    handles_[value] = OpenHandle{kind, target, access};
    return reinterpret_cast<void*>(value);
}

const OpenHandle* Machine::HandleOf(const void* handle, HandleKind kind) const
{
    const auto it = handles_.find(reinterpret_cast<std::uintptr_t>(handle));
    if (it == handles_.end() || it->second.kind != kind)
        return nullptr;
    return &it->second;
}

bool Machine::CloseHandleOf(const void* handle, HandleKind kind)
{
    if (!HandleOf(handle, kind))
        return false;
    handles_.erase(reinterpret_cast<std::uintptr_t>(handle));
    return true;
}

std::vector<std::string> Machine::OpenHandles() const
{
    std::vector<std::string> out;
    for (const auto& entry : handles_)
        out.push_back(std::string(KindName(entry.second.kind)) + " " + entry.second.target);
    return out;
}

bool Refuse(DWORD error)
{
    TheMachine().lastError = error;
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

std::string Dec(std::int64_t value) { return std::to_string(value); }

std::string Handle(const void* handle)
{
    if (!handle)
        return "NULL";
    char buf[32];
    std::snprintf(buf, sizeof buf, "0x%llX",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(handle)));
    return buf;
}

std::string EscapedBytes(const void* data, std::size_t size)
{
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    std::string out = "\"";
    for (std::size_t i = 0; i < size; ++i) {
        const unsigned char c = bytes[i];
        if (c >= 0x20 && c < 0x7F && c != '"') {
            out += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        }
    }
    return out + "\"";
}

std::string Args(std::initializer_list<std::string> args)
{
    std::string out;
    for (const std::string& arg : args) {
        if (!out.empty())
            out += ", ";
        out += arg;
    }
    return out;
}

}  // namespace sim
