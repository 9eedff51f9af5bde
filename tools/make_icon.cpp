// make-icon: turns the program's icon, kept as XPM text, into the files a desktop wants:
//
//   make-icon ICON.xpm ICON.ico [SIZE:FILE.png]...
//
// The .ico holds first the 16 × 16 image of 4 bits a pixel in the standard 16-color palette,
// with a transparency mask, as Windows programs of the kind carry; then the same enlarged by
// whole pixels to 32, 48 and 256 pixels, so that it stays sharp on dense screens and in large
// icon views: 32 bits a pixel with alpha, the largest as PNG, as Windows wants it. Each
// SIZE:FILE.png is the icon enlarged by whole pixels to SIZE × SIZE (a multiple of 16).
// Plain C++ and libpng: it runs on the machine that builds, whatever the program is built for.

#include "tools/png.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kSide = 16;
constexpr std::uint32_t kTransparent = 0x00000000;

// The standard 16-color palette, in its usual order.
constexpr std::array<std::uint32_t, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

// The pixels of an XPM image, 0xAARRGGBB, with one character a pixel and colors given as
// None or #RRGGBB: the strings of the file are its header, its colors and its rows.
std::vector<std::uint32_t> ReadXpm(const std::string& path, int& width, int& height) {
    std::ifstream file(path);
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    std::vector<std::string> strings;
    for (std::size_t open = text.find('"'); open != std::string::npos;
         open = text.find('"', text.find('"', open + 1) + 1)) {
        strings.push_back(text.substr(open + 1, text.find('"', open + 1) - open - 1));
    }
    int colors = 0;
    if (strings.empty() || !(std::istringstream(strings[0]) >> width >> height >> colors)) {
        return {};
    }
    std::map<char, std::uint32_t> palette;
    for (int i = 1; i <= colors && i < static_cast<int>(strings.size()); ++i) {
        const std::string& entry = strings[static_cast<std::size_t>(i)];
        const std::string value = entry.substr(entry.rfind(' ') + 1);
        palette[entry[0]] =
            value == "None" ? kTransparent : 0xFF000000 | std::stoul(value.substr(1), nullptr, 16);
    }
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height && colors + 1 + y < static_cast<int>(strings.size()); ++y) {
        for (const char c : strings[static_cast<std::size_t>(colors + 1 + y)].substr(0, width)) {
            pixels.push_back(palette.count(c) ? palette[c] : kTransparent);
        }
    }
    return pixels.size() == static_cast<std::size_t>(width) * height ? pixels
                                                                     : std::vector<std::uint32_t>{};
}

int Nearest(std::uint32_t color) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < static_cast<int>(kPalette.size()); ++i) {
        int distance = 0;
        for (const int shift : {16, 8, 0}) {
            const int d = static_cast<int>(color >> shift & 0xFF) -
                          static_cast<int>(kPalette[static_cast<std::size_t>(i)] >> shift & 0xFF);
            distance += d * d;
        }
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

bool Opaque(std::uint32_t pixel) {
    return pixel >> 24 >= 128;
}

void Put16(std::string& out, int value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8 & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, static_cast<int>(value & 0xFFFF));
    Put16(out, static_cast<int>(value >> 16));
}

// The icon enlarged by whole pixels to `side` × `side`.
std::vector<std::uint32_t> Enlarged(const std::vector<std::uint32_t>& pixels, int side) {
    std::vector<std::uint32_t> out;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            out.push_back(
                pixels[static_cast<std::size_t>(y * kSide / side * kSide + x * kSide / side)]);
        }
    }
    return out;
}

// One image of a .ico: its size, its colors and bits a pixel as the directory gives them, and
// its data.
struct IcoImage {
    int side;
    int colors; // in its palette; 0 for none
    int bitsPerPixel;
    std::string data;
};

// A bitmap image of a .ico: a header whose height counts the image and its mask, the palette
// of a 4-bit image, the pixels bottom up, then the mask, a bit a pixel, set where the icon is
// transparent. Rows of both are padded to 4 bytes.
IcoImage Bitmap(const std::vector<std::uint32_t>& pixels, int side, int bitsPerPixel) {
    constexpr int kHeaderSize = 40;
    const auto pixel = [&](int x, int y) { return pixels[static_cast<std::size_t>(y * side + x)]; };
    const int maskRow = (side + 31) / 32 * 4;

    std::string out;
    Put32(out, kHeaderSize);
    Put32(out, static_cast<std::uint32_t>(side));
    Put32(out, static_cast<std::uint32_t>(2 * side));
    Put16(out, 1);
    Put16(out, bitsPerPixel);
    for (int i = 0; i < 6; ++i) {
        Put32(out, 0);
    }
    if (bitsPerPixel == 4) {
        for (const std::uint32_t entry : kPalette) {
            Put32(out, entry); // blue, green, red, 0
        }
    }
    for (int y = side - 1; y >= 0; --y) {
        if (bitsPerPixel == 4) {
            for (int x = 0; x < side; x += 2) {
                const auto index = [&](int column) {
                    return Opaque(pixel(column, y)) ? Nearest(pixel(column, y)) : 0;
                };
                out += static_cast<char>(index(x) << 4 | index(x + 1));
            }
        } else {
            for (int x = 0; x < side; ++x) {
                Put32(out, Opaque(pixel(x, y)) ? pixel(x, y) : kTransparent);
            }
        }
    }
    for (int y = side - 1; y >= 0; --y) {
        std::string row(static_cast<std::size_t>(maskRow), '\0');
        for (int x = 0; x < side; ++x) {
            if (!Opaque(pixel(x, y))) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
            }
        }
        out += row;
    }
    return {side, bitsPerPixel == 4 ? 16 : 0, bitsPerPixel, out};
}

// The .ico: a directory, then its images in the directory's order.
std::string Ico(const std::vector<IcoImage>& images) {
    constexpr int kDirectorySize = 6;
    constexpr int kEntrySize = 16;
    std::string out;
    Put16(out, 0); // reserved
    Put16(out, 1); // an icon
    Put16(out, static_cast<int>(images.size()));
    std::size_t offset = kDirectorySize + kEntrySize * images.size();
    for (const IcoImage& image : images) {
        out += static_cast<char>(image.side % 256); // 0 stands for 256
        out += static_cast<char>(image.side % 256);
        out += static_cast<char>(image.colors);
        out += '\0';
        Put16(out, 1); // planes
        Put16(out, image.bitsPerPixel);
        Put32(out, static_cast<std::uint32_t>(image.data.size()));
        Put32(out, static_cast<std::uint32_t>(offset));
        offset += image.data.size();
    }
    for (const IcoImage& image : images) {
        out += image.data;
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: make-icon ICON.xpm ICON.ico [SIZE:FILE.png]...\n", stderr);
        return 2;
    }
    int width = 0;
    int height = 0;
    const std::vector<std::uint32_t> pixels = ReadXpm(argv[1], width, height);
    if (width != kSide || height != kSide || pixels.empty()) {
        std::fprintf(stderr, "make-icon: %s is not a %d x %d XPM image\n", argv[1], kSide, kSide);
        return 1;
    }
    const std::string png = vorrelin::EncodePng(256, 256, Enlarged(pixels, 256), true);
    if (png.empty()) {
        std::fputs("make-icon: libpng cannot encode the largest image\n", stderr);
        return 1;
    }
    const std::string ico = Ico({Bitmap(pixels, kSide, 4),
                                 Bitmap(Enlarged(pixels, 32), 32, 32),
                                 Bitmap(Enlarged(pixels, 48), 48, 32),
                                 {256, 0, 32, png}});
    std::ofstream icoFile(argv[2], std::ios::binary);
    if (!icoFile.write(ico.data(), static_cast<std::streamsize>(ico.size()))) {
        std::fprintf(stderr, "make-icon: cannot write %s\n", argv[2]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const std::string target = argv[i];
        const std::size_t colon = target.find(':');
        const int side =
            colon == std::string::npos ? 0 : std::atoi(target.substr(0, colon).c_str());
        if (side <= 0 || side % kSide != 0) {
            std::fprintf(stderr, "make-icon: %s is not SIZE:FILE.png with SIZE a multiple of %d\n",
                         argv[i], kSide);
            return 2;
        }
        if (!vorrelin::WritePng(target.substr(colon + 1), side, side, Enlarged(pixels, side),
                                true)) {
            std::fprintf(stderr, "make-icon: cannot write %s\n", target.c_str() + colon + 1);
            return 1;
        }
    }
    return 0;
}
