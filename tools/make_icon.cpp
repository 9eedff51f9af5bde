// make-icon: turns the program's icon, kept as XPM text, into the files a desktop wants:
//
//   make-icon ICON.xpm ICON.ico ICON.png
//
// The .ico holds one 16 × 16 image of 4 bits a pixel in the standard 16-colour palette, with
// a transparency mask, as Windows programs of the kind carry; the .png is for the icon theme.

#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <array>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace {

constexpr int kSide = 16;

// The standard 16-colour palette, in its usual order.
constexpr std::array<QRgb, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

int Nearest(QRgb colour) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < static_cast<int>(kPalette.size()); ++i) {
        const QRgb entry = kPalette[static_cast<std::size_t>(i)];
        const int dr = qRed(colour) - qRed(entry);
        const int dg = qGreen(colour) - qGreen(entry);
        const int db = qBlue(colour) - qBlue(entry);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

void Put16(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8 & 0xFF));
}

void Put32(QByteArray& out, std::uint32_t value) {
    Put16(out, static_cast<int>(value & 0xFFFF));
    Put16(out, static_cast<int>(value >> 16));
}

QByteArray Ico(const QImage& image) {
    constexpr int kHeaderSize = 40;
    constexpr int kXorRow = kSide / 2; // two pixels a byte
    constexpr int kAndRow = 4;         // one bit a pixel, rows padded to 4 bytes
    constexpr int kImageSize = kHeaderSize + 16 * 4 + kSide * kXorRow + kSide * kAndRow;

    QByteArray out;
    Put16(out, 0); // icon directory: reserved, type 1 (icon), one image
    Put16(out, 1);
    Put16(out, 1);
    out.append(static_cast<char>(kSide)); // its entry: size, colours, reserved
    out.append(static_cast<char>(kSide));
    out.append(static_cast<char>(16));
    out.append('\0');
    Put16(out, 1); // planes
    Put16(out, 4); // bits a pixel
    Put32(out, kImageSize);
    Put32(out, 6 + 16);

    Put32(out, kHeaderSize); // the bitmap header: height counts image and mask
    Put32(out, kSide);
    Put32(out, 2 * kSide);
    Put16(out, 1);
    Put16(out, 4);
    for (int i = 0; i < 6; ++i) {
        Put32(out, 0);
    }
    for (const QRgb entry : kPalette) {
        out.append(static_cast<char>(qBlue(entry)));
        out.append(static_cast<char>(qGreen(entry)));
        out.append(static_cast<char>(qRed(entry)));
        out.append('\0');
    }
    for (int y = kSide - 1; y >= 0; --y) { // rows bottom up
        for (int x = 0; x < kSide; x += 2) {
            const auto index = [&](int column) {
                const QRgb pixel = image.pixel(column, y);
                return qAlpha(pixel) < 128 ? 0 : Nearest(pixel);
            };
            out.append(static_cast<char>(index(x) << 4 | index(x + 1)));
        }
    }
    for (int y = kSide - 1; y >= 0; --y) {
        std::uint32_t bits = 0;
        for (int x = 0; x < kSide; ++x) {
            if (qAlpha(image.pixel(x, y)) < 128) {
                bits |= 0x8000u >> x;
            }
        }
        out.append(static_cast<char>(bits >> 8));
        out.append(static_cast<char>(bits & 0xFF));
        out.append(2, '\0');
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: make-icon ICON.xpm ICON.ico ICON.png\n", stderr);
        return 2;
    }
    QGuiApplication application(argc, argv);
    const QImage image =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32);
    if (image.size() != QSize(kSide, kSide)) {
        std::fprintf(stderr, "make-icon: %s is not a %d x %d image\n", argv[1], kSide, kSide);
        return 1;
    }
    QFile ico(QString::fromLocal8Bit(argv[2]));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(Ico(image)) < 0 ||
        !image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "make-icon: cannot write %s or %s\n", argv[2], argv[3]);
        return 1;
    }
    return 0;
}
