// Simulated registry calls: RegOpenKeyExA (existing keys only, never
// creating one), RegSetValueExA and RegCloseKey.
#include "host/sim/registry.h"

#include <cstdio>

#include "host/sim/machine.h"

namespace sim {

std::string Registry::RootName(HKEY key)
{
    if (key == HKEY_CURRENT_USER)
        return "HKEY_CURRENT_USER";
    if (key == HKEY_LOCAL_MACHINE)
        return "HKEY_LOCAL_MACHINE";
    return std::string();
}

void Registry::CreateKey(HKEY root, const std::string& path)
{
    std::string full = RootName(root);
    std::string::size_type start = 0;
    while (start <= path.size()) {
        std::string::size_type end = path.find('\\', start);
        if (end == std::string::npos)
            end = path.size();
        full += "\\" + path.substr(start, end - start);
        Key& key = keys_[Lower(full)];
        if (key.path.empty())
            key.path = full;
        start = end + 1;
    }
}

bool Registry::HasKey(HKEY root, const std::string& path) const
{
    return keys_.count(Lower(RootName(root) + "\\" + path)) != 0;
}

const RegistryValue* Registry::FindValue(HKEY root, const std::string& path,
                                         const std::string& name) const
{
    const auto key = keys_.find(Lower(RootName(root) + "\\" + path));
    if (key == keys_.end())
        return nullptr;
    const auto value = key->second.values.find(Lower(name));
    return value == key->second.values.end() ? nullptr : &value->second;
}

Registry::Key* Registry::FindKey(const std::string& fullPath)
{
    const auto it = keys_.find(Lower(fullPath));
    return it == keys_.end() ? nullptr : &it->second;
}

}  // namespace sim

namespace {

std::string KeyName(HKEY key)
{
    const std::string root = sim::Registry::RootName(key);
    return root.empty() ? sim::Handle(key) : root;
}

// Texts are logged as escaped text, everything else as hex bytes.
std::string DataText(DWORD type, const BYTE* data, DWORD size)
{
    if (!data)
        return "NULL";
    if (type == REG_SZ)
        return sim::EscapedBytes(data, size);
    std::string out;
    for (DWORD i = 0; i < size; ++i) {
        char buf[4];
        std::snprintf(buf, sizeof buf, i ? " %02X" : "%02X", data[i]);
        out += buf;
    }
    return "{" + out + "}";
}

}  // namespace

LONG WINAPI RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM desired, PHKEY result)
{
    sim::Machine& m = sim::TheMachine();
    if (result)
        *result = nullptr;
    DWORD error = 0;
    if (m.Enter("RegOpenKeyExA",
                sim::Args({KeyName(key), sim::Quote(subKey), sim::Dec(options), sim::Hex(desired)}),
                &error))
        return static_cast<LONG>(error);
    if (!result)
        return ERROR_INVALID_PARAMETER;
    std::string base = sim::Registry::RootName(key);
    if (base.empty()) {
        const sim::OpenHandle* parent = m.HandleOf(key, sim::HandleKind::Key);
        if (!parent)
            return ERROR_INVALID_HANDLE;
        base = parent->target;
    }
    const sim::Registry::Key* found =
        m.registry.FindKey(subKey && *subKey ? base + "\\" + subKey : base);
    if (!found)
        return ERROR_FILE_NOT_FOUND;
    *result = static_cast<HKEY>(m.OpenHandleFor(sim::HandleKind::Key, found->path, desired));
    return ERROR_SUCCESS;
}

LONG WINAPI RegSetValueExA(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type,
                           const BYTE* data, DWORD dataSize)
{
    sim::Machine& m = sim::TheMachine();
    DWORD error = 0;
    if (m.Enter("RegSetValueExA",
                sim::Args({KeyName(key), sim::Quote(valueName), sim::Dec(reserved), sim::Dec(type),
                           DataText(type, data, dataSize), sim::Dec(dataSize)}),
                &error))
        return static_cast<LONG>(error);
    const sim::OpenHandle* open = m.HandleOf(key, sim::HandleKind::Key);
    if (!open)
        return ERROR_INVALID_HANDLE;
    if (!(open->access & KEY_SET_VALUE))
        return ERROR_ACCESS_DENIED;
    if (reserved != 0 || (!data && dataSize != 0))
        return ERROR_INVALID_PARAMETER;
    sim::Registry::Key* target = m.registry.FindKey(open->target);
    if (!target)
        return ERROR_INVALID_HANDLE;
    const std::string name = valueName ? valueName : "";
    sim::RegistryValue& value = target->values[sim::Lower(name)];
    value.name = name;
    value.type = type;
    value.data = data ? std::string(reinterpret_cast<const char*>(data), dataSize) : std::string();
    return ERROR_SUCCESS;
}

LONG WINAPI RegCloseKey(HKEY key)
{
    sim::Machine& m = sim::TheMachine();
    DWORD error = 0;
    if (m.Enter("RegCloseKey", KeyName(key), &error))
        return static_cast<LONG>(error);
    if (!m.CloseHandleOf(key, sim::HandleKind::Key))
        return ERROR_INVALID_HANDLE;
    return ERROR_SUCCESS;
}
