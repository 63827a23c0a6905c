#pragma once

#include <thread>

// Connects to the desktop's session D-Bus on another core, for as long as this object lives.
//
// Qt's accessibility bridge on X and Wayland connects to the session bus the first time a
// control changes state, and the main window disables its entry boxes while it is built. On a
// desktop without a session bus in the environment (X started by hand with a window manager, as
// light desktops do), that connection starts dbus-launch and waits for it: 6 to 9 ms of every
// start with nothing done. Made beside the building of the window, the connection is there when
// the bridge asks for it. Elsewhere (offscreen, Windows, macOS) nothing is started.
class SessionBusConnection
{
public:
    SessionBusConnection();
    ~SessionBusConnection();
    SessionBusConnection(const SessionBusConnection&) = delete;
    SessionBusConnection& operator=(const SessionBusConnection&) = delete;

private:
    std::thread m_connecting;
};
