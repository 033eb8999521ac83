#include "files/replacingfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace files {

namespace {

std::string Describe(const char* step, const std::string& path, int err) {
    return std::string(step) + " " + path + ": " + std::strerror(err);
}

// Opens a new file beside the target; the kernel applies the umask as for any new file.
int OpenTemporary(const std::string& path, std::string& tmpPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tmpPath = path + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(counter.fetch_add(1));
        int fd = open(tmpPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A link is written through, as opening it for writing would: the file it names is replaced, the link stays.
std::string ResolveLink(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* real = realpath(path.c_str(), nullptr);
    if (!real) return path;
    std::string target = real;
    free(real);
    return target;
}

}  // namespace

WriteResult WriteFileReplacing(const std::string& chosenPath, std::string_view bytes) {
    WriteResult result;
    if (chosenPath.empty()) {
        result.error = "Cannot create an empty file name";
        return result;
    }
    const std::string path = ResolveLink(chosenPath);
    std::string tmpPath;
    int fd = OpenTemporary(path, tmpPath);
    if (fd < 0) {
        result.error = Describe("Cannot create", path, errno);
        return result;
    }
    struct stat old {};
    if (stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        fchmod(fd, old.st_mode & 07777);  // best effort: a failure only leaves the default permissions
    }
    bool ok = WriteAll(fd, bytes) && fsync(fd) == 0;
    int err = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && rename(tmpPath.c_str(), path.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        unlink(tmpPath.c_str());
        result.error = Describe("Cannot write", path, err);
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace files
