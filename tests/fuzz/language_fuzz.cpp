// The language file and the locale variables: any file content and any LC_ALL, LC_MESSAGES and LANG give
// one of the two languages, with a source that says truthfully where it came from.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>

#include "app/uilanguage.h"
#include "platform/sys/environment.h"
#include "platform/sys/language.h"

namespace {

void Require(bool ok) {
    if (!ok) __builtin_trap();
}

// One private folder per process for the file; removed at exit.
const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "language-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) __builtin_trap();
        std::atexit([] { std::filesystem::remove_all(Folder()); });
        return std::filesystem::path(pattern);
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The input is "file\0LC_ALL\0LC_MESSAGES\0LANG"; a missing part is an unset variable (or no file).
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::string parts[4];
    int count = 0;
    for (; count < 4 && !rest.empty(); ++count) {
        const std::size_t end = std::min(rest.find('\0'), rest.size());
        parts[count] = std::string(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    const std::filesystem::path file = Folder() / app::kLanguageFileName;
    std::error_code ec;
    std::filesystem::remove(file, ec);
    const bool haveFile = count > 0 && !parts[0].empty();
    if (haveFile) std::ofstream(file, std::ios::binary) << parts[0];
    std::map<std::string, std::string> vars{{"XDG_CONFIG_HOME", Folder().string()},
                                            {"HOME", (Folder() / "no-home").string()}};
    static const char* const kNames[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    for (int i = 1; i < count; ++i) vars[kNames[i - 1]] = parts[i];
    const sys::EnvLookup env = sys::MapEnvironment(vars);

    const std::uint16_t system = sys::SystemDefaultLanguage(env);
    Require(system == sys::kLangEnglish || system == sys::kLangChinese);
    const app::UiLanguage chosen = app::ChooseUiLanguage(env);
    Require(chosen.langId == sys::kLangEnglish || chosen.langId == sys::kLangChinese);
    // The file decides exactly when its first two bytes hold one of the two ids.
    std::uint16_t fromFile = 0;
    if (haveFile && parts[0].size() >= 2) {
        fromFile = static_cast<std::uint16_t>(static_cast<unsigned char>(parts[0][0]) |
                                              static_cast<unsigned char>(parts[0][1]) << 8);
    }
    if (fromFile == sys::kLangEnglish) {
        Require(chosen.langId == sys::kLangEnglish && chosen.source == 2);
    } else if (fromFile == sys::kLangChinese) {
        Require(chosen.langId == sys::kLangChinese && chosen.source == 1);
    } else {
        Require(chosen.langId == system && chosen.source == 0);
    }
    return 0;
}
