#pragma once

#if __has_include(<sys/resource.h>)
#include <csignal>
#include <sys/resource.h>
#define MEALWRIGHT_HAVE_FILE_SIZE_LIMIT 1
#endif

namespace mw::test {

// Makes every write past maxBytes fail in this process, as a full disk would, until destroyed.
// Check available() first: without the limit the test has no way to make a write fail.
class FileSizeLimit
{
public:
    static constexpr bool available()
    {
#ifdef MEALWRIGHT_HAVE_FILE_SIZE_LIMIT
        return true;
#else
        return false;
#endif
    }

#ifdef MEALWRIGHT_HAVE_FILE_SIZE_LIMIT
    explicit FileSizeLimit(rlim_t maxBytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = maxBytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
#else
    explicit FileSizeLimit(unsigned long)
    {
    }
#endif
};

} // namespace mw::test
