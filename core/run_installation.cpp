// The dispatch table from OsClass to an installation sequence.
#include "core/run_installation.h"

#include "install/install.h"

namespace {
// Indexed by OsClass; row 0 (not recognised) installs nothing.
const InstallationSequence kSequenceByClass[] = {
    nullptr,         // 0 not recognised
    InstallOnWin9x,  // 1 Windows 95
    InstallOnWin9x,  // 2 Windows 98, Me
    InstallOnNt,     // 3 NT 4.0 and earlier
    InstallOnNt,     // 4 Windows 2000 and unknown platforms
    InstallOnNt,     // 5 XP
    InstallOnNt,     // 6 Server 2003
    InstallOnNt,     // 7 Vista
    InstallOnNt,     // 8 Windows 7
};
const std::int32_t kClassCount = sizeof kSequenceByClass / sizeof kSequenceByClass[0];
}  // namespace

InstallationSequence SelectInstallation(std::int32_t osClass)
{
    if (osClass < 0 || osClass >= kClassCount)
        return nullptr;
    return kSequenceByClass[osClass];
}

void RunInstallation(std::int32_t osClass, const InstallChoices& choices)
{
    if (InstallationSequence sequence = SelectInstallation(osClass))
        sequence(choices);
}
