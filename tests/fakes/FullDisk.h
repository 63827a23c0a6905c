#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, no file of the test may grow past a few kilobytes: writes fail as they do on a
// full disk, without root or a real full disk.
class FullDisk
{
public:
    explicit FullDisk(rlim_t bytes = 4096)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        m_set = getrlimit(RLIMIT_FSIZE, &m_old) == 0;
        rlimit tight = m_old;
        tight.rlim_cur = bytes;
        m_set = m_set && setrlimit(RLIMIT_FSIZE, &tight) == 0;
    }
    ~FullDisk()
    {
        if (m_set)
            setrlimit(RLIMIT_FSIZE, &m_old);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool isSet() const { return m_set; }

private:
    rlimit m_old {};
    bool m_set = false;
};
