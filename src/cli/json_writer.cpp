#include "json_writer.h"

#include "model/number_text.h"

#include <cmath>
#include <cstdio>

namespace mw::cli {

void JsonWriter::separate()
{
    if (m_needComma) {
        m_out << ", ";
    }
    m_needComma = true;
}

JsonWriter& JsonWriter::beginObject()
{
    separate();
    m_out << '{';
    m_needComma = false;
    return *this;
}

JsonWriter& JsonWriter::endObject()
{
    m_out << '}';
    m_needComma = true;
    return *this;
}

JsonWriter& JsonWriter::beginArray()
{
    separate();
    m_out << '[';
    m_needComma = false;
    return *this;
}

JsonWriter& JsonWriter::endArray()
{
    m_out << ']';
    m_needComma = true;
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name)
{
    separate();
    m_out << quoted(name) << ": ";
    m_needComma = false;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text)
{
    separate();
    m_out << quoted(text);
    return *this;
}

JsonWriter& JsonWriter::value(long long number)
{
    separate();
    m_out << number;
    return *this;
}

JsonWriter& JsonWriter::value(float number)
{
    separate();
    if (!std::isfinite(number)) {
        m_out << "null";
        return *this;
    }
    std::string text = formatFloat(number);
    if (text.find_first_of(".e") == std::string::npos) {
        text += ".0";
    }
    m_out << text;
    return *this;
}

JsonWriter& JsonWriter::value(double number)
{
    separate();
    if (!std::isfinite(number)) {
        m_out << "null";
        return *this;
    }
    std::string text = formatDouble(number);
    if (text.find_first_of(".e") == std::string::npos) {
        text += ".0";
    }
    m_out << text;
    return *this;
}

JsonWriter& JsonWriter::value(bool flag)
{
    separate();
    m_out << (flag ? "true" : "false");
    return *this;
}

JsonWriter& JsonWriter::null()
{
    separate();
    m_out << "null";
    return *this;
}

std::string JsonWriter::quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(c));
                out += buffer;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

} // namespace mw::cli
