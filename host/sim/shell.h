// What the simulated framework's message box records of each box shown.
#ifndef ORVIK_HOST_SIM_SHELL_H
#define ORVIK_HOST_SIM_SHELL_H

#include <string>

#include "host/win32.h"

namespace sim {

struct MessageBoxRecord {
    std::string text;  // the bytes as passed, in the ANSI code page
    UINT type = 0;
    UINT helpId = 0;
};

}  // namespace sim

#endif  // ORVIK_HOST_SIM_SHELL_H
