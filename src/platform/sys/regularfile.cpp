#include "platform/sys/regularfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

namespace sys {

namespace {

class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

bool Fail(std::string& error, std::string text, std::string& bytes) {
    error = std::move(text);
    bytes.clear();
    return false;
}

// "a FIFO", "a directory", ... as the reason a file is not read.
const char* FileKindName(unsigned mode) {
    switch (mode & S_IFMT) {
        case S_IFREG:
            return "a regular file";
        case S_IFDIR:
            return "a directory";
        case S_IFIFO:
            return "a FIFO";
        case S_IFCHR:
            return "a character device";
        case S_IFBLK:
            return "a block device";
        case S_IFSOCK:
            return "a socket";
        default:
            return "of an unknown kind";
    }
}

}  // namespace

bool ReadRegularFile(const std::string& path, std::size_t limit, OverLimit overLimit, std::string& bytes,
                     std::string& error) {
    bytes.clear();
    // O_NONBLOCK: opening a FIFO without a writer (or some devices) would otherwise wait for ever.
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) return Fail(error, "Cannot open " + path + ": " + std::strerror(errno), bytes);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return Fail(error, "Cannot read " + path + ": " + std::strerror(errno), bytes);
    if (!S_ISREG(st.st_mode)) {
        return Fail(error,
                    "Cannot read " + path + ": it is " + FileKindName(st.st_mode) + ", not a regular file",
                    bytes);
    }
    const std::string tooLarge =
        "Cannot read " + path + ": it is larger than " + std::to_string(limit) + " bytes";
    if (overLimit == OverLimit::kRefuse && static_cast<std::uint64_t>(st.st_size) > limit) {
        return Fail(error, tooLarge, bytes);
    }
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags >= 0) ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);

    // The file may grow while it is read: one byte past the limit tells a refused file from a full one.
    const std::size_t want = overLimit == OverLimit::kRefuse && limit < SIZE_MAX ? limit + 1 : limit;
    constexpr std::size_t kChunk = 64 * 1024;
    std::size_t got = 0;
    while (got < want) {
        bytes.resize(got + std::min(kChunk, want - got));
        const ssize_t n = ::read(fd.get(), bytes.data() + got, bytes.size() - got);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            return Fail(error, "Cannot read " + path + ": " + std::strerror(errno), bytes);
        }
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    if (got > limit) return Fail(error, tooLarge, bytes);
    return true;
}

}  // namespace sys
