#include "platform/qt/png_files.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace vorrelin {

namespace {

// Inches to the metre, for QImage's resolution.
constexpr double kInchesPerMetre = 1 / 0.0254;

// The reason the last failed call of this thread gives.
std::string LastReason() {
    return std::strerror(errno);
}

// A file descriptor, closed with its owner.
class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (descriptor_ >= 0) {
            close(descriptor_);
        }
    }

    int Get() const { return descriptor_; }
    // Closes it now, for the reason a failed close gives; nothing if it closed.
    std::optional<std::string> Close() {
        const int descriptor = descriptor_;
        descriptor_ = -1;
        if (close(descriptor) != 0) {
            return LastReason();
        }
        return {};
    }

private:
    int descriptor_;
};

// The picture as PNG bytes, with its resolution; the writer's reason if it cannot.
std::optional<QByteArray> EncodePng(const ImageView& picture, std::string& reason) {
    QImage image(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                 picture.height, picture.BytesPerLine(), QImage::Format_RGB32);
    const auto dotsPerMetre = static_cast<int>(std::lround(picture.dotsPerInch * kInchesPerMetre));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) {
        reason = writer.errorString().toStdString();
        return {};
    }
    return png;
}

// The file-creation mask, read without changing it: umask() can only read it by setting it, and
// a file another thread makes in between would get no mask at all. The kernel shows it in the
// process's status; without that line, the tightest mask leaves a new file private.
mode_t UserMask() {
    constexpr mode_t kTightestMask = 077;
    constexpr std::string_view kField = "Umask:"; // then blanks and the mask in octal
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(kField)) {
            return static_cast<mode_t>(std::stoul(line.substr(kField.size()), nullptr, 8));
        }
    }
    return kTightestMask;
}

// Writes all of a buffer, however many calls it takes.
bool WriteAll(int descriptor, const char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(descriptor, bytes, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

std::filesystem::path QtPngFiles::Resolve(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
    return error ? path : resolved;
}

bool QtPngFiles::Exists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// A file its owner may not write is read-only to the program too, even to a user the system
// would let write it.
bool QtPngFiles::ReadOnly(const std::filesystem::path& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 &&
           ((status.st_mode & S_IWUSR) == 0 || access(path.c_str(), W_OK) != 0);
}

// The new file is made readable by its owner alone until it takes its place: the picture it
// replaces may be private.
std::optional<std::string> QtPngFiles::WritePng(const std::filesystem::path& path,
                                                const ImageView& picture) {
    std::string reason;
    const std::optional<QByteArray> png = EncodePng(picture, reason);
    if (!png) {
        return reason;
    }
    FileDescriptor file(open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR));
    if (file.Get() < 0) {
        return LastReason();
    }
    std::optional<std::string> failure;
    if (!WriteAll(file.Get(), png->constData(), static_cast<std::size_t>(png->size())) ||
        fsync(file.Get()) != 0) {
        failure = LastReason();
    }
    if (const std::optional<std::string> closing = file.Close(); closing && !failure) {
        failure = closing;
    }
    if (failure) {
        unlink(path.c_str());
    }
    return failure;
}

// A new file takes the mode that the user's mask leaves of read and write for everyone.
std::optional<std::string> QtPngFiles::Replace(const std::filesystem::path& from,
                                               const std::filesystem::path& to) {
    struct stat old {};
    if (stat(to.c_str(), &old) == 0) {
        if (chmod(from.c_str(), old.st_mode & 07777) != 0) {
            return LastReason();
        }
        // The owner and group too, where the system lets a user give a file away.
        [[maybe_unused]] const int owned = chown(from.c_str(), old.st_uid, old.st_gid);
    } else {
        const mode_t mask = UserMask();
        if (chmod(from.c_str(), (S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH) &
                                    ~mask) != 0) {
            return LastReason();
        }
    }
    if (rename(from.c_str(), to.c_str()) != 0) {
        return LastReason();
    }
    return {};
}

void QtPngFiles::Remove(const std::filesystem::path& path) {
    unlink(path.c_str()); // there is nothing to remove if it was never made
}

} // namespace vorrelin
