// The registry error message, held as the GBK bytes the ANSI message box
// shows on a Chinese (PRC) system.
#include "install/registry_message.h"

#include "framework/message_box.h"

// "错误：无法设置有关的注册表信息": the related registry information cannot
// be set.
const char kRegistryErrorMessage[] =
    "\xB4\xED\xCE\xF3\xA3\xBA\xCE\xDE\xB7\xA8\xC9\xE8\xD6\xC3\xD3\xD0"
    "\xB9\xD8\xB5\xC4\xD7\xA2\xB2\xE1\xB1\xED\xD0\xC5\xCF\xA2";

void ShowRegistryError() { AfxMessageBox(kRegistryErrorMessage, MB_OK, 0); }
