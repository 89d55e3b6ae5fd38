// Reading the headers, resources and imports of a 32-bit PE image.
#include "tests/executable/pe_image.h"

#include <fstream>
#include <iterator>

std::uint8_t ByteReader::U8()
{
    if (pos_ + 1 > bytes_.size()) {
        failed_ = true;
        pos_ = bytes_.size();
        return 0;
    }
    return bytes_[pos_++];
}

std::uint16_t ByteReader::U16()
{
    const std::uint16_t lo = U8();
    return static_cast<std::uint16_t>(lo | (U8() << 8));
}

std::uint32_t ByteReader::U32()
{
    const std::uint32_t lo = U16();
    return lo | (static_cast<std::uint32_t>(U16()) << 16);
}

std::string ByteReader::WideString()
{
    std::vector<std::uint16_t> units;
    for (std::uint16_t c = U16(); c != 0 && !failed_; c = U16())
        units.push_back(c);
    return Utf16ToUtf8(units);
}

std::string Utf16ToUtf8(const std::vector<std::uint16_t>& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        std::uint32_t cp = text[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < text.size()) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

PeImage::PeImage(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error_ = "cannot open " + path;
        return;
    }
    file_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!Parse() && error_.empty())
        error_ = "malformed image";
}

const Bytes* PeImage::Find(std::uint32_t type, std::uint32_t name) const
{
    for (const auto& entry : resources_)
        if (std::get<0>(entry.first) == type && std::get<1>(entry.first) == name)
            return &entry.second;
    return nullptr;
}

bool PeImage::ToOffset(std::uint32_t rva, std::uint32_t* offset) const
{
    for (const Section& s : sections_) {
        const std::uint32_t extent = s.virtualSize > s.rawSize ? s.virtualSize : s.rawSize;
        if (rva >= s.virtualAddress && rva - s.virtualAddress < extent) {
            const std::uint32_t delta = rva - s.virtualAddress;
            if (delta >= s.rawSize)
                return false;
            *offset = s.rawOffset + delta;
            return *offset < file_.size();
        }
    }
    return false;
}

bool PeImage::ReadCString(std::uint32_t rva, std::string* out) const
{
    std::uint32_t offset;
    if (!ToOffset(rva, &offset))
        return false;
    out->clear();
    for (; offset < file_.size(); ++offset) {
        if (file_[offset] == 0)
            return true;
        *out += static_cast<char>(file_[offset]);
    }
    return false;
}

bool PeImage::Parse()
{
    ByteReader r(file_);
    if (r.U16() != 0x5A4D) {
        error_ = "no MZ header";
        return false;
    }
    r.Seek(0x3C);
    const std::uint32_t peOffset = r.U32();
    r.Seek(peOffset);
    if (r.U32() != 0x00004550) {
        error_ = "no PE signature";
        return false;
    }
    headers_.machine = r.U16();
    const std::uint16_t sectionCount = r.U16();
    r.U32();  // time stamp
    headers_.symbolTable = r.U32();
    headers_.symbolCount = r.U32();
    const std::uint16_t optionalSize = r.U16();
    headers_.characteristics = r.U16();
    const size_t optional = r.pos();
    if (r.U16() != 0x10B) {
        error_ = "not a PE32 image";
        return false;
    }
    r.Seek(optional + 40);
    headers_.majorOsVersion = r.U16();
    headers_.minorOsVersion = r.U16();
    r.Seek(optional + 48);
    headers_.majorSubsystemVersion = r.U16();
    headers_.minorSubsystemVersion = r.U16();
    r.Seek(optional + 68);
    headers_.subsystem = r.U16();
    r.Seek(optional + 92);
    const std::uint32_t dirCount = r.U32();
    std::uint32_t importRva = 0, resourceRva = 0;
    if (dirCount > 1) {
        r.Seek(optional + 96 + 8);
        importRva = r.U32();
    }
    if (dirCount > 2) {
        r.Seek(optional + 96 + 16);
        resourceRva = r.U32();
    }
    r.Seek(optional + optionalSize);
    for (std::uint16_t i = 0; i < sectionCount; ++i) {
        const size_t start = r.pos();
        r.Seek(start + 8);
        Section s;
        s.virtualSize = r.U32();
        s.virtualAddress = r.U32();
        s.rawSize = r.U32();
        s.rawOffset = r.U32();
        sections_.push_back(s);
        r.Seek(start + 40);
    }
    if (r.failed()) {
        error_ = "truncated headers";
        return false;
    }
    return (resourceRva == 0 || ParseResources(resourceRva)) &&
           (importRva == 0 || ParseImports(importRva));
}

// The resource tree has three levels (type, name, language); entries with a
// string name are not used by this program and are passed over.
bool PeImage::ParseResources(std::uint32_t rva)
{
    std::uint32_t base;
    if (!ToOffset(rva, &base))
        return false;
    ByteReader r(file_);
    struct Level {
        static std::vector<std::pair<std::uint32_t, std::uint32_t>> Entries(ByteReader& r, std::uint32_t at)
        {
            std::vector<std::pair<std::uint32_t, std::uint32_t>> out;
            r.Seek(at + 12);
            const std::uint16_t named = r.U16();
            const std::uint16_t numbered = r.U16();
            for (int i = 0; i < named + numbered && !r.failed(); ++i) {
                const std::uint32_t id = r.U32();
                const std::uint32_t target = r.U32();
                if (!(id & 0x80000000u))
                    out.push_back(std::make_pair(id, target));
            }
            return out;
        }
    };
    for (const auto& type : Level::Entries(r, base)) {
        if (!(type.second & 0x80000000u))
            return false;
        for (const auto& name : Level::Entries(r, base + (type.second & 0x7FFFFFFFu))) {
            if (!(name.second & 0x80000000u))
                return false;
            for (const auto& lang : Level::Entries(r, base + (name.second & 0x7FFFFFFFu))) {
                if (lang.second & 0x80000000u)
                    return false;
                r.Seek(base + lang.second);
                const std::uint32_t dataRva = r.U32();
                const std::uint32_t size = r.U32();
                std::uint32_t offset;
                if (r.failed() || !ToOffset(dataRva, &offset) || size > file_.size() - offset)
                    return false;
                resources_[ResourceKey(type.first, name.first, static_cast<std::uint16_t>(lang.first))] =
                    Bytes(file_.begin() + offset, file_.begin() + offset + size);
            }
        }
    }
    return !r.failed();
}

bool PeImage::ParseImports(std::uint32_t rva)
{
    std::uint32_t at;
    if (!ToOffset(rva, &at))
        return false;
    ByteReader r(file_);
    for (;; at += 20) {
        r.Seek(at);
        const std::uint32_t lookup = r.U32();
        r.U32();
        r.U32();
        const std::uint32_t nameRva = r.U32();
        const std::uint32_t addresses = r.U32();
        if (r.failed())
            return false;
        if (nameRva == 0)
            return true;
        std::string dll;
        std::uint32_t thunk;
        if (!ReadCString(nameRva, &dll) || !ToOffset(lookup ? lookup : addresses, &thunk))
            return false;
        for (;; thunk += 4) {
            r.Seek(thunk);
            const std::uint32_t entry = r.U32();
            if (r.failed())
                return false;
            if (entry == 0)
                break;
            Import import{dll, std::string()};
            if (entry & 0x80000000u)
                import.function = "#" + std::to_string(entry & 0xFFFF);
            else if (!ReadCString(entry + 2, &import.function))
                return false;
            imports_.push_back(import);
        }
    }
}
