// The desktop's file chooser, against a fake portal on a private session bus.
#include <gio/gio.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/backend/headless.h"
#include "platform/ui/application.h"
#include "platform/ui/filedialog.h"
#include "platform/ui/filedialogresponder.h"
#include "platform/ui/fileportal.h"
#include "platform/ui/messagebox.h"

namespace {

namespace fs = std::filesystem;

// dbus-daemon on a temporary address, for the life of the object.
class PrivateBus {
  public:
    PrivateBus() {
        dir_ = fs::temp_directory_path() / ("portalbus-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        int out[2];
        if (pipe(out) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], 1);
            close(out[0]);
            const std::string listen = "--address=unix:dir=" + dir_.string();
            execlp("dbus-daemon", "dbus-daemon", "--session", "--nofork", "--print-address=1", listen.c_str(),
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(out[1]);
        char buf[512];
        std::string line;
        ssize_t n;
        while (line.find('\n') == std::string::npos && (n = read(out[0], buf, sizeof buf)) > 0) line.append(buf, n);
        close(out[0]);
        address_ = line.substr(0, line.find('\n'));
    }
    ~PrivateBus() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        fs::remove_all(dir_);
    }
    const std::string& Address() const { return address_; }

  private:
    fs::path dir_;
    pid_t pid_ = -1;
    std::string address_;
};

constexpr const char* kIntrospection = R"(<node>
  <interface name="org.freedesktop.portal.FileChooser">
    <method name="OpenFile"><arg type="s" direction="in"/><arg type="s" direction="in"/>
      <arg type="a{sv}" direction="in"/><arg type="o" direction="out"/></method>
    <method name="SaveFile"><arg type="s" direction="in"/><arg type="s" direction="in"/>
      <arg type="a{sv}" direction="in"/><arg type="o" direction="out"/></method>
  </interface>
</node>)";

// A portal that records each request and answers it with a response code and a chosen file.
class FakePortal {
  public:
    struct Request {
        std::string method, title, filters, currentFilter, currentName;
        bool modal = false;
        std::string parent;
    };
    explicit FakePortal(const std::string& address) {
        context_ = g_main_context_new();
        g_main_context_push_thread_default(context_);
        connection_ = g_dbus_connection_new_for_address_sync(
            address.c_str(),
            GDBusConnectionFlags(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                 G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
            nullptr, nullptr, nullptr);
        GDBusNodeInfo* info = g_dbus_node_info_new_for_xml(kIntrospection, nullptr);
        static const GDBusInterfaceVTable vtable = {&FakePortal::OnCall, nullptr, nullptr, {}};
        g_dbus_connection_register_object(connection_, "/org/freedesktop/portal/desktop", info->interfaces[0],
                                          &vtable, this, nullptr, nullptr);
        g_dbus_node_info_unref(info);
        GVariant* r = g_dbus_connection_call_sync(connection_, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                  "org.freedesktop.DBus", "RequestName",
                                                  g_variant_new("(su)", "org.freedesktop.portal.Desktop", 4u),
                                                  nullptr, G_DBUS_CALL_FLAGS_NONE, -1, nullptr, nullptr);
        if (r) g_variant_unref(r);
        g_main_context_pop_thread_default(context_);
        loop_ = g_main_loop_new(context_, FALSE);
        thread_ = std::thread([this] {
            g_main_context_push_thread_default(context_);
            g_main_loop_run(loop_);
            g_main_context_pop_thread_default(context_);
        });
    }
    ~FakePortal() {
        g_main_loop_quit(loop_);
        thread_.join();
        g_dbus_connection_close_sync(connection_, nullptr, nullptr);
        g_object_unref(connection_);
        g_main_loop_unref(loop_);
        g_main_context_unref(context_);
    }
    void Answer(guint32 code, std::string file) {
        std::lock_guard lock(mutex_);
        code_ = code, file_ = std::move(file);
    }
    std::vector<Request> Requests() const {
        std::lock_guard lock(mutex_);
        return requests_;
    }

  private:
    static void OnCall(GDBusConnection* connection, const gchar* sender, const gchar*, const gchar*,
                       const gchar* method, GVariant* parameters, GDBusMethodInvocation* invocation, gpointer data) {
        auto* self = static_cast<FakePortal*>(data);
        const gchar* parent = nullptr;
        const gchar* title = nullptr;
        GVariant* options = nullptr;
        g_variant_get(parameters, "(&s&s@a{sv})", &parent, &title, &options);
        Request r{method, title, "", "", "", false, parent};
        if (GVariant* f = g_variant_lookup_value(options, "filters", nullptr)) {
            gchar* text = g_variant_print(f, FALSE);
            r.filters = text;
            g_free(text);
            g_variant_unref(f);
        }
        if (GVariant* f = g_variant_lookup_value(options, "current_filter", nullptr)) {
            gchar* text = g_variant_print(f, FALSE);
            r.currentFilter = text;
            g_free(text);
            g_variant_unref(f);
        }
        const gchar* name = nullptr;
        if (g_variant_lookup(options, "current_name", "&s", &name)) r.currentName = name;
        gboolean modal = FALSE;
        g_variant_lookup(options, "modal", "b", &modal);
        r.modal = modal;
        const gchar* token = "t";
        g_variant_lookup(options, "handle_token", "&s", &token);
        std::string who = sender + 1;
        for (char& ch : who) ch = ch == '.' ? '_' : ch;
        const std::string path = std::string("/org/freedesktop/portal/desktop/request/") + who + "/" + token;
        g_variant_unref(options);
        guint32 code;
        std::string file;
        {
            std::lock_guard lock(self->mutex_);
            self->requests_.push_back(r);
            code = self->code_;
            file = self->file_;
        }
        g_dbus_method_invocation_return_value(invocation, g_variant_new("(o)", path.c_str()));
        GVariantBuilder results;
        g_variant_builder_init(&results, G_VARIANT_TYPE_VARDICT);
        if (code == 0) {
            gchar* uri = g_filename_to_uri(file.c_str(), nullptr, nullptr);
            const gchar* uris[] = {uri, nullptr};
            g_variant_builder_add(&results, "{sv}", "uris", g_variant_new_strv(uris, 1));
            g_free(uri);
        }
        g_dbus_connection_emit_signal(connection, sender, path.c_str(), "org.freedesktop.portal.Request",
                                      "Response", g_variant_new("(ua{sv})", code, &results), nullptr);
    }

    GMainContext* context_ = nullptr;
    GMainLoop* loop_ = nullptr;
    GDBusConnection* connection_ = nullptr;
    std::thread thread_;
    mutable std::mutex mutex_;
    guint32 code_ = 1;
    std::string file_;
    std::vector<Request> requests_;
};

class FilePortalTest : public ::testing::Test {
  protected:
    FilePortalTest() : app(std::make_unique<ui::HeadlessBackend>()) {
        dir = fs::temp_directory_path() / ("portal-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    ~FilePortalTest() override { fs::remove_all(dir); }
    ui::Application app;
    fs::path dir;
};

// The four commands' requests: method, title, filters, current filter, proposed name, modal.
TEST_F(FilePortalTest, EachRequestCarriesWhatOurDialogWouldShow) {
    PrivateBus bus;
    ASSERT_FALSE(bus.Address().empty());
    FakePortal portal(bus.Address());
    ui::SetFilePortalBus(app, bus.Address());
    struct Case {
        bool open;
        const char* ext;
        const char* name;
        const char* filter;
        const char* title;
        FakePortal::Request expected;
    } cases[] = {
        {false, "txt", "CarModel_Data", "Text(*.txt)|*.txt|All(*.*)|*.*||", "Save",
         {"SaveFile", "Save", "[('Text(*.txt)', [(0, '*.txt')]), ('All(*.*)', [(0, '*')])]",
          "('Text(*.txt)', [(0, '*.txt')])", "CarModel_Data", true, ""}},
        {true, "txt", "", "(*.txt)|*.txt|(*.*)|*.*||", nullptr,
         {"OpenFile", "Open", "[('(*.txt)', [(0, '*.txt')]), ('(*.*)', [(0, '*')])]", "('(*.txt)', [(0, '*.txt')])",
          "", true, ""}},
        {false, "txt", "UserEq", "文本文件(*.c)|*.c|所有文件(*.*)|*.*||", "导出",
         {"SaveFile", "导出", "[('文本文件(*.c)', [(0, '*.c')]), ('所有文件(*.*)', [(0, '*')])]",
          "('文本文件(*.c)', [(0, '*.c')])", "UserEq", true, ""}},
        {true, "img", "", "(*.img)|*.img|(*.*)|*.*||", nullptr,
         {"OpenFile", "Open", "[('(*.img)', [(0, '*.img')]), ('(*.*)', [(0, '*')])]", "('(*.img)', [(0, '*.img')])",
          "", true, ""}},
    };
    portal.Answer(1, "");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title ? c.title : c.ext);
        ui::FileDialog d(c.open, c.ext, c.name, ui::OFN_HIDEREADONLY | ui::OFN_OVERWRITEPROMPT, c.filter, nullptr,
                         &app);
        if (c.title) d.SetTitle(c.title);
        EXPECT_EQ(d.DoModal(), ui::IDCANCEL) << "response 1 is Cancel";
        const auto requests = portal.Requests();
        ASSERT_FALSE(requests.empty());
        const FakePortal::Request& r = requests.back();
        EXPECT_EQ(r.method, c.expected.method);
        EXPECT_EQ(r.title, c.expected.title);
        EXPECT_EQ(r.filters, c.expected.filters);
        EXPECT_EQ(r.currentFilter, c.expected.currentFilter);
        EXPECT_EQ(r.currentName, c.expected.currentName);
        EXPECT_TRUE(r.modal);
        EXPECT_EQ(r.parent, "") << "the headless backend has no X windows";
    }
    ui::ClearFilePortalBus(app);
}

// A backend whose windows are X windows, as the SDL backend's are on X11.
class X11Backend : public ui::HeadlessBackend {
  public:
    unsigned long X11WindowId(const ui::NativeWindow&) const override { return 0x1e0000aUL; }
};

// The parent is the owner's top-level window (a child owner's too, and the main window for no owner) as
// "x11:" and its id in lowercase hex; no window, no parent.
TEST(FilePortalParentTest, IsTheOwnersTopLevelXWindow) {
    ui::Application app(std::make_unique<X11Backend>());
    PrivateBus bus;
    ASSERT_FALSE(bus.Address().empty());
    FakePortal portal(bus.Address());
    ui::SetFilePortalBus(app, bus.Address());
    ui::Window top(&app), child(&app);
    ASSERT_TRUE(top.CreateTopLevel(gfx::RectFromSize(0, 0, 300, 200), "owner", ui::WS_VISIBLE));
    ASSERT_TRUE(child.Create(&top, 5, gfx::RectFromSize(10, 10, 50, 20)));
    struct Case {
        const char* name;
        ui::Window* owner;
        bool mainWindow;
        const char* parent;
    } cases[] = {
        {"no window", nullptr, false, ""},
        {"top-level owner", &top, false, "x11:1e0000a"},
        {"child owner", &child, false, "x11:1e0000a"},
        {"the main window", nullptr, true, "x11:1e0000a"},
    };
    portal.Answer(1, "");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app.SetMainWindow(c.mainWindow ? &top : nullptr);
        ui::FileDialog d(true, "txt", "", ui::OFN_HIDEREADONLY, "(*.txt)|*.txt||", c.owner, &app);
        EXPECT_EQ(d.DoModal(), ui::IDCANCEL);
        ASSERT_FALSE(portal.Requests().empty());
        EXPECT_EQ(portal.Requests().back().parent, c.parent);
    }
    app.SetMainWindow(nullptr);
    ui::ClearFilePortalBus(app);
}

TEST_F(FilePortalTest, ANameWithoutExtensionGetsItAndAsksWhenThatFileExists) {
    PrivateBus bus;
    FakePortal portal(bus.Address());
    ui::SetFilePortalBus(app, bus.Address());
    ui::MessageBoxRecorder boxes(app, ui::IDNO);
    portal.Answer(0, (dir / "scene").string());
    {
        ui::FileDialog d(false, "txt", "", ui::OFN_OVERWRITEPROMPT, "(*.txt)|*.txt||", nullptr, &app);
        ASSERT_EQ(d.DoModal(), ui::IDOK);
        EXPECT_EQ(d.GetPathName(), (dir / "scene.txt").string());
        EXPECT_TRUE(boxes.Boxes().empty());
    }
    std::ofstream(dir / "scene.txt") << "x";
    {
        ui::FileDialog d(false, "txt", "", ui::OFN_OVERWRITEPROMPT, "(*.txt)|*.txt||", nullptr, &app);
        EXPECT_EQ(d.DoModal(), ui::IDCANCEL) << "No to the question";
        EXPECT_EQ(boxes.Boxes().size(), 1u);
    }
    // A name the portal gave with its extension was asked about there.
    portal.Answer(0, (dir / "scene.txt").string());
    {
        ui::FileDialog d(false, "txt", "", ui::OFN_OVERWRITEPROMPT, "(*.txt)|*.txt||", nullptr, &app);
        EXPECT_EQ(d.DoModal(), ui::IDOK);
        EXPECT_EQ(boxes.Boxes().size(), 1u);
    }
    ui::ClearFilePortalBus(app);
}

TEST_F(FilePortalTest, ResponseTwoAndABusWithoutThePortalFallBackToOurDialog) {
    PrivateBus bus;
    ui::FileDialogRecorder ours(app);
    ours.QueueAnswer((dir / "a.txt").string());
    ours.QueueAnswer((dir / "b.txt").string());
    {
        // No portal on the bus.
        ui::SetFilePortalBus(app, bus.Address());
        ui::FileDialog d(false, "txt", "CarModel_Data", ui::OFN_OVERWRITEPROMPT, "(*.txt)|*.txt||", nullptr, &app);
        d.SetTitle("Save");
        EXPECT_EQ(d.DoModal(), ui::IDOK);
        EXPECT_EQ(d.GetPathName(), (dir / "a.txt").string());
    }
    FakePortal portal(bus.Address());
    portal.Answer(2, "");
    {
        ui::FileDialog d(false, "txt", "CarModel_Data", ui::OFN_OVERWRITEPROMPT, "(*.txt)|*.txt||", nullptr, &app);
        d.SetTitle("Save");
        EXPECT_EQ(d.DoModal(), ui::IDOK);
        EXPECT_EQ(d.GetPathName(), (dir / "b.txt").string());
    }
    ASSERT_EQ(ours.Dialogs().size(), 2u);
    for (const ui::FileDialogRecord& r : ours.Dialogs()) {
        EXPECT_EQ(r.title, "Save");
        EXPECT_EQ(r.filter, "(*.txt)|*.txt||");
        EXPECT_EQ(r.file_name, "CarModel_Data");
        EXPECT_EQ(r.default_ext, "txt");
    }
    EXPECT_EQ(portal.Requests().size(), 1u);
    ui::ClearFilePortalBus(app);
}

}  // namespace
