#include "weight_painter.h"

#include "qt_bridge.h"
#include "report_pdf.h"
#include "report_texts.h"

#include "format/atomic_file.h"
#include "model/number_text.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace mw::render {
namespace {

QFont pageFont(const QPaintDevice* device, double points)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSizeF(points);
    return QFont(font, device);
}

double shown(double pounds, bool kilograms)
{
    return kilograms ? pounds * 453.592 * 0.001 : pounds;
}

struct ValueSpan
{
    double low = 0.0;
    double high = 1.0;
};

ValueSpan valueSpan(std::span<const WeightTrendDay> days, const std::optional<int>& ideal)
{
    ValueSpan span{1e9, -1e9};
    for (const WeightTrendDay& day : days) {
        span.low = std::min({span.low, day.weight, day.trend});
        span.high = std::max({span.high, day.weight, day.trend});
    }
    if (ideal) {
        span.low = std::min(span.low, static_cast<double>(*ideal));
        span.high = std::max(span.high, static_cast<double>(*ideal));
    }
    if (span.low > span.high) {
        return {0.0, 1.0};
    }
    const double margin = std::max(1.0, (span.high - span.low) * 0.08);
    return {std::floor(span.low - margin), std::ceil(span.high + margin)};
}

} // namespace

std::span<const WeightTrendDay> shownWeightDays(const WeightContent& content)
{
    const std::vector<WeightTrendDay>& days = content.outlook.trend.days;
    const std::size_t count =
        content.rangeDays <= 0 ? days.size() : std::min(days.size(), static_cast<std::size_t>(content.rangeDays));
    return std::span<const WeightTrendDay>(days).last(count);
}

QString weightValueText(double pounds, bool kilograms)
{
    return QStringLiteral("%1 %2")
        .arg(shown(pounds, kilograms), 0, 'f', 1)
        .arg(kilograms ? QStringLiteral("kg") : QStringLiteral("lb"));
}

QStringList weightSentences(const WeightContent& content)
{
    const WeightOutlook& outlook = content.outlook;
    QStringList sentences{toQString(rateSentence(outlook.trend, content.kilograms))};
    if (!outlook.trend.days.empty()) {
        sentences.append(toQString(balanceSentence(outlook.trend)));
        sentences.append(toQString(maintenanceSentence(outlook.trend, outlook.maintenance, outlook.recordedDays)));
    }
    return sentences;
}

QStringList unreadWeightLineTexts(const WeightContent& content)
{
    QStringList lines;
    for (const UnreadWeightLine& line : content.log.unreadLines()) {
        lines.append(toQString(unreadWeightLineText(line)));
    }
    return lines;
}

QString weightDayText(const WeightTrendDay& day, bool kilograms)
{
    return QStringLiteral("%1: %2%3, trend %4")
        .arg(toQString(isoDateText(day.date)), weightValueText(day.weight, kilograms),
             day.measured ? QString() : QStringLiteral(" (between weigh-ins)"), weightValueText(day.trend, kilograms));
}

void paintWeightChart(QPainter* painter, const QRect& rect, const WeightContent& content)
{
    const std::span<const WeightTrendDay> days = shownWeightDays(content);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(painter->font(), painter->device());
    const int line = metrics.height();
    const ValueSpan span = valueSpan(days, content.idealWeightPounds);
    const QString highText = weightValueText(span.high, content.kilograms);
    const QRect area = rect.adjusted(metrics.horizontalAdvance(highText) + line / 2, line / 2, -line / 2, -line * 2);
    painter->setPen(Qt::black);
    painter->drawLine(area.bottomLeft(), area.bottomRight());
    painter->drawLine(area.bottomLeft(), area.topLeft());
    painter->drawText(QRect(rect.left(), area.top() - line / 2, area.left() - rect.left() - line / 4, line),
                      Qt::AlignRight | Qt::AlignVCenter, highText);
    painter->drawText(QRect(rect.left(), area.bottom() - line / 2, area.left() - rect.left() - line / 4, line),
                      Qt::AlignRight | Qt::AlignVCenter, weightValueText(span.low, content.kilograms));
    if (days.empty()) {
        painter->drawText(area, Qt::AlignCenter | Qt::TextWordWrap, weightSentences(content).front());
        painter->restore();
        return;
    }
    painter->drawText(QRect(area.left(), area.bottom() + line / 4, area.width(), line), Qt::AlignLeft,
                      toQString(isoDateText(days.front().date)));
    painter->drawText(QRect(area.left(), area.bottom() + line / 4, area.width(), line), Qt::AlignRight,
                      toQString(isoDateText(days.back().date)));
    const double steps = std::max<double>(1.0, static_cast<double>(days.size() - 1));
    const auto at = [&](std::size_t i, double pounds) {
        const double x = days.size() == 1 ? area.center().x() : area.left() + area.width() * (i / steps);
        return QPointF(x, area.bottom() - area.height() * (pounds - span.low) / (span.high - span.low));
    };
    if (content.idealWeightPounds) {
        QPen dashed(QColor(0, 128, 0), std::max(1, line / 10), Qt::DashLine);
        painter->setPen(dashed);
        const double y = at(0, *content.idealWeightPounds).y();
        painter->drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
    QPainterPath trend;
    for (std::size_t i = 0; i < days.size(); ++i) {
        i == 0 ? trend.moveTo(at(i, days[i].trend)) : trend.lineTo(at(i, days[i].trend));
    }
    painter->setPen(QPen(QColor(200, 0, 0), std::max(1, line / 6)));
    painter->drawPath(trend);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(0, 0, 160));
    const double radius = std::max(1.5, line / 6.0);
    for (std::size_t i = 0; i < days.size(); ++i) {
        if (days[i].measured) {
            painter->drawEllipse(at(i, days[i].weight), radius, radius);
        }
    }
    painter->restore();
}

int paintWeightReport(QPainter* painter, const QRect& page, const WeightContent& content, int first, int last,
                      const std::function<bool()>& newPage)
{
    painter->save();
    painter->setFont(pageFont(painter->device(), 9.0));
    const QFontMetrics metrics(painter->font(), painter->device());
    const int line = metrics.height();
    const QRect body = page.adjusted(line * 3, line * 3, -line * 3, -line * 3);
    const std::vector<WeightTrendDay>& days = content.outlook.trend.days;
    const int chartHeight = std::min(body.height() / 2, line * 20);
    const QStringList sentences = weightSentences(content);
    const QStringList unread = unreadWeightLineTexts(content);
    const int headRows = 2 + static_cast<int>(sentences.size() + unread.size()) + 2;
    const int firstPageRows = std::max(0, (body.height() - chartHeight) / line - headRows - 2);
    const int pageRows = std::max(1, body.height() / line - 3);
    const int count = 1 + (static_cast<int>(days.size()) > firstPageRows
                               ? (static_cast<int>(days.size()) - firstPageRows + pageRows - 1) / pageRows
                               : 0);
    const int end = last < 0 || last >= count ? count - 1 : last;
    for (int i = std::max(first, 0); i <= end; ++i) {
        if (i > std::max(first, 0) && !newPage()) {
            break;
        }
        int y = body.top();
        const auto text = [&](const QString& line_) {
            painter->drawText(QRect(body.left(), y, body.width(), line), Qt::AlignLeft | Qt::AlignVCenter, line_);
            y += line;
        };
        painter->setPen(Qt::black);
        std::size_t from = 0;
        std::size_t rows = static_cast<std::size_t>(firstPageRows);
        if (i == 0) {
            QFont bold = painter->font();
            bold.setBold(true);
            painter->save();
            painter->setFont(bold);
            text(QCoreApplication::translate("Mealwright", "Weight chart"));
            painter->restore();
            y += line / 2;
            paintWeightChart(painter, QRect(body.left(), y, body.width(), chartHeight), content);
            y += chartHeight + line;
            for (const QString& sentence : sentences) {
                text(sentence);
            }
            for (const QString& lineText : unread) {
                text(QCoreApplication::translate("Mealwright", "Not read: %1").arg(lineText));
            }
            y += line;
        } else {
            from = static_cast<std::size_t>(firstPageRows) + static_cast<std::size_t>(i - 1) * pageRows;
            rows = static_cast<std::size_t>(pageRows);
        }
        // The newest day first, as the window's table lists them.
        for (std::size_t r = from; r < std::min(days.size(), from + rows); ++r) {
            text(weightDayText(days[days.size() - 1 - r], content.kilograms));
        }
        painter->drawText(QRect(body.left(), body.bottom() - line, body.width(), line),
                          Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Page %1 of %2").arg(i + 1).arg(count));
    }
    painter->restore();
    return count;
}

QByteArray weightReportPdf(const WeightContent& content, int* pageCount)
{
    return pagesPdf(
        QCoreApplication::translate("Mealwright", "Weight chart"),
        [&](QPainter* painter, const QRect& page, const std::function<bool()>& newPage) {
            return paintWeightReport(painter, page, content, 0, -1, newPage);
        },
        pageCount);
}

bool exportWeightReportPdf(const WeightContent& content, const QString& pdfPath, QString* error)
{
    const QByteArray pdf = weightReportPdf(content);
    QString failure;
    if (pdf.isEmpty()) {
        failure = QStringLiteral("%1: the weight chart could not be drawn as a PDF").arg(pdfPath);
    } else if (const std::error_code written = writeFileAtomically(
                   toPath(pdfPath), std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())))) {
        failure = toQString(kPdfNotWritten).arg(pdfPath, toQString(written.message()));
    }
    if (error != nullptr) {
        *error = failure;
    }
    return failure.isEmpty();
}

std::string weightTrendCsv(const WeightTrend& trend)
{
    std::string csv = "date,weight_lb,measured,trend_lb\r\n";
    for (const WeightTrendDay& day : trend.days) {
        csv += isoDateText(day.date) + ',' + formatDouble(day.weight) + ',' + (day.measured ? "yes" : "no") + ',' +
               formatDouble(day.trend) + "\r\n";
    }
    return csv;
}

} // namespace mw::render
