#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace mw {

// Reads little-endian words from a byte buffer; a read that would pass the end returns nullopt
// and leaves the position where it was, so the caller can report the offset of the cut field.
class ByteReader
{
public:
    explicit ByteReader(std::string_view bytes) : m_bytes(bytes) {}

    std::size_t offset() const { return m_offset; }
    std::size_t remaining() const { return m_bytes.size() - m_offset; }

    std::optional<std::uint16_t> readU16()
    {
        if (remaining() < 2) {
            return std::nullopt;
        }
        const auto value = static_cast<std::uint16_t>(byteAt(0) | byteAt(1) << 8);
        m_offset += 2;
        return value;
    }

    std::optional<std::uint32_t> readU32()
    {
        if (remaining() < 4) {
            return std::nullopt;
        }
        const std::uint32_t value = byteAt(0) | byteAt(1) << 8 | byteAt(2) << 16 | byteAt(3) << 24;
        m_offset += 4;
        return value;
    }

    std::optional<std::string_view> readBytes(std::size_t count)
    {
        if (remaining() < count) {
            return std::nullopt;
        }
        const std::string_view bytes = m_bytes.substr(m_offset, count);
        m_offset += count;
        return bytes;
    }

private:
    std::uint32_t byteAt(std::size_t i) const { return static_cast<unsigned char>(m_bytes[m_offset + i]); }

    std::string_view m_bytes;
    std::size_t m_offset = 0;
};

// Appends little-endian words to a byte string.
class ByteWriter
{
public:
    void reserve(std::size_t size) { m_bytes.reserve(size); }

    void writeU16(std::uint16_t value)
    {
        m_bytes.push_back(static_cast<char>(value & 0xFF));
        m_bytes.push_back(static_cast<char>(value >> 8));
    }

    void writeU32(std::uint32_t value)
    {
        writeU16(static_cast<std::uint16_t>(value & 0xFFFF));
        writeU16(static_cast<std::uint16_t>(value >> 16));
    }

    void writeBytes(std::string_view bytes) { m_bytes.append(bytes); }

    const std::string& bytes() const { return m_bytes; }
    std::string take() { return std::move(m_bytes); }

private:
    std::string m_bytes;
};

} // namespace mw
