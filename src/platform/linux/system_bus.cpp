// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/system_bus.h"

#include <cerrno>
#include <cstring>

#include <dlfcn.h>

namespace parvola {

namespace {

// sd-bus's public types, whose layout its stable ABI fixes. The library is opened only when a call is made:
// linked, it and what it pulls in would cost every run of the command-line programs several milliseconds.
struct sd_bus;
struct sd_bus_message;
struct sd_bus_error {
    const char* name;
    const char* message;
    int need_free;
};

struct SdBus {
    int (*open_system)(sd_bus**) = nullptr;
    int (*set_method_call_timeout)(sd_bus*, std::uint64_t) = nullptr;
    int (*call_method)(sd_bus*, const char*, const char*, const char*, const char*, sd_bus_error*,
                       sd_bus_message**, const char*, ...) = nullptr;
    void (*error_free)(sd_bus_error*) = nullptr;
    sd_bus_message* (*message_unref)(sd_bus_message*) = nullptr;
    sd_bus* (*flush_close_unref)(sd_bus*) = nullptr;

    // Loaded once, and kept for the rest of the process.
    static const SdBus* Get() {
        static const SdBus* loaded = Load();
        return loaded;
    }

private:
    template <typename F> static bool Bind(void* library, const char* name, F& function) {
        function = reinterpret_cast<F>(::dlsym(library, name));
        return function != nullptr;
    }

    static const SdBus* Load() {
        void* library = ::dlopen("libsystemd.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!library) {
            return nullptr;
        }
        static SdBus bus;
        if (Bind(library, "sd_bus_open_system", bus.open_system) &&
            Bind(library, "sd_bus_set_method_call_timeout", bus.set_method_call_timeout) &&
            Bind(library, "sd_bus_call_method", bus.call_method) &&
            Bind(library, "sd_bus_error_free", bus.error_free) &&
            Bind(library, "sd_bus_message_unref", bus.message_unref) &&
            Bind(library, "sd_bus_flush_close_unref", bus.flush_close_unref)) {
            return &bus;
        }
        return nullptr;
    }
};

} // namespace

std::optional<std::string> CallSystemBus(const std::string& service, const std::string& object,
                                         const std::string& interface, const std::string& member,
                                         const std::string& text, std::uint64_t timeoutUs) {
    const SdBus* sd = SdBus::Get();
    if (!sd) {
        return "the system bus cannot be reached (libsystemd.so.0 cannot be loaded)";
    }
    sd_bus* bus = nullptr;
    // Without a system bus this fails at once: the socket is missing or refuses the connection.
    if (const int r = sd->open_system(&bus); r < 0) {
        return "the system bus cannot be reached (" + std::string(std::strerror(-r)) + ")";
    }
    sd->set_method_call_timeout(bus, timeoutUs);
    sd_bus_error error{nullptr, nullptr, 0};
    sd_bus_message* reply = nullptr;
    const int r =
        sd->call_method(bus, service.c_str(), object.c_str(), interface.c_str(), member.c_str(), &error,
                        &reply, "sa{sv}", text.c_str(), 1, "auth.no_user_interaction", "b", 1);
    std::optional<std::string> failure;
    if (r < 0) {
        failure = error.message ? error.message : error.name ? error.name : std::strerror(-r);
    }
    sd->error_free(&error);
    sd->message_unref(reply);
    sd->flush_close_unref(bus);
    return failure;
}

} // namespace parvola
