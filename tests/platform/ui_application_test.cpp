// What the application holds for its program (config, templates, skin), and the backend's native records.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/backend/headless.h"
#include "platform/res/language.h"
#include "platform/ui/application.h"
#include "platform/ui/templatedialog.h"
#include "platform/ui/window.h"

namespace ui {
namespace {

res::DialogTemplate Captioned(int id, const char* caption) {
    return res::DialogTemplate(id, res::DialogFont("MS Shell Dlg", 8), {100, 50}, caption, res::kCaption, {});
}

AppConfig Config(const char* name) {
    AppConfig c;
    c.dpi_variable = std::string(name) + "_DPI";
    c.language_file = std::string(name) + ".ini";
    c.instance_lock = name;
    return c;
}

// The caption a template dialog shows when opened on app; empty when it does not open.
std::string OpenedCaption(Application& app, int template_id) {
    std::string caption;
    app.SetModalObserver([&](Window& w) {
        caption = w.GetWindowText();
        static_cast<Dialog&>(w).EndDialog(IDCANCEL);
    });
    TemplateDialog dialog(template_id, nullptr, &app);
    const int result = dialog.DoModal();
    app.SetModalObserver({});
    return result == IDCANCEL ? caption : "";
}

TEST(Application, TwoApplicationsKeepTheirOwnConfigTemplatesAndSkin) {
    Application a(std::make_unique<HeadlessBackend>(), Config("a"));
    Application b(std::make_unique<HeadlessBackend>(), Config("b"));
    ASSERT_TRUE(a.Dialogs().Add(Captioned(700, "A"), {sys::kLangEnglish, sys::kLangChinese}));
    ASSERT_TRUE(b.Dialogs().Add(Captioned(700, "B"), {sys::kLangEnglish, sys::kLangChinese}));
    ASSERT_TRUE(b.Dialogs().Add(Captioned(701, "B only"), {sys::kLangEnglish}));
    ASSERT_TRUE(a.Skin().Add(5, {4, 4}, [](gfx::Canvas&, gfx::Size) {}));

    EXPECT_EQ(OpenedCaption(a, 700), "A");
    EXPECT_EQ(OpenedCaption(b, 700), "B");
    EXPECT_EQ(OpenedCaption(b, 701), "B only");
    EXPECT_EQ(OpenedCaption(a, 701), "") << "a template of the other application is unknown here";
    EXPECT_TRUE(a.Skin().Contains(5));
    EXPECT_FALSE(b.Skin().Contains(5));
    EXPECT_EQ(a.Config().language_file, "a.ini");
    EXPECT_EQ(b.Config().instance_lock, "b");
}

TEST(HeadlessBackend, ANativeRecordLivesAsLongAsItsTopLevelWindow) {
    Application app(std::make_unique<HeadlessBackend>());
    HeadlessBackend& hl = *app.Headless();
    Window top(&app);
    Window child(&app);
    ASSERT_TRUE(top.CreateTopLevel(gfx::RectFromSize(10, 20, 200, 100), "first", WS_CAPTION));
    ASSERT_TRUE(child.Create(&top, 1, {0, 0, 10, 10}));
    ASSERT_EQ(hl.Natives().size(), 1u) << "a child window has no native side";
    EXPECT_EQ(child.Native(), nullptr);
    const HeadlessNative* native = hl.Natives().front().get();
    EXPECT_EQ(top.Native(), native);
    EXPECT_EQ(native->window, top.Handle());
    EXPECT_EQ(native->title, "first");
    EXPECT_FALSE(native->shown) << "made hidden";

    top.ShowWindow(SW_SHOW);
    top.SetWindowText("second");
    top.MoveWindow(gfx::RectFromSize(30, 40, 200, 100));
    EXPECT_TRUE(native->shown);
    EXPECT_EQ(native->title, "second");
    EXPECT_EQ(native->screen, gfx::RectFromSize(30, 40, 200, 100));
    child.SetWindowText("a child's text is no title");
    EXPECT_EQ(native->title, "second");

    top.DestroyWindow();
    EXPECT_TRUE(hl.Natives().empty());
    EXPECT_EQ(top.Native(), nullptr);
}

}  // namespace
}  // namespace ui
