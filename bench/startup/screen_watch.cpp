// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/startup/screen_watch.h"

#include <xcb/damage.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

#include <poll.h>

namespace {

// A reply of libxcb, freed with free().
template <class Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <class Reply>
Owned<Reply> own(Reply* reply)
{
    return Owned<Reply>(reply, &std::free);
}

// Whether an image read back from a window shows anything but black, in the 24 colour bits of
// each 32-bit pixel (the byte beyond them holds nothing that is shown).
bool anyColour(const uint8_t* data, int length, int pixels)
{
    if (length != pixels * 4)
        return std::any_of(data, data + length, [](uint8_t byte) { return byte != 0; });
    for (int i = 0; i < pixels; ++i) {
        uint32_t pixel = 0;
        std::memcpy(&pixel, data + 4 * i, 4);
        if ((pixel & 0xffffffu) != 0)
            return true;
    }
    return false;
}

} // namespace

ScreenWatch::ScreenWatch(const std::string& display)
{
    int screenNumber = 0;
    connection_ = xcb_connect(display.c_str(), &screenNumber);
    if (xcb_connection_has_error(connection_))
        return;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    root_ = screens.data->root;
    // The extension answers only a client that has told it the version it speaks.
    const auto version = own(xcb_damage_query_version_reply(
        connection_, xcb_damage_query_version(connection_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
    if (!version || !damage || !damage->present)
        return;
    pidAtom_ = atom("_NET_WM_PID");
    nameAtom_ = atom("_NET_WM_NAME");
    utf8Atom_ = atom("UTF8_STRING");
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &events);
    xcb_flush(connection_);
    damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
}

ScreenWatch::~ScreenWatch()
{
    xcb_disconnect(connection_);
}

xcb_atom_t ScreenWatch::atom(const char* name) const
{
    const auto reply = own(xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::optional<ScreenWatch::Painted> ScreenWatch::firstPaintedWindow(const std::function<bool(pid_t)>& whose,
                                                                    Clock::time_point deadline)
{
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            const Clock::time_point at = Clock::now();
            const std::optional<xcb_window_t> window = handle(*event, whose);
            std::free(event);
            if (window)
                return Painted{*window, windows_[*window].pid, titleOf(*window), at};
        }
        if (xcb_connection_has_error(connection_) || !waitForEvent(deadline))
            return std::nullopt;
    }
}

bool ScreenWatch::waitUntilNoWindow(Clock::time_point deadline)
{
    const auto none = [this] {
        return std::none_of(windows_.begin(), windows_.end(), [](const auto& w) { return w.second.mapped; });
    };
    while (!none()) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            handle(*event, [](pid_t) { return false; });
            std::free(event);
        }
        if (!none() && (xcb_connection_has_error(connection_) || !waitForEvent(deadline)))
            return false;
    }
    return true;
}

std::optional<ScreenWatch::Clock::time_point> ScreenWatch::waitForButton(bool down, Clock::time_point deadline) const
{
    // Asked again and again, only for the few milliseconds that the click tool takes.
    while (Clock::now() < deadline) {
        const auto pointer = own(xcb_query_pointer_reply(connection_, xcb_query_pointer(connection_, root_), nullptr));
        if (!pointer)
            return std::nullopt;
        if (bool(pointer->mask & XCB_KEY_BUT_MASK_BUTTON_1) == down)
            return Clock::now();
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    return std::nullopt;
}

bool ScreenWatch::waitForEvent(Clock::time_point deadline) const
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0)
        return false;
    pollfd descriptor{xcb_get_file_descriptor(connection_), POLLIN, 0};
    return ::poll(&descriptor, 1, static_cast<int>(left)) > 0;
}

std::optional<xcb_window_t> ScreenWatch::handle(const xcb_generic_event_t& event,
                                                const std::function<bool(pid_t)>& whose)
{
    xcb_window_t shown = XCB_WINDOW_NONE;
    const uint8_t type = event.response_type & 0x7f;
    if (type == XCB_CREATE_NOTIFY) {
        const auto& created = reinterpret_cast<const xcb_create_notify_event_t&>(event);
        if (created.parent != root_)
            return std::nullopt;
        windows_[created.window] = {};
        // Watched from before its program can draw into it.
        xcb_damage_create(connection_, xcb_generate_id(connection_), created.window,
                          XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        xcb_flush(connection_);
    } else if (type == XCB_MAP_NOTIFY) {
        shown = reinterpret_cast<const xcb_map_notify_event_t&>(event).window;
        if (windows_.count(shown))
            windows_[shown].mapped = true;
    } else if (type == XCB_UNMAP_NOTIFY) {
        if (const auto w = windows_.find(reinterpret_cast<const xcb_unmap_notify_event_t&>(event).window);
            w != windows_.end())
            w->second.mapped = false;
    } else if (type == XCB_DESTROY_NOTIFY) {
        windows_.erase(reinterpret_cast<const xcb_destroy_notify_event_t&>(event).window);
    } else if (type == damageEvent_) {
        const auto& damaged = reinterpret_cast<const xcb_damage_notify_event_t&>(event);
        // Reported again at the next drawing only once this report is taken.
        xcb_damage_subtract(connection_, damaged.damage, XCB_NONE, XCB_NONE);
        xcb_flush(connection_);
        shown = damaged.drawable;
    }
    // A paint that came before the map was seen is found at the map.
    const auto w = windows_.find(shown);
    if (w == windows_.end() || !w->second.mapped || !whose(processOf(shown)) || !painted(shown))
        return std::nullopt;
    return shown;
}

bool ScreenWatch::painted(xcb_window_t window) const
{
    const auto geometry = own(xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
    if (!geometry)
        return false;
    const auto image = own(xcb_get_image_reply(
        connection_,
        xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, geometry->width, geometry->height, ~0u),
        nullptr));
    return image && anyColour(xcb_get_image_data(image.get()), xcb_get_image_data_length(image.get()),
                              geometry->width * geometry->height);
}

pid_t ScreenWatch::processOf(xcb_window_t window)
{
    Window& known = windows_[window];
    if (known.pid != 0)
        return known.pid;
    const auto reply = own(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (reply && xcb_get_property_value_length(reply.get()) == 4)
        std::memcpy(&known.pid, xcb_get_property_value(reply.get()), 4);
    return known.pid;
}

std::string ScreenWatch::titleOf(xcb_window_t window) const
{
    using Property = std::pair<xcb_atom_t, xcb_atom_t>;   // name, type
    for (const auto& [name, type] : {Property{nameAtom_, utf8Atom_}, Property{XCB_ATOM_WM_NAME, XCB_ATOM_STRING}}) {
        const auto reply = own(xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, window, name, type, 0, 256), nullptr));
        if (reply && xcb_get_property_value_length(reply.get()) > 0)
            return {static_cast<const char*>(xcb_get_property_value(reply.get())),
                    static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
    }
    return {};
}
