#pragma once

class QWindow;

namespace velora {

// Window-manager hints that Qt has no API for. Each does nothing outside X11.
class X11WindowHints {
public:
    // On every workspace (_NET_WM_DESKTOP all), sticky, and left out of taskbars and pagers.
    // Call after the window was shown: a running window manager is asked by message, and the
    // properties are written for one that starts later.
    static void keepOnAllWorkspaces(QWindow& window);

    // Whether a compositing manager owns the _NET_WM_CM_S<screen> selection, so that alpha in
    // the window's pixels shows what lies behind.
    static bool compositorRunning();

    // Asks compositors that offer it to blur what shows through the whole window, or to stop.
    static void requestBlurBehind(QWindow& window, bool enabled);
};

} // namespace velora
