#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace mw::cli {

// Writes one JSON document to a stream, compact, with commas placed automatically.
class JsonWriter
{
public:
    explicit JsonWriter(std::ostream& out) : m_out(out) {}

    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(long long number);
    JsonWriter& value(int number) { return value(static_cast<long long>(number)); }
    JsonWriter& value(unsigned number) { return value(static_cast<long long>(number)); }
    // Shortest text that reads back as the same float, always with a fraction or exponent.
    JsonWriter& value(float number);
    // Shortest text that reads back as the same double, in the same form.
    JsonWriter& value(double number);
    JsonWriter& value(bool flag);
    JsonWriter& null();

    template <typename Range>
    JsonWriter& floatArray(const Range& values)
    {
        beginArray();
        for (const float v : values) {
            value(v);
        }
        return endArray();
    }

    static std::string quoted(std::string_view text);

private:
    void separate();

    std::ostream& m_out;
    bool m_needComma = false;
};

} // namespace mw::cli
