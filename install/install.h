// The two installation sequences. Each takes the page's choices, runs to its
// end on the calling thread and reports nothing but registry failures, which
// it shows to the user itself.
#ifndef ORVIK_INSTALL_INSTALL_H
#define ORVIK_INSTALL_INSTALL_H

#include "core/catalogue.h"

// Windows NT 4.0 to Windows 7: a version-3 Unidrv minidriver from "win2k".
void InstallOnNt(const InstallChoices& choices);

// Windows 95, 98 and Me: the 9x driver file and Unidrv from the current folder.
void InstallOnWin9x(const InstallChoices& choices);

#endif  // ORVIK_INSTALL_INSTALL_H
