#pragma once

namespace velora {

// Whether the desktop starts the program when the user logs in.
class StartAtLogin {
public:
    enum class State {
        off,
        on,
        // The user turned the program's entry off in the desktop's own startup settings; the
        // program leaves that choice alone.
        disabledByUser,
    };

    virtual ~StartAtLogin();

    virtual State state() const = 0;
    // Answers whether the desktop now does as asked; a choice the user made in the desktop's
    // settings is kept, and turning on then answers false.
    virtual bool setEnabled(bool enabled) = 0;
};

} // namespace velora
