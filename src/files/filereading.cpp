#include "files/filereading.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace files {

bool ReadFileBytes(const std::string& path, std::size_t limit, std::string& bytes, std::string& error) {
    bytes.clear();
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = "Cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    constexpr std::size_t kChunk = 64 * 1024;
    std::size_t got = 0;
    while (got < limit) {
        bytes.resize(got + std::min(kChunk, limit - got));
        const ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            error = "Cannot read " + path + ": " + std::strerror(errno);
            close(fd);
            bytes.clear();
            return false;
        }
        got += static_cast<std::size_t>(n);
    }
    close(fd);
    bytes.resize(got);
    return true;
}

}  // namespace files
