// Writes the application icon, app.ico: a printer with a sheet of paper, as a
// 32 x 32 and a 16 x 16 image in the 16 standard colours. Run at build time,
// so the icon is reproducible from this file alone.
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// The standard 16-colour palette, as the icon stores it (blue, green, red, 0).
const std::uint8_t kPalette[16][4] = {
    {0, 0, 0, 0},       {0, 0, 128, 0},     {0, 128, 0, 0},     {0, 128, 128, 0},
    {128, 0, 0, 0},     {128, 0, 128, 0},   {128, 128, 0, 0},   {192, 192, 192, 0},
    {128, 128, 128, 0}, {0, 0, 255, 0},     {0, 255, 0, 0},     {0, 255, 255, 0},
    {255, 0, 0, 0},     {255, 0, 255, 0},   {255, 255, 0, 0},   {255, 255, 255, 0},
};
enum Colour { kBlack = 0, kDarkCyan = 6, kSilver = 7, kGrey = 8, kGreen = 10, kWhite = 15, kClear = -1 };

struct Rect {
    int left, top, right, bottom;  // right and bottom exclusive
    int colour;
};

// The pictures, painted in order: the 32 x 32 image and its 16 x 16 twin.
const Rect kLarge[] = {
    {8, 2, 24, 14, kBlack},      // sheet outline, feeding in at the top
    {9, 3, 23, 14, kWhite},      // sheet
    {11, 6, 21, 7, kGrey},       // printed lines
    {11, 9, 19, 10, kGrey},
    {2, 12, 30, 26, kBlack},     // body outline
    {3, 13, 29, 25, kSilver},    // body
    {3, 13, 29, 15, kWhite},     // highlight along the top edge
    {6, 17, 26, 19, kBlack},     // paper slot
    {24, 21, 27, 23, kGreen},    // power light
    {4, 26, 28, 29, kBlack},     // base outline
    {5, 26, 27, 28, kDarkCyan},  // base
};
const Rect kSmall[] = {
    {4, 1, 12, 7, kBlack},
    {5, 2, 11, 7, kWhite},
    {6, 3, 10, 4, kGrey},
    {1, 6, 15, 13, kBlack},
    {2, 7, 14, 12, kSilver},
    {2, 7, 14, 8, kWhite},
    {3, 9, 13, 10, kBlack},
    {11, 10, 13, 11, kGreen},
    {2, 13, 14, 15, kBlack},
    {3, 13, 13, 14, kDarkCyan},
};

template <size_t N>
std::vector<int> Paint(const Rect (&picture)[N], int size)
{
    std::vector<int> pixels(size * size, kClear);
    for (const Rect& r : picture)
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                pixels[y * size + x] = r.colour;
    return pixels;
}

void Put16(std::vector<std::uint8_t>& out, unsigned v)
{
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void Put32(std::vector<std::uint8_t>& out, unsigned v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// One icon image: BITMAPINFOHEADER (height doubled for the mask), palette,
// 4-bit colour rows and 1-bit mask rows, bottom-up, each row padded to 4 bytes.
std::vector<std::uint8_t> Image(int size, const std::vector<int>& pixels)
{
    const int colourRow = (size / 2 + 3) / 4 * 4;
    const int maskRow = (size / 8 + 3) / 4 * 4;
    std::vector<std::uint8_t> out;
    Put32(out, 40);
    Put32(out, size);
    Put32(out, size * 2);
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, 0);
    Put32(out, (colourRow + maskRow) * size);
    for (int i = 0; i < 4; ++i)
        Put32(out, 0);
    for (const auto& entry : kPalette)
        out.insert(out.end(), entry, entry + 4);
    for (int y = size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(colourRow, 0);
        for (int x = 0; x < size; ++x) {
            const int c = pixels[y * size + x];
            const int index = c == kClear ? 0 : c;
            row[x / 2] |= static_cast<std::uint8_t>(x % 2 ? index : index << 4);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(maskRow, 0);
        for (int x = 0; x < size; ++x)
            if (pixels[y * size + x] == kClear)
                row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s app.ico\n", argv[0]);
        return 2;
    }
    const int sizes[] = {32, 16};
    const std::vector<std::vector<std::uint8_t>> images = {
        Image(32, Paint(kLarge, 32)),
        Image(16, Paint(kSmall, 16)),
    };

    std::vector<std::uint8_t> file;
    Put16(file, 0);  // reserved
    Put16(file, 1);  // icon
    Put16(file, 2);  // image count
    unsigned offset = 6 + 16 * 2;
    for (size_t i = 0; i < images.size(); ++i) {
        file.push_back(static_cast<std::uint8_t>(sizes[i]));
        file.push_back(static_cast<std::uint8_t>(sizes[i]));
        file.push_back(16);  // colour count
        file.push_back(0);
        Put16(file, 1);  // planes
        Put16(file, 4);  // bits per pixel
        Put32(file, static_cast<unsigned>(images[i].size()));
        Put32(file, offset);
        offset += static_cast<unsigned>(images[i].size());
    }
    for (const auto& image : images)
        file.insert(file.end(), image.begin(), image.end());

    FILE* f = std::fopen(argv[1], "wb");
    if (!f || std::fwrite(file.data(), 1, file.size(), f) != file.size() || std::fclose(f) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
