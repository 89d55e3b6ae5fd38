// Simulated shell string helper StrToIntA and the framework's AfxMessageBox,
// which records the box and answers as if the user pressed OK.
#include "host/sim/shell.h"

#include <cstring>

#include "framework/message_box.h"
#include "host/sim/machine.h"

// Optional white space, an optional sign, then decimal digits up to the
// first other character; 0 when no digit follows. Overflow wraps as on the
// 32-bit original.
int WINAPI StrToIntA(LPCSTR text)
{
    sim::Machine& m = sim::TheMachine();
    if (m.Enter("StrToIntA", sim::Quote(text)) || !text)
        return 0;
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    bool negative = false;
    if (*p == '-' || *p == '+')
        negative = *p++ == '-';
    std::uint32_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        value = value * 10u + static_cast<std::uint32_t>(*p - '0');
    if (negative)
        value = 0u - value;
    return static_cast<std::int32_t>(value);
}

int AfxMessageBox(LPCSTR text, UINT type, UINT helpId)
{
    sim::Machine& m = sim::TheMachine();
    const std::size_t length = text ? std::strlen(text) : 0;
    if (m.Enter("AfxMessageBox", sim::Args({text ? sim::EscapedBytes(text, length) : "NULL",
                                             sim::Hex(type), sim::Dec(helpId)})))
        return 0;
    m.messageBoxes.push_back(sim::MessageBoxRecord{text ? std::string(text, length) : "", type, helpId});
    return IDOK;
}
