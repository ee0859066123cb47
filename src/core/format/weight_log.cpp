#include "format/weight_log.h"

#include "format/atomic_file.h"
#include "format/diary_folder.h"
#include "format/file_bytes.h"
#include "model/number_text.h"
#include "model/text_trim.h"

#include <algorithm>
#include <cmath>

namespace mw {
namespace {

constexpr std::string_view kHeader = "date,weight_lb";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isHeader(std::string_view line)
{
    const std::string_view trimmed = trimBlanks(line);
    return trimmed.size() == kHeader.size() &&
           std::equal(trimmed.begin(), trimmed.end(), kHeader.begin(),
                      [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a + 32 : a) == b; });
}

std::optional<WeightEntry> parseEntry(std::string_view line)
{
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<DiaryDate> date = parseIsoDate(trimBlanks(line.substr(0, comma)));
    const WeightInput weight = parseWeightInput(trimBlanks(line.substr(comma + 1)), false);
    if (!date || weight.error != WeightInputError::kNone) {
        return std::nullopt;
    }
    return WeightEntry{*date, weight.tenths};
}

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

} // namespace

std::string weightText(WeightTenths tenths)
{
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

WeightInput parseWeightInput(std::string_view text, bool kilograms)
{
    const std::optional<double> number = parseDouble(trimBlanks(text));
    if (!number || !std::isfinite(*number)) {
        return {0, WeightInputError::kNotANumber};
    }
    if (*number <= 0.0) {
        return {0, WeightInputError::kNotAboveZero};
    }
    if (*number > (kilograms ? kMaxWeightKilograms : poundsOf(kMaxWeightTenths))) {
        return {0, WeightInputError::kTooHeavy};
    }
    const double pounds = kilograms ? *number / (453.592 * 0.001) : *number;
    const auto tenths = static_cast<WeightTenths>(std::llround(pounds * 10.0));
    if (tenths <= 0) {
        return {0, WeightInputError::kNotAboveZero};
    }
    return {std::min(tenths, kMaxWeightTenths), WeightInputError::kNone};
}

double kilogramsOf(WeightTenths tenths)
{
    return poundsOf(tenths) * 453.592 * 0.001;
}

WeightLog WeightLog::parse(std::string_view text)
{
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    WeightLog log;
    std::optional<DiaryDate> lastDate;
    int number = 0;
    for (const std::string_view line : splitLines(text)) {
        ++number;
        if (trimBlanks(line).empty() || (number == 1 && isHeader(line))) {
            continue;
        }
        if (const std::optional<WeightEntry> entry = parseEntry(line)) {
            log.set(entry->date, entry->tenths);
            lastDate = entry->date;
        } else {
            log.m_unread.push_back({number, std::string(line), lastDate});
        }
    }
    return log;
}

std::string WeightLog::text() const
{
    std::string text(kHeader);
    text += '\n';
    std::vector<const UnreadWeightLine*> unread;
    for (const UnreadWeightLine& line : m_unread) {
        unread.push_back(&line);
    }
    // Each unread line goes before the first entry that came after it, keeping their own order.
    std::stable_sort(unread.begin(), unread.end(),
                     [](const UnreadWeightLine* a, const UnreadWeightLine* b) { return a->after < b->after; });
    auto next = unread.begin();
    for (const WeightEntry& entry : m_entries) {
        for (; next != unread.end() && (*next)->after < entry.date; ++next) {
            text += (*next)->text + '\n';
        }
        text += isoDateText(entry.date) + ',' + weightText(entry.tenths) + '\n';
    }
    for (; next != unread.end(); ++next) {
        text += (*next)->text + '\n';
    }
    return text;
}

std::optional<WeightTenths> WeightLog::weightOn(const DiaryDate& date) const
{
    const auto it = std::lower_bound(m_entries.begin(), m_entries.end(), date,
                                     [](const WeightEntry& e, const DiaryDate& d) { return e.date < d; });
    return it != m_entries.end() && it->date == date ? std::optional(it->tenths) : std::nullopt;
}

void WeightLog::set(const DiaryDate& date, WeightTenths tenths)
{
    const auto it = std::lower_bound(m_entries.begin(), m_entries.end(), date,
                                     [](const WeightEntry& e, const DiaryDate& d) { return e.date < d; });
    if (it != m_entries.end() && it->date == date) {
        it->tenths = tenths;
    } else {
        m_entries.insert(it, {date, tenths});
    }
}

bool WeightLog::remove(const DiaryDate& date)
{
    const auto it = std::lower_bound(m_entries.begin(), m_entries.end(), date,
                                     [](const WeightEntry& e, const DiaryDate& d) { return e.date < d; });
    if (it == m_entries.end() || it->date != date) {
        return false;
    }
    m_entries.erase(it);
    return true;
}

std::string unreadWeightLineText(const UnreadWeightLine& line)
{
    return "line " + std::to_string(line.line) + ": " + line.text;
}

WeightLogRead readWeightLog(const std::filesystem::path& path)
{
    WeightLogRead read;
    const FileStart file = readFileStart(path, kMaxWeightLogSize);
    if (file.error == std::errc::no_such_file_or_directory) {
        return read;
    }
    if (file.error) {
        read.error = file.error;
    } else if (file.fileSize > file.bytes.size()) {
        read.error = std::make_error_code(std::errc::file_too_large);
    } else {
        read.log = WeightLog::parse(file.bytes);
    }
    return read;
}

std::error_code saveWeightLog(const std::filesystem::path& path, const WeightLog& log)
{
    const std::string text = log.text();
    if (text.size() > kMaxWeightLogSize) {
        return SaveError::kTooLargeToReadBack;
    }
    return writeFileAtomically(path, text);
}

std::error_code changeWeightLog(const std::filesystem::path& path, const std::function<bool(WeightLog&)>& change,
                                WeightLog* result)
{
    if (const std::error_code error = DiaryFolder(path.parent_path()).ensureExists();
        error && !path.parent_path().empty()) {
        return error;
    }
    const RewriteTurn turn(path);
    WeightLogRead read = readWeightLog(path);
    if (read.error) {
        return read.error;
    }
    if (change(read.log)) {
        if (const std::error_code error = saveWeightLog(path, read.log)) {
            return error;
        }
    }
    if (result != nullptr) {
        *result = std::move(read.log);
    }
    return {};
}

} // namespace mw
