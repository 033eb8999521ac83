#include "platform/ui/fileportal.h"

#include <gio/gio.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string_view>
#include <thread>

#include "platform/backend/backend.h"
#include "platform/ui/application.h"
#include "platform/ui/filedialogresponder.h"
#include "platform/ui/window.h"

namespace ui {

namespace {

constexpr const char* kPortalName = "org.freedesktop.portal.Desktop";
constexpr const char* kPortalPath = "/org/freedesktop/portal/desktop";

std::map<Application*, std::string>& Buses() {
    static std::map<Application*, std::string> buses;
    return buses;
}

// A filter entry as the portal takes it: its description and its patterns as globs ("*.*" is "*").
GVariant* FilterVariant(const FileFilter::Entry& e) {
    GVariantBuilder patterns;
    g_variant_builder_init(&patterns, G_VARIANT_TYPE("a(us)"));
    std::string_view rest = e.patterns;
    while (!rest.empty()) {
        const std::size_t semi = rest.find(';');
        std::string glob(rest.substr(0, semi));
        rest = semi == std::string_view::npos ? std::string_view() : rest.substr(semi + 1);
        if (glob.empty()) continue;
        if (glob == "*.*") glob = "*";
        g_variant_builder_add(&patterns, "(us)", 0u, glob.c_str());
    }
    return g_variant_new("(sa(us))", e.description.c_str(), &patterns);
}

// One request. The context is made and freed by the UI thread, so waking the worker is always safe.
struct Conversation {
    std::atomic<bool> done{false};
    std::atomic<bool> stop{false};
    GMainContext* context = g_main_context_new();
    FilePortalResult result;
    ~Conversation() { g_main_context_unref(context); }
};

void OnResponse(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*, GVariant* parameters,
                gpointer data) {
    auto* c = static_cast<Conversation*>(data);
    guint32 code = 2;
    GVariant* results = nullptr;
    g_variant_get(parameters, "(u@a{sv})", &code, &results);
    if (code == 0) {
        const gchar** uris = nullptr;
        if (results && g_variant_lookup(results, "uris", "^a&s", &uris) && uris && uris[0]) {
            if (gchar* file = g_filename_from_uri(uris[0], nullptr, nullptr)) {
                c->result = {FilePortalResult::Outcome::kChosen, file};
                g_free(file);
            }
        }
        g_free(uris);
    } else if (code == 1) {
        c->result = {FilePortalResult::Outcome::kCancelled, {}};
    }
    if (results) g_variant_unref(results);
    c->done = true;
}

void Converse(Conversation& c, const std::string& address, const FilePortalRequest& r) {
    GMainContext* context = c.context;
    g_main_context_push_thread_default(context);
    GError* error = nullptr;
    gchar* bus = address.empty() ? g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SESSION, nullptr, &error)
                                 : g_strdup(address.c_str());
    GDBusConnection* connection =
        bus ? g_dbus_connection_new_for_address_sync(
                  bus,
                  GDBusConnectionFlags(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                       G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
                  nullptr, nullptr, &error)
            : nullptr;
    g_free(bus);
    if (connection) {
        // The answer is subscribed to before the call, on the path our token makes, so none is lost.
        std::string sender = g_dbus_connection_get_unique_name(connection);
        if (!sender.empty() && sender[0] == ':') sender.erase(0, 1);
        for (char& ch : sender) ch = ch == '.' ? '_' : ch;
        static std::atomic<unsigned> serial{0};
        const std::string token = "dsp" + std::to_string(++serial);
        const std::string requestPath = std::string(kPortalPath) + "/request/" + sender + "/" + token;
        const guint subscription = g_dbus_connection_signal_subscribe(
            connection, nullptr, "org.freedesktop.portal.Request", "Response", requestPath.c_str(), nullptr,
            G_DBUS_SIGNAL_FLAGS_NONE, &OnResponse, &c, nullptr);

        GVariantBuilder options;
        g_variant_builder_init(&options, G_VARIANT_TYPE_VARDICT);
        g_variant_builder_add(&options, "{sv}", "handle_token", g_variant_new_string(token.c_str()));
        g_variant_builder_add(&options, "{sv}", "modal", g_variant_new_boolean(TRUE));
        if (!r.filters.empty()) {
            GVariantBuilder filters;
            g_variant_builder_init(&filters, G_VARIANT_TYPE("a(sa(us))"));
            for (const FileFilter::Entry& e : r.filters) g_variant_builder_add_value(&filters, FilterVariant(e));
            g_variant_builder_add(&options, "{sv}", "filters", g_variant_builder_end(&filters));
            g_variant_builder_add(&options, "{sv}", "current_filter", FilterVariant(r.filters.front()));
        }
        if (!r.open) g_variant_builder_add(&options, "{sv}", "current_name", g_variant_new_string(r.currentName.c_str()));
        if (!r.currentFolder.empty())
            g_variant_builder_add(&options, "{sv}", "current_folder", g_variant_new_bytestring(r.currentFolder.c_str()));
        GVariant* reply = g_dbus_connection_call_sync(
            connection, kPortalName, kPortalPath, "org.freedesktop.portal.FileChooser",
            r.open ? "OpenFile" : "SaveFile",
            g_variant_new("(ssa{sv})", r.parent.c_str(), r.title.c_str(), &options), G_VARIANT_TYPE("(o)"),
            G_DBUS_CALL_FLAGS_NONE, -1, nullptr, &error);
        if (reply) {
            g_variant_unref(reply);
            while (!c.done && !c.stop) g_main_context_iteration(context, TRUE);
            if (c.stop && !c.done) {
                // The program closes: the request goes with it.
                GVariant* closed = g_dbus_connection_call_sync(connection, kPortalName, requestPath.c_str(),
                                                               "org.freedesktop.portal.Request", "Close", nullptr,
                                                               nullptr, G_DBUS_CALL_FLAGS_NONE, 1000, nullptr, nullptr);
                if (closed) g_variant_unref(closed);
            }
        }
        g_dbus_connection_signal_unsubscribe(connection, subscription);
        g_dbus_connection_close_sync(connection, nullptr, nullptr);
        g_object_unref(connection);
    }
    if (error) g_error_free(error);
    g_main_context_pop_thread_default(context);
    c.done = true;
}

}  // namespace

void SetFilePortalBus(Application& app, std::string address) {
    Buses()[&app] = std::move(address);
}

void ClearFilePortalBus(Application& app) {
    Buses().erase(&app);
}

bool FilePortalBus(Application& app, std::string& address) {
    if (auto it = Buses().find(&app); it != Buses().end()) {
        address = it->second;
        return true;
    }
    const char* choice = std::getenv("DSP_CONSOLE_FILE_DIALOG");
    if (choice && std::string_view(choice) == "builtin") return false;
    if (GetFileDialogResponder(app) || std::string_view(app.GetBackend().Name()) != "sdl") return false;
    address.clear();
    return true;
}

std::string PortalParent(Application& app, Window* owner) {
    Window* top = owner && owner->IsCreated() ? owner->GetTopLevel() : nullptr;
    const NativeWindow* native = top ? top->Native() : nullptr;
    const unsigned long id = native ? app.GetBackend().X11WindowId(*native) : 0;
    if (!id) return {};
    char text[32];
    std::snprintf(text, sizeof text, "x11:%lx", id);
    return text;
}

FilePortalResult AskFilePortal(Application& app, Window* owner, const std::string& address,
                               const FilePortalRequest& request) {
    Conversation c;
    Window* disabled = owner && owner->IsCreated() ? owner : app.DefaultOwner();
    FilePortalRequest asked = request;
    if (asked.parent.empty()) asked.parent = PortalParent(app, disabled);
    const bool wasEnabled = disabled && disabled->IsWindowEnabled();
    if (wasEnabled) disabled->EnableWindow(false);
    std::thread worker([&] {
        Converse(c, address, asked);
        app.Post([] {});  // wakes the loop below
    });
    app.RunModalLoop([&] { return c.done.load() || app.QuitRequested(); });
    if (!c.done) {
        c.stop = true;
        while (!c.done) {
            g_main_context_wakeup(c.context);
            std::this_thread::yield();
        }
    }
    worker.join();
    if (wasEnabled && disabled->IsCreated()) disabled->EnableWindow(true);
    return c.result;
}

}  // namespace ui
