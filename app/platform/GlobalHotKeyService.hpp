#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace velora {

// System-wide key combinations that reach this process whichever application is in front.
// Key codes and modifier bits are in the stored convention: Space 49, R 15; Command 256,
// Shift 512, Option 2048, Control 4096.
class GlobalHotKeyService {
public:
    using Handle = std::uint64_t;
    using Status = std::int32_t;

    // Status 0 comes with a handle; any other status is the platform's reason for refusing.
    struct Registration {
        Status status = 0;
        std::optional<Handle> handle;
    };

    virtual ~GlobalHotKeyService();

    // False where this session offers the program no way to register a global shortcut; the
    // user then binds `veloramac --read-selection` in the desktop's own settings.
    virtual bool available() const = 0;

    // `pressed` runs on the main thread, inside the platform's event dispatch, for every press
    // of any combination registered here.
    virtual void installHandler(std::function<void()> pressed) = 0;
    virtual Registration registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers) = 0;
    virtual void unregisterHotKey(Handle handle) = 0;
};

} // namespace velora
