// The bounded walk over dialog-initialisation records.
#include "framework/dlg_init.h"

#include <cstring>

namespace {
std::uint16_t ReadWord(const unsigned char* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t ReadDword(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

const std::size_t kHeaderSize = 2 + 2 + 4;
}  // namespace

DlgInitReader::DlgInitReader(const void* data, std::size_t size)
    : m_data(static_cast<const unsigned char*>(data)), m_size(data != nullptr ? size : 0), m_offset(0),
      m_malformed(false)
{
}

bool DlgInitReader::Next(DlgInitRecord* record)
{
    const std::size_t left = m_size - m_offset;
    // A data block that ends where a record could start ends the records
    // like the zero word does; a lone byte there is a cut-short word.
    if (left == 0)
        return false;
    if (left < 2) {
        m_malformed = true;
        m_offset = m_size;
        return false;
    }
    const unsigned char* p = m_data + m_offset;
    const std::uint16_t control = ReadWord(p);
    if (control == 0) {
        m_offset = m_size;
        return false;
    }
    if (left < kHeaderSize) {
        m_malformed = true;
        m_offset = m_size;
        return false;
    }
    const std::uint32_t size = ReadDword(p + 4);
    if (size > left - kHeaderSize) {
        m_malformed = true;
        m_offset = m_size;
        return false;
    }
    record->control = control;
    record->message = ReadWord(p + 2);
    record->data = p + kHeaderSize;
    record->size = size;
    record->text = std::memchr(record->data, '\0', size) != nullptr
                       ? reinterpret_cast<const char*>(record->data)
                       : nullptr;
    m_offset += kHeaderSize + size;
    return true;
}
