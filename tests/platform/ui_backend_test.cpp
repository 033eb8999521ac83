// Backend choice and the DPI rule.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/backend/backend.h"
#include "platform/backend/headless.h"

namespace ui {
namespace {

// Sets (or unsets) an environment variable for the life of the object.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(UiBackend, DpiComesFromTheEnvironmentWhenItHoldsAUsableNumber) {
    struct Case {
        const char* env;
        int fallback;
        int expected;
    } cases[] = {
        {"120", 96, 120}, {"192", 96, 192},  {nullptr, 144, 144}, {nullptr, 0, 96},   {"", 110, 110},
        {"abc", 96, 96},  {"96x", 120, 120}, {"0", 96, 96},       {"5000", 168, 168},
    };
    for (const Case& c : cases) {
        ScopedEnv env("TEST_DPI", c.env);
        EXPECT_EQ(DpiFromEnvironment("TEST_DPI", c.fallback), c.expected) << (c.env ? c.env : "(unset)");
    }
    ScopedEnv env("TEST_DPI", "120");
    EXPECT_EQ(DpiFromEnvironment("", 144), 144) << "no variable named: the fallback";
}

TEST(UiBackend, WithoutADisplayTheHeadlessBackendIsChosenAndTheReasonGiven) {
    ScopedEnv x11("DISPLAY", nullptr);
    ScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
    std::string why;
    ScopedEnv dpi("TEST_DPI", "144");
    AppConfig config;
    config.dpi_variable = "TEST_DPI";
    auto backend = ChooseBackend(config, &why);
    ASSERT_NE(backend, nullptr);
    EXPECT_NE(dynamic_cast<HeadlessBackend*>(backend.get()), nullptr);
    EXPECT_EQ(backend->Dpi(), 144) << "the configured variable sets the headless backend's DPI too";
    EXPECT_NE(why.find("no display"), std::string::npos) << why;
}

}  // namespace
}  // namespace ui
