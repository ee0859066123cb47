#include "report_text_fitting.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <vector>

namespace mw::render {

namespace {

constexpr QChar kEllipsis(0x2026);

// The largest k in 1..count for which fits(k) holds, fits being true up to some k and false after it; 0 when
// fits(1) is false. Galloping first keeps the texts measured short when few characters fit.
qsizetype largestFitting(qsizetype count, const std::function<bool(qsizetype)>& fits)
{
    if (count <= 0 || !fits(1)) {
        return 0;
    }
    qsizetype low = 1;
    qsizetype high = 2;
    while (high <= count && fits(high)) {
        low = high;
        high = high > count / 2 ? count + 1 : high * 2;
    }
    high = std::min(high, count + 1);
    while (high - low > 1) {
        const qsizetype middle = low + (high - low) / 2;
        (fits(middle) ? low : high) = middle;
    }
    return low;
}

// The text with every run of blanks made one blank and none at either end, and at most limit characters long;
// cut, when given, tells whether text was left out.
QString squeezedBlanks(QStringView text, qsizetype limit = std::numeric_limits<qsizetype>::max(), bool* cut = nullptr)
{
    QString out;
    out.reserve(std::min(text.size(), limit));
    bool blankBefore = false;
    for (const QChar c : text) {
        if (c == u' ') {
            blankBefore = !out.isEmpty();
            continue;
        }
        if (out.size() + (blankBefore ? 1 : 0) >= limit) {
            if (cut != nullptr) {
                *cut = true;
            }
            // Half of a character is no character.
            if (!out.isEmpty() && out.back().isHighSurrogate()) {
                out.chop(1);
            }
            return out;
        }
        if (blankBefore) {
            out += u' ';
            blankBefore = false;
        }
        out += c;
    }
    return out;
}

// Breaks a text whose blanks are squeezed into lines: as many words as fit, or a piece of a word too wide.
class LineBreaker
{
public:
    LineBreaker(const QString& text, int width, const ReportTextMeasure& measure, ReportFont font)
        : m_text(text), m_width(width), m_measure(measure), m_font(font)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u' ') {
                m_wordEnds.push_back(i);
            }
        }
        m_wordEnds.push_back(text.size());
    }

    bool atEnd() const { return m_from >= m_text.size(); }
    qsizetype position() const { return m_from; }

    QString nextLine()
    {
        const auto firstEnd = std::upper_bound(m_wordEnds.begin(), m_wordEnds.end(), m_from);
        const auto words = static_cast<qsizetype>(m_wordEnds.end() - firstEnd);
        const qsizetype fitting = largestFitting(words, [&](qsizetype k) { return fits(firstEnd[k - 1]); });
        qsizetype end = 0;
        qsizetype next = 0;
        if (fitting > 0) {
            end = firstEnd[fitting - 1];
            next = end + 1;
        } else {
            end = m_from + std::max<qsizetype>(
                               1, largestFitting(*firstEnd - m_from, [&](qsizetype k) { return fits(m_from + k); }));
            if (end < *firstEnd && m_text[end - 1].isHighSurrogate()) {
                end += end - 1 > m_from ? -1 : 1;
            }
            next = end < m_text.size() && m_text[end] == u' ' ? end + 1 : end;
        }
        const QString line = m_text.mid(m_from, end - m_from);
        m_from = next;
        return line;
    }

private:
    bool fits(qsizetype end) const { return m_measure.textWidth(m_font, m_text.mid(m_from, end - m_from)) <= m_width; }

    const QString& m_text;
    const int m_width;
    const ReportTextMeasure& m_measure;
    const ReportFont m_font;
    std::vector<qsizetype> m_wordEnds; // the blank after each word, or the text's end
    qsizetype m_from = 0;
};

// The last line of a text cut short: as much of rest as fits before the ending, else as much of the ending.
QString cutLine(const QString& rest, const QString& ending, int width, const ReportTextMeasure& measure,
                ReportFont font)
{
    const int room = width - measure.textWidth(font, ending);
    if (room < 0) {
        return ending.left(std::max<qsizetype>(1, largestFitting(ending.size(), [&](qsizetype k) {
                                                   return measure.textWidth(font, ending.left(k)) <= width;
                                               })));
    }
    QString kept = rest.left(
        largestFitting(rest.size(), [&](qsizetype k) { return measure.textWidth(font, rest.left(k)) <= room; }));
    while (kept.endsWith(u' ') || (!kept.isEmpty() && kept.back().isHighSurrogate())) {
        kept.chop(1);
    }
    return kept + ending;
}

} // namespace

// The text with characters taken from its middle and an ellipsis put there until it is at most width wide.
QString elidedInMiddle(const QString& text, int width, const ReportTextMeasure& measure, ReportFont font)
{
    if (measure.textWidth(font, text) <= width) {
        return text;
    }
    const auto shorter = [&text](qsizetype kept) {
        return text.left(kept - kept / 2) + kEllipsis + text.right(kept / 2);
    };
    const qsizetype kept =
        largestFitting(text.size() - 1, [&](qsizetype k) { return measure.textWidth(font, shorter(k)) <= width; });
    return kept > 0 ? shorter(kept) : QString(kEllipsis);
}

QStringList wrapReportText(const QString& text, int width, const ReportTextMeasure& measure, ReportFont font,
                           int maxLines, const QString& tail)
{
    maxLines = std::max(maxLines, 1);
    width = std::max(width, 0);
    // No character is narrower than a device unit, so no more than this many can show in maxLines lines.
    const qsizetype limit = maxLines > std::numeric_limits<qsizetype>::max() / (qsizetype(width) + 2)
                                ? std::numeric_limits<qsizetype>::max()
                                : qsizetype(maxLines) * (width + 1);
    bool cut = false;
    const QString shown = squeezedBlanks(text, limit, &cut);
    QStringList lines;
    if (!cut) {
        const QString whole = squeezedBlanks(QString(shown + tail));
        LineBreaker breaker(whole, width, measure, font);
        while (!breaker.atEnd() && lines.size() <= maxLines) {
            lines.append(breaker.nextLine());
        }
        if (lines.size() <= maxLines) {
            return lines.isEmpty() ? QStringList(QString()) : lines;
        }
        lines.clear();
    }
    // Too long: the lines before the last as they were, then what of the rest fits before the ellipsis and tail.
    LineBreaker textBreaker(shown, width, measure, font);
    while (!textBreaker.atEnd() && lines.size() < maxLines - 1) {
        lines.append(textBreaker.nextLine());
    }
    const QString rest = shown.mid(textBreaker.position());
    // Text that ran out only because of the tail needs no ellipsis.
    const QString ending = rest.isEmpty() && !cut ? tail : QString(kEllipsis) + tail;
    lines.append(cutLine(rest, squeezedBlanks(ending), width, measure, font));
    return lines;
}

} // namespace mw::render
