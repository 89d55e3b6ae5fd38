// The simulated registry: keys under HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE
// with their values' types and exact bytes. Key and value names compare
// without regard to letter case.
#ifndef ORVIK_HOST_SIM_REGISTRY_H
#define ORVIK_HOST_SIM_REGISTRY_H

#include <map>
#include <string>

#include "host/win32.h"

namespace sim {

struct RegistryValue {
    std::string name;
    DWORD type = 0;
    std::string data;  // exactly the bytes stored, as many as the caller gave
};

class Registry {
public:
    struct Key {
        std::string path;  // "HKEY_LOCAL_MACHINE\..." in the case it was created with
        std::map<std::string, RegistryValue> values;  // by lower-case name
    };

    // Creates a key and its missing parents under a predefined root.
    void CreateKey(HKEY root, const std::string& path);
    bool HasKey(HKEY root, const std::string& path) const;
    // The value, or null when the key or the value does not exist.
    const RegistryValue* FindValue(HKEY root, const std::string& path, const std::string& name) const;

    // For the Win32 calls. A predefined root's name, or empty for any other
    // key.
    static std::string RootName(HKEY key);
    Key* FindKey(const std::string& fullPath);

private:
    std::map<std::string, Key> keys_;  // by lower-case full path
};

}  // namespace sim

#endif  // ORVIK_HOST_SIM_REGISTRY_H
