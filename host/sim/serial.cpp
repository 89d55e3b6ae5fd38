// Simulated serial-port calls: CreateFileA on a COM device, GetCommState and
// CloseHandle.
#include "host/sim/serial.h"

#include <cstring>

#include "host/sim/machine.h"

namespace sim {

DcbBytes ToBytes(const DCB& dcb)
{
    DcbBytes bytes;
    std::memcpy(bytes.data(), &dcb, bytes.size());
    return bytes;
}

DCB FromBytes(const DcbBytes& bytes)
{
    DCB dcb;
    std::memcpy(&dcb, bytes.data(), sizeof dcb);
    return dcb;
}

SerialPorts::SerialPorts()
{
    DCB dcb;
    std::memset(&dcb, 0, sizeof dcb);
    dcb.DCBlength = sizeof dcb;
    dcb.BaudRate = 9600;
    dcb.fBinary = 1;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = 1;
    dcb.XonLim = 2048;
    dcb.XoffLim = 512;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.XonChar = 0x11;
    dcb.XoffChar = 0x13;
    for (const char* name : {"COM1", "COM2", "COM3", "COM4"})
        ports[name].state = ToBytes(dcb);
}

SerialPort* SerialPorts::Find(const std::string& name)
{
    std::string upper = name;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    const auto it = ports.find(upper);
    return it == ports.end() ? nullptr : &it->second;
}

}  // namespace sim

// Opens serial devices only; any other name is refused as not found. Share
// mode 0 asks for exclusive use, so a port that is open already is refused.
HANDLE WINAPI CreateFileA(LPCSTR fileName, DWORD desiredAccess, DWORD shareMode,
                          LPSECURITY_ATTRIBUTES security, DWORD creationDisposition,
                          DWORD flagsAndAttributes, HANDLE templateFile)
{
    sim::Machine& m = sim::TheMachine();
    if (m.Enter("CreateFileA",
                sim::Args({sim::Quote(fileName), sim::Hex(desiredAccess), sim::Dec(shareMode),
                           sim::Handle(security), sim::Dec(creationDisposition),
                           sim::Hex(flagsAndAttributes), sim::Handle(templateFile)})))
        return INVALID_HANDLE_VALUE;
    sim::SerialPort* port = fileName ? m.serial.Find(fileName) : nullptr;
    if (!port || creationDisposition != OPEN_EXISTING) {
        sim::Refuse(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    if (port->open) {
        sim::Refuse(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    port->open = true;
    return m.OpenHandleFor(sim::HandleKind::Serial, fileName);
}

BOOL WINAPI GetCommState(HANDLE file, LPDCB dcb)
{
    sim::Machine& m = sim::TheMachine();
    if (m.Enter("GetCommState", sim::Handle(file)))
        return FALSE;
    const sim::OpenHandle* open = m.HandleOf(file, sim::HandleKind::Serial);
    sim::SerialPort* port = open ? m.serial.Find(open->target) : nullptr;
    if (!port)
        return sim::Refuse(ERROR_INVALID_HANDLE);
    *dcb = sim::FromBytes(port->state);
    return TRUE;
}

BOOL WINAPI CloseHandle(HANDLE object)
{
    sim::Machine& m = sim::TheMachine();
    if (m.Enter("CloseHandle", sim::Handle(object)))
        return FALSE;
    const sim::OpenHandle* open = m.HandleOf(object, sim::HandleKind::Serial);
    if (!open)
        return sim::Refuse(ERROR_INVALID_HANDLE);
    if (sim::SerialPort* port = m.serial.Find(open->target))
        port->open = false;
    m.CloseHandleOf(object, sim::HandleKind::Serial);
    return TRUE;
}
