// Installation on Windows 95, 98 and Me.
#include "install/install.h"

void InstallOnWin9x(const InstallChoices&) {}
