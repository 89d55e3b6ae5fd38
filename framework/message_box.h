// The framework's message box, as the installation sequences and the pages
// call it. The Windows framework layer implements it; native builds get the
// simulated machine's, which records every box instead of showing it.
#ifndef ORVIK_FRAMEWORK_MESSAGE_BOX_H
#define ORVIK_FRAMEWORK_MESSAGE_BOX_H

#include "host/win32.h"

// Shows `text` in a modal box captioned with the application's name and
// returns the button that closed it (0 when the box could not be shown).
// `type` takes the MB_ button and icon flags; `helpId` is the help context,
// 0 for none.
int AfxMessageBox(LPCSTR text, UINT type = MB_OK, UINT helpId = 0);

#endif  // ORVIK_FRAMEWORK_MESSAGE_BOX_H
