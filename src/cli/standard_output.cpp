#include "standard_output.h"

#include "cli_app.h"

#include "format/atomic_file.h"

#include <cerrno>
#include <csignal>

#include <unistd.h>

namespace mw::cli {

StandardOutput::Buffer::Buffer(int fd) : m_fd(fd)
{
    setp(m_data, m_data + sizeof m_data);
}

bool StandardOutput::Buffer::writeAll(const char* bytes, std::size_t count)
{
    while (count > 0 && !m_error) {
        const ssize_t written = ::write(m_fd, bytes, count);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            m_error = written < 0 ? std::error_code(errno, std::generic_category())
                                  : std::make_error_code(std::errc::io_error);
            break;
        }
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
    return !m_error;
}

bool StandardOutput::Buffer::flushBuffer()
{
    const bool written = writeAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(m_data, m_data + sizeof m_data);
    return written;
}

StandardOutput::Buffer::int_type StandardOutput::Buffer::overflow(int_type c)
{
    if (!flushBuffer()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int StandardOutput::Buffer::sync()
{
    return flushBuffer() ? 0 : -1;
}

std::streamsize StandardOutput::Buffer::xsputn(const char* bytes, std::streamsize count)
{
    // Large writes (a PDF) go out directly instead of through the buffer.
    if (count > epptr() - pptr()) {
        if (!flushBuffer() || !writeAll(bytes, static_cast<std::size_t>(count))) {
            return 0;
        }
        return count;
    }
    return std::streambuf::xsputn(bytes, count);
}

StandardOutput::StandardOutput(int fd) : m_buffer(fd), m_stream(&m_buffer)
{
    ignoreFileSizeSignal();
    struct sigaction current = {};
    if (::sigaction(SIGPIPE, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
        std::signal(SIGPIPE, SIG_IGN);
    }
}

std::error_code StandardOutput::finish()
{
    m_stream.flush();
    if (const std::error_code error = m_buffer.error()) {
        return error;
    }
    return m_stream.good() ? std::error_code() : std::make_error_code(std::errc::io_error);
}

int finishStandardOutput(StandardOutput& output, int code, std::ostream& err)
{
    const std::error_code error = output.finish();
    if (!error) {
        return code;
    }
    err << "mealwright-cli: Cannot write standard output: " << describeSaveError(error) << '\n';
    return code == kExitSuccess ? kExitFile : code;
}

} // namespace mw::cli
