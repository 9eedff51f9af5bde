#include "tools/png.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <fstream>
#include <vector>

// The image data is compressed with deflate's fixed codes, matching each byte run against the
// same place one pixel back and one row up: the pictures written here are flat colours and
// whole-pixel enlargements, where nearly everything repeats one of the two.
namespace vorrelin {

namespace {

using Bytes = std::vector<std::uint8_t>;

class BitWriter {
public:
    explicit BitWriter(Bytes& out) : out_(out) {}

    // Deflate packs values from the least significant bit up.
    void Put(std::uint32_t value, int bits) {
        for (int i = 0; i < bits; ++i) {
            PutBit(value >> i & 1);
        }
    }
    // Huffman codes go most significant bit first.
    void PutCode(std::uint32_t code, int bits) {
        for (int i = bits - 1; i >= 0; --i) {
            PutBit(code >> i & 1);
        }
    }
    void Finish() {
        if (used_ > 0) {
            out_.push_back(current_);
        }
    }

private:
    void PutBit(std::uint32_t bit) {
        current_ = static_cast<std::uint8_t>(current_ | bit << used_);
        if (++used_ == 8) {
            out_.push_back(current_);
            current_ = 0;
            used_ = 0;
        }
    }

    Bytes& out_;
    std::uint8_t current_ = 0;
    int used_ = 0;
};

// A literal byte, a length's symbol or the end of the block, in the fixed code.
void PutSymbol(BitWriter& bits, int symbol) {
    if (symbol < 144) {
        bits.PutCode(0x30 + symbol, 8);
    } else if (symbol < 256) {
        bits.PutCode(0x190 + symbol - 144, 9);
    } else if (symbol < 280) {
        bits.PutCode(symbol - 256, 7);
    } else {
        bits.PutCode(0xC0 + symbol - 280, 8);
    }
}

constexpr std::array<int, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                             15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                             67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr int kLongestMatch = 258;

void PutBigEndian(Bytes& out, std::uint32_t value) {
    for (const int shift : {24, 16, 8, 0}) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void PutMatch(BitWriter& bits, int length, int distance) {
    std::size_t l = kLengthBase.size() - 1;
    while (kLengthBase[l] > length) {
        --l;
    }
    PutSymbol(bits, 257 + static_cast<int>(l));
    bits.Put(static_cast<std::uint32_t>(length - kLengthBase[l]), kLengthExtra[l]);
    std::size_t d = kDistanceBase.size() - 1;
    while (kDistanceBase[d] > distance) {
        --d;
    }
    bits.PutCode(static_cast<std::uint32_t>(d), 5);
    bits.Put(static_cast<std::uint32_t>(distance - kDistanceBase[d]),
             d < 4 ? 0 : static_cast<int>(d / 2 - 1));
}

// A zlib stream of one fixed-code deflate block.
Bytes Compress(const Bytes& data, int pixelBytes, int rowBytes) {
    Bytes out = {0x78, 0x01};
    BitWriter bits(out);
    bits.Put(1, 1); // the last block
    bits.Put(1, 2); // fixed codes
    for (std::size_t at = 0; at < data.size();) {
        int bestLength = 0;
        int bestDistance = 0;
        for (const int distance : {pixelBytes, rowBytes}) {
            if (static_cast<std::size_t>(distance) > at) {
                continue;
            }
            const std::size_t limit = std::min<std::size_t>(kLongestMatch, data.size() - at);
            std::size_t length = 0;
            while (length < limit && data[at + length] == data[at + length - distance]) {
                ++length;
            }
            if (static_cast<int>(length) > bestLength) {
                bestLength = static_cast<int>(length);
                bestDistance = distance;
            }
        }
        if (bestLength >= 3) {
            PutMatch(bits, bestLength, bestDistance);
            at += static_cast<std::size_t>(bestLength);
        } else {
            PutSymbol(bits, data[at++]);
        }
    }
    PutSymbol(bits, 256);
    bits.Finish();
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian(out, b << 16 | a); // the Adler-32 of the data
    return out;
}

void PutChunk(Bytes& file, const char* type, const Bytes& data) {
    PutBigEndian(file, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = file.size();
    file.insert(file.end(), type, type + 4);
    file.insert(file.end(), data.begin(), data.end());
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t i = start; i < file.size(); ++i) {
        crc ^= file[i];
        for (int k = 0; k < 8; ++k) {
            crc = crc >> 1 ^ (0xEDB88320 & (0 - (crc & 1)));
        }
    }
    PutBigEndian(file, ~crc);
}

} // namespace

bool WritePng(const std::string& path, int width, int height,
              std::span<const std::uint32_t> pixels, bool alpha) {
    const int pixelBytes = alpha ? 4 : 3;
    const int rowBytes = 1 + width * pixelBytes; // each row starts with its filter, none
    Bytes rows;
    for (int y = 0; y < height; ++y) {
        rows.push_back(0);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t pixel = pixels[static_cast<std::size_t>(y) * width + x];
            for (const int shift : {16, 8, 0, 24}) {
                if (shift != 24 || alpha) {
                    rows.push_back(static_cast<std::uint8_t>(pixel >> shift));
                }
            }
        }
    }
    Bytes header;
    PutBigEndian(header, static_cast<std::uint32_t>(width));
    PutBigEndian(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, static_cast<std::uint8_t>(alpha ? 6 : 2), 0, 0, 0});
    Bytes file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", Compress(rows, pixelBytes, rowBytes));
    PutChunk(file, "IEND", {});
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out.flush());
}

} // namespace vorrelin
