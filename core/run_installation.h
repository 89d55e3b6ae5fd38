// Dispatch from the Windows class to the installation sequence of its family.
#ifndef ORVIK_CORE_RUN_INSTALLATION_H
#define ORVIK_CORE_RUN_INSTALLATION_H

#include <cstdint>

#include "core/catalogue.h"

typedef void (*InstallationSequence)(const InstallChoices& choices);

// The sequence for a class: InstallOnWin9x for 1 and 2, InstallOnNt for 3 to
// 8, none (null) for 0 and every value outside 1 to 8.
InstallationSequence SelectInstallation(std::int32_t osClass);

// Runs the class's sequence to its end, or nothing. Reports no outcome.
void RunInstallation(std::int32_t osClass, const InstallChoices& choices);

#endif  // ORVIK_CORE_RUN_INSTALLATION_H
