#pragma once

#include <ostream>
#include <streambuf>
#include <system_error>

namespace mw::cli {

// Standard output as a stream that remembers why it could not be written (a full device, a closed pipe, a
// file-size limit), so the tool can say so instead of failing silently or dying of a signal.
class StandardOutput
{
public:
    // Writes to the file descriptor fd (1 for standard output). A write to a closed pipe and one past the
    // file-size limit fail with an error instead of killing the process.
    explicit StandardOutput(int fd = 1);
    StandardOutput(const StandardOutput&) = delete;
    StandardOutput& operator=(const StandardOutput&) = delete;

    std::ostream& stream() { return m_stream; }
    // Writes out what is buffered; the first error any write met, empty when all went through.
    std::error_code finish();

private:
    class Buffer final : public std::streambuf
    {
    public:
        explicit Buffer(int fd);
        std::error_code error() const { return m_error; }

    protected:
        int_type overflow(int_type c) override;
        int sync() override;
        std::streamsize xsputn(const char* bytes, std::streamsize count) override;

    private:
        bool flushBuffer();
        bool writeAll(const char* bytes, std::size_t count);

        int m_fd;
        char m_data[1 << 16];
        std::error_code m_error;
    };

    Buffer m_buffer;
    std::ostream m_stream;
};

// The exit code once the command's output is written: a failed standard output is reported on err and turns
// success into exit code 2.
int finishStandardOutput(StandardOutput& output, int code, std::ostream& err);

} // namespace mw::cli
