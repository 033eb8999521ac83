#include "dialogs/languagefile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/sys/language.h"

namespace dialogs {

namespace {

namespace fs = std::filesystem;

// Writes the two bytes of id; the system's reason when that fails.
std::optional<std::string> WriteId(const std::string& path, sys::LangId id) {
    const fs::path folder = fs::path(path).parent_path();
    std::error_code ec;
    if (!folder.empty() && !fs::exists(folder, ec)) {
        fs::create_directories(folder, ec);
        if (!ec) fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, ec);
    }
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return std::string(std::strerror(errno));
    const unsigned char bytes[2] = {static_cast<unsigned char>(id & 0xFF), static_cast<unsigned char>(id >> 8)};
    const bool written = ::write(fd, bytes, 2) == 2;
    const int writeErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written) return std::string(std::strerror(writeErrno));
    if (!closed) return std::string(std::strerror(errno));
    return std::nullopt;
}

}  // namespace

LanguageChoiceResult ApplyLanguageChoice(const std::vector<std::string>& candidates,
                                         std::optional<sys::LangId> choice) {
    std::vector<std::pair<std::string, std::string>> failures;  // place, reason
    if (!choice) {
        for (const std::string& path : candidates) {
            std::error_code ec;
            if (!fs::exists(fs::symlink_status(path, ec))) continue;
            if (!fs::remove(path, ec) && ec) failures.emplace_back(path, ec.message());
        }
    } else {
        for (const std::string& path : candidates) {
            const std::optional<std::string> error = WriteId(path, *choice);
            if (!error) break;
            failures.emplace_back(path, *error);
        }
    }
    LanguageChoiceResult result;
    result.takesEffect = sys::ReadLanguageFile(candidates) == choice;
    if (result.takesEffect) return result;
    // The place in the way is the file the next start reads, else the first that failed.
    for (const std::string& path : candidates) {
        std::error_code ec;
        if (!fs::exists(path, ec)) continue;
        for (const auto& [place, reason] : failures) {
            if (place == path) return {false, place + ": " + reason};
        }
        return {false, path};
    }
    if (!failures.empty()) result.report = failures.front().first + ": " + failures.front().second;
    return result;
}

}  // namespace dialogs
