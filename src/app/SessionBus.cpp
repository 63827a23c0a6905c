#include "app/SessionBus.h"

#include <QGuiApplication>

#ifdef KERLANIC_WITH_DBUS
#include <QDBusConnection>
#endif

SessionBusConnection::SessionBusConnection()
{
#ifdef KERLANIC_WITH_DBUS
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")))
        m_connecting = std::thread([] { QDBusConnection::sessionBus(); });
#endif
}

SessionBusConnection::~SessionBusConnection()
{
    if (m_connecting.joinable())
        m_connecting.join();
}
