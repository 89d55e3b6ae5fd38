// Installation on the NT family.
#include "install/install.h"

void InstallOnNt(const InstallChoices&) {}
