// A small reader of 32-bit PE images: the headers the loader looks at, the
// resource tree and the import table. Bounded: malformed input gives an
// error, never a read past the end of the file.
#ifndef ORVIK_TESTS_PE_IMAGE_H
#define ORVIK_TESTS_PE_IMAGE_H

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

typedef std::vector<std::uint8_t> Bytes;

struct PeHeaders {
    std::uint16_t machine = 0;
    std::uint16_t characteristics = 0;
    std::uint32_t symbolTable = 0;
    std::uint32_t symbolCount = 0;
    std::uint16_t majorOsVersion = 0, minorOsVersion = 0;
    std::uint16_t majorSubsystemVersion = 0, minorSubsystemVersion = 0;
    std::uint16_t subsystem = 0;
};

struct Import {
    std::string dll;
    std::string function;  // "#<ordinal>" for an import by ordinal
};

// (type, name, language) of a resource with numeric type and name.
typedef std::tuple<std::uint32_t, std::uint32_t, std::uint16_t> ResourceKey;

class PeImage {
public:
    // Loads and parses the file; on failure error() says why.
    explicit PeImage(const std::string& path);

    const std::string& error() const { return error_; }
    const PeHeaders& headers() const { return headers_; }
    const std::map<ResourceKey, Bytes>& resources() const { return resources_; }
    const std::vector<Import>& imports() const { return imports_; }

    // The data of resource (type, name) in any language; null if absent.
    const Bytes* Find(std::uint32_t type, std::uint32_t name) const;

private:
    bool Parse();
    bool ParseResources(std::uint32_t rva);
    bool ParseImports(std::uint32_t rva);
    bool ToOffset(std::uint32_t rva, std::uint32_t* offset) const;
    bool ReadCString(std::uint32_t rva, std::string* out) const;

    struct Section {
        std::uint32_t virtualAddress, virtualSize, rawOffset, rawSize;
    };

    Bytes file_;
    std::string error_;
    PeHeaders headers_;
    std::vector<Section> sections_;
    std::map<ResourceKey, Bytes> resources_;
    std::vector<Import> imports_;
};

// Little-endian cursor over a byte range; any read past the end sets
// failed() and yields zeros.
class ByteReader {
public:
    ByteReader(const Bytes& bytes, size_t offset = 0) : bytes_(bytes), pos_(offset) {}
    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U32();
    std::int16_t S16() { return static_cast<std::int16_t>(U16()); }
    // A NUL-terminated UTF-16 text, returned as UTF-8.
    std::string WideString();
    void AlignTo(size_t n) { pos_ = (pos_ + n - 1) / n * n; }
    void Seek(size_t pos) { pos_ = pos; }
    size_t pos() const { return pos_; }
    bool failed() const { return failed_; }
    bool AtEnd() const { return pos_ >= bytes_.size(); }

private:
    const Bytes& bytes_;
    size_t pos_;
    bool failed_ = false;
};

std::string Utf16ToUtf8(const std::vector<std::uint16_t>& text);

#endif  // ORVIK_TESTS_PE_IMAGE_H
