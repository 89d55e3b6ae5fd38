// The simulated serial ports: each holds the 28 bytes of line settings that
// GetCommState reports, and can be opened by one handle at a time.
#ifndef ORVIK_HOST_SIM_SERIAL_H
#define ORVIK_HOST_SIM_SERIAL_H

#include <array>
#include <map>
#include <string>

#include "host/win32.h"

namespace sim {

typedef std::array<BYTE, sizeof(DCB)> DcbBytes;

struct SerialPort {
    DcbBytes state{};
    bool open = false;
};

struct SerialPorts {
    // COM1 to COM4, each with the settings of a port at 9600 baud, 8 data
    // bits, no parity, one stop bit.
    SerialPorts();

    // By upper-case device name, "COM1".
    std::map<std::string, SerialPort> ports;

    // The port a CreateFileA name opens ("COM1", "com1"), or null.
    SerialPort* Find(const std::string& name);
};

// The settings bytes of a DCB, and back.
DcbBytes ToBytes(const DCB& dcb);
DCB FromBytes(const DcbBytes& bytes);

}  // namespace sim

#endif  // ORVIK_HOST_SIM_SERIAL_H
