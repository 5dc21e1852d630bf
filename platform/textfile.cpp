#include "platform/textfile.h"

#include "platform/errors.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// Closes a descriptor on every path out of a function.
class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return fd_; }
    int Release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

  private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The file that a save replaces: the target of a symbolic link, not the link.
std::string ResolveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) != nullptr) {
            return resolved;
        }
    }
    return path;
}

template <typename Line>
std::vector<Line> Split(std::string_view text) {
    std::vector<Line> lines;
    // One allocation for the list: count the LFs, or the CRs of a file without any.
    size_t ends = static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
    if (ends == 0) {
        ends = static_cast<size_t>(std::count(text.begin(), text.end(), '\r'));
    }
    lines.reserve(ends + 1);
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const char* q = p;
        while (q < end && *q != '\n' && *q != '\r') {
            ++q;
        }
        lines.emplace_back(p, static_cast<size_t>(q - p));
        if (q < end && *q == '\r' && q + 1 < end && q[1] == '\n') {
            ++q;
        }
        p = q + 1;
    }
    return lines;
}

}  // namespace

std::string ReadFileBytes(const std::string& path) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st {};
    if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0 || S_ISDIR(st.st_mode)) {
        throw FileError(FileError::Kind::CannotOpen, path);
    }
    // Read in chunks; the first one is the whole size of a regular file.
    std::string bytes;
    size_t chunk = S_ISREG(st.st_mode) ? static_cast<size_t>(st.st_size) + 1 : 0;
    chunk = std::max<size_t>(chunk, 1 << 16);
    for (;;) {
        const size_t old = bytes.size();
        bytes.resize(old + chunk);
        const ssize_t n = ::read(fd.Get(), bytes.data() + old, chunk);
        if (n < 0 && errno == EINTR) {
            bytes.resize(old);
            continue;
        }
        if (n < 0) {
            throw FileError(FileError::Kind::CannotOpen, path);
        }
        bytes.resize(old + static_cast<size_t>(n));
        if (n == 0) {
            return bytes;
        }
        chunk = 1 << 16;
    }
}

std::vector<std::string_view> SplitLineViews(std::string_view text) {
    return Split<std::string_view>(text);
}

std::vector<std::string> SplitLines(std::string_view text) {
    return Split<std::string>(text);
}

std::vector<std::string> ReadLines(const std::string& path) {
    return SplitLines(ReadFileBytes(path));
}

void WriteFileAtomic(const std::string& path, std::string_view bytes) {
    const std::string target = ResolveTarget(path);
    const size_t slash = target.rfind('/');
    const std::string dir =
        slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temp = dir + "." + base + ".XXXXXX";

    Fd fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (fd.Get() < 0) {
        throw FileError(FileError::Kind::CannotCreate, path);
    }
    auto fail = [&]() {
        ::unlink(temp.c_str());
        throw FileError(FileError::Kind::CannotCreate, path);
    };
    struct stat st {};
    const mode_t mode = ::stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : NewFileMode();
    if (::fchmod(fd.Get(), mode) != 0 || !WriteAll(fd.Get(), bytes) || ::fsync(fd.Get()) != 0 ||
        ::close(fd.Release()) != 0) {
        fail();
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        fail();
    }
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
    size_t size = 0;
    for (const std::string& line : lines) {
        size += line.size() + 2;
    }
    std::string bytes;
    bytes.reserve(size);
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    WriteFileAtomic(path, JoinLinesCrLf(lines));
}

}  // namespace platform
