#pragma once

#include <QtGlobal>

#ifndef Q_OS_WIN
#include <csignal>
#include <sys/resource.h>
#endif

// While it lives, no file of the test may grow past a few kilobytes: writes fail as they do on a
// full disk, without root or a real full disk. Windows has no such limit: there isSet() is false.
class FullDisk
{
public:
    explicit FullDisk([[maybe_unused]] unsigned long long bytes = 4096)
    {
#ifndef Q_OS_WIN
        std::signal(SIGXFSZ, SIG_IGN);
        m_set = getrlimit(RLIMIT_FSIZE, &m_old) == 0;
        rlimit tight = m_old;
        tight.rlim_cur = rlim_t(bytes);
        m_set = m_set && setrlimit(RLIMIT_FSIZE, &tight) == 0;
#endif
    }
    ~FullDisk()
    {
#ifndef Q_OS_WIN
        if (m_set)
            setrlimit(RLIMIT_FSIZE, &m_old);
#endif
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool isSet() const
    {
        return m_set;
    }

private:
#ifndef Q_OS_WIN
    rlimit m_old {};
#endif
    bool m_set = false;
};
