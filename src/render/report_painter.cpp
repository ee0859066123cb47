#include "report_painter.h"

#include "qt_bridge.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace mw::render {

namespace {

constexpr int kPointsPerInch = 72;
constexpr int kScreenDpi = 96;
// 0.6 x the default font's height when no height is stored.
constexpr double kDefaultHeightFactor = 0.6;
constexpr int kBoldWeight = 700;
constexpr int kHeavyWeight = 900;
constexpr int kSemiBoldWeight = 600;
constexpr int kNormalWeight = 400;
// Fonts are measured at this size to turn a character-cell height into a font size.
constexpr int kReferencePixelSize = 1000;
// The pitch and family byte: the pitch in the low bits, the family above them.
constexpr int kFixedPitch = 1;
constexpr int kVariablePitch = 2;
constexpr int kPitchMask = 3;
constexpr int kFamilyMask = 0xF0;
constexpr int kRomanFamily = 0x10;
constexpr int kSwissFamily = 0x20;
constexpr int kModernFamily = 0x30;
constexpr int kScriptFamily = 0x40;
constexpr int kDecorativeFamily = 0x50;
// Texts up to this long have their widths remembered, up to this many of them a font.
constexpr qsizetype kLongestRememberedWidth = 64;
constexpr qsizetype kMostRememberedWidths = 20000;
// Shrinking the font to fit the columns is measured at most this many times.
constexpr int kFitSteps = 3;
// Faces tried, in order, when the stored one is not installed: the same metrics first, then narrow ones, so
// the numbers keep to their columns.
const QStringList kSansAlternatives = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                       QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica"),
                                       QStringLiteral("DejaVu Sans Condensed")};
const QStringList kSerifAlternatives = {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                        QStringLiteral("Nimbus Roman"), QStringLiteral("DejaVu Serif Condensed")};
const QStringList kMonospaceAlternatives = {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                                            QStringLiteral("Nimbus Mono PS"), QStringLiteral("DejaVu Sans Mono")};
// Font sizes beyond this are no size a page can show.
constexpr double kMaxPixelSize = 1 << 16;
// Lines of the report font every page must hold, however large the font: the page header (a little over seven
// lines) and the day's summary (eight).
constexpr int kLinesEveryPageHolds = 16;

int clampedPixelSize(double pixels)
{
    return static_cast<int>(std::clamp(std::round(pixels), 1.0, kMaxPixelSize));
}

QFont::StyleHint styleHintOf(int pitchAndFamily)
{
    switch (pitchAndFamily & kFamilyMask) {
    case kRomanFamily:
        return QFont::Serif;
    case kSwissFamily:
        return QFont::SansSerif;
    case kModernFamily:
        return QFont::TypeWriter;
    case kScriptFamily:
        return QFont::Cursive;
    case kDecorativeFamily:
        return QFont::Decorative;
    default:
        return QFont::AnyStyle;
    }
}

int familyBitsOf(QFont::StyleHint hint)
{
    switch (hint) {
    case QFont::Serif:
        return kRomanFamily;
    case QFont::SansSerif:
        return kSwissFamily;
    case QFont::TypeWriter:
        return kModernFamily;
    case QFont::Cursive:
        return kScriptFamily;
    case QFont::Decorative:
        return kDecorativeFamily;
    default:
        return 0;
    }
}

// How many pixels of font size make one pixel of character cell (ascent and descent) in this face.
double sizePerCellHeight(QFont font)
{
    font.setPixelSize(kReferencePixelSize);
    const double cell = QFontMetricsF(font).height();
    return cell > 0.0 ? kReferencePixelSize / cell : 1.0;
}

// The font size in the device's pixels that the stored height stands for.
double pixelSizeOf(const QFont& face, int storedHeight, int dpiY, int defaultLineHeight)
{
    if (storedHeight < 0) {
        return -static_cast<double>(storedHeight) * dpiY / kPrinterFontDpi;
    }
    const double cell = storedHeight > 0 ? static_cast<double>(storedHeight) * dpiY / kPrinterFontDpi
                                         : kDefaultHeightFactor * defaultLineHeight;
    return cell * sizePerCellHeight(face);
}

// The largest font size in the device's pixels at which a page of the metrics holds kLinesEveryPageHolds lines.
double largestFittingPixelSize(const QFont& face, const ReportPageMetrics& metrics)
{
    const int bodyBottom = metrics.pageHeight - metrics.dpiY / 2;
    if (bodyBottom <= 0) {
        return kMaxPixelSize;
    }
    return static_cast<double>(bodyBottom) / kLinesEveryPageHolds * sizePerCellHeight(face);
}

QFont withWeight(QFont font, int weight)
{
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

// A letter spacing too small to see: with one, text is set without ligatures, so that a PDF viewer finds and
// copies "Coffee" as typed rather than as "Co\uFB00ee".
constexpr double kNoLigatureSpacing = 0.05;

QFont withPixelSize(QFont font, double pixels)
{
    font.setPixelSize(clampedPixelSize(pixels));
    font.setLetterSpacing(QFont::AbsoluteSpacing, kNoLigatureSpacing);
    return font;
}

const QStringList& alternativesFor(QFont::StyleHint hint)
{
    switch (hint) {
    case QFont::Serif:
        return kSerifAlternatives;
    case QFont::TypeWriter:
        return kMonospaceAlternatives;
    default:
        return kSansAlternatives;
    }
}

QFont faceOf(const PrinterFontSetting& setting)
{
    const QFont::StyleHint hint = styleHintOf(setting.pitchAndFamily);
    QFont font;
    font.setFamilies(QStringList(toQString(setting.faceName)) + alternativesFor(hint));
    font.setStyleHint(hint);
    font.setFixedPitch((setting.pitchAndFamily & kPitchMask) == kFixedPitch);
    font.setWeight(
        static_cast<QFont::Weight>(setting.weight > 0 ? std::clamp(setting.weight, 1, 1000) : kNormalWeight));
    // Printed text is laid out from these metrics: hinting for the screen would move it.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The report font's size before any fitting: the stored height, or the largest a page holds when that is less,
// since a larger one would print each line's fragments on pages of their own.
double reportPixelSize(const QFont& face, const PrinterFontSetting& setting, const ReportPageMetrics& metrics)
{
    return std::min(pixelSizeOf(face, setting.height, metrics.dpiY, metrics.lineHeight),
                    largestFittingPixelSize(face, metrics));
}

// The least the font may shrink to keep numbers apart: a share of its size, but of the default size for a font
// larger than that, so that even a huge chosen font comes down to where the columns hold their numbers.
double smallestFit(const PrinterFontSetting& setting, const ReportPageMetrics& metrics)
{
    const QFont face = faceOf(setting);
    const double size = reportPixelSize(face, setting, metrics);
    const double standard = pixelSizeOf(face, 0, metrics.dpiY, metrics.lineHeight);
    return size > standard ? kMinReportFontFit * standard / size : kMinReportFontFit;
}

} // namespace

QFont defaultPrinterFont(const QPaintDevice* device)
{
    QFont font;
    font.setFamilies(QStringList(QStringLiteral("Courier New")) + kMonospaceAlternatives);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPixelSize(
        clampedPixelSize(static_cast<double>(kDefaultPrinterFontPoints) * device->logicalDpiY() / kPointsPerInch));
    return font;
}

ReportPageMetrics reportPageMetrics(const QSize& page, const QPaintDevice* device)
{
    const QFontMetrics metrics(defaultPrinterFont(device), device);
    ReportPageMetrics result;
    result.pageWidth = page.width();
    result.pageHeight = page.height();
    result.dpiX = device->logicalDpiX();
    result.dpiY = device->logicalDpiY();
    result.charWidth = metrics.averageCharWidth();
    result.lineHeight = metrics.height();
    return result;
}

QFont printerFontFromSetting(const PrinterFontSetting& setting, int dpiY, int defaultLineHeight)
{
    const QFont face = faceOf(setting);
    return withPixelSize(face, pixelSizeOf(face, setting.height, dpiY, defaultLineHeight));
}

PrinterFontSetting printerFontSetting(const QFont& font)
{
    PrinterFontSetting setting;
    // A font sized in pixels is taken as a screen font.
    const double points =
        font.pointSizeF() > 0 ? font.pointSizeF() : static_cast<double>(font.pixelSize()) * kPointsPerInch / kScreenDpi;
    setting.height = -clampedPixelSize(
        std::min(points * kPrinterFontDpi / kPointsPerInch, static_cast<double>(kMaxPrinterFontHeight)));
    setting.weight = std::clamp(static_cast<int>(font.weight()), 1, kMaxPrinterFontWeight);
    setting.pitchAndFamily = familyBitsOf(font.styleHint()) | (font.fixedPitch() ? kFixedPitch : kVariablePitch);
    setting.faceName = toStdString(font.family());
    return setting;
}

QFont printerFontInPoints(const PrinterFontSetting& setting)
{
    QFont font = faceOf(setting);
    double points = 0.0;
    if (setting.height < 0) {
        points = -static_cast<double>(setting.height) * kPointsPerInch / kPrinterFontDpi;
    } else {
        // A cell height, stored or 0.6 x the default font's cell, in points.
        QFont defaultFace;
        defaultFace.setFamilies(QStringList(QStringLiteral("Courier New")) + kMonospaceAlternatives);
        defaultFace.setStyleHint(QFont::TypeWriter);
        const double cell = setting.height > 0
                                ? static_cast<double>(setting.height) * kPointsPerInch / kPrinterFontDpi
                                : kDefaultHeightFactor * kDefaultPrinterFontPoints / sizePerCellHeight(defaultFace);
        points = cell * sizePerCellHeight(font);
    }
    font.setPointSizeF(std::max(1.0, std::round(points * 2) / 2));
    return font;
}

ReportFontSet reportFonts(const PrinterFontSetting& setting, const ReportPageMetrics& metrics, double scale)
{
    const QFont face = faceOf(setting);
    const double size = reportPixelSize(face, setting, metrics) * scale;
    const QFont normal = withPixelSize(face, size);
    QFont italic = normal;
    italic.setItalic(true);

    ReportFontSet fonts;
    fonts[static_cast<std::size_t>(ReportFont::kNormal)] = normal;
    fonts[static_cast<std::size_t>(ReportFont::kBold)] = withWeight(normal, kBoldWeight);
    fonts[static_cast<std::size_t>(ReportFont::kHeavy)] = withWeight(normal, kHeavyWeight);
    fonts[static_cast<std::size_t>(ReportFont::kSemiBold)] = withWeight(normal, kSemiBoldWeight);
    fonts[static_cast<std::size_t>(ReportFont::kItalic)] = italic;
    fonts[static_cast<std::size_t>(ReportFont::kSmallItalic)] = withPixelSize(italic, size * 4 / 5);
    fonts[static_cast<std::size_t>(ReportFont::kTitle)] = withPixelSize(withWeight(normal, kHeavyWeight), size * 5 / 4);
    return fonts;
}

ReportFontSet fittedReportFonts(const ReportContent& content, const PrinterFontSetting& setting,
                                const ReportPageMetrics& metrics, const QPaintDevice* device)
{
    // Text widths follow the font size only roughly, so the fit is measured again after each step.
    double scale = 1.0;
    const double smallest = smallestFit(setting, metrics);
    ReportFontSet fonts = reportFonts(setting, metrics, scale);
    for (int step = 0; step < kFitSteps; ++step) {
        const double fit = reportFontFit(content, metrics, DeviceTextMeasure(fonts, device));
        const double next = std::max(smallest, scale * fit);
        if (fit >= 1.0 || next >= scale) {
            break;
        }
        scale = next;
        fonts = reportFonts(setting, metrics, scale);
    }
    return fonts;
}

ReportFontSize reportFontSize(const PrinterFontSetting& setting, const ReportPageMetrics& metrics,
                              const ReportFontSet& printed)
{
    const auto points = [&metrics](double pixels) {
        return metrics.dpiY > 0 ? pixels * kPointsPerInch / metrics.dpiY : 0.0;
    };
    const QFont face = faceOf(setting);
    ReportFontSize size;
    size.printedPoints = points(printed[static_cast<std::size_t>(ReportFont::kNormal)].pixelSize());
    // Without a stored height no size was chosen, so none falls short.
    size.chosenPoints = setting.height == 0
                            ? size.printedPoints
                            : points(pixelSizeOf(face, setting.height, metrics.dpiY, metrics.lineHeight));
    return size;
}

DeviceTextMeasure::DeviceTextMeasure(const ReportFontSet& fonts, const QPaintDevice* device)
{
    m_metrics.reserve(fonts.size());
    for (const QFont& font : fonts) {
        m_metrics.emplace_back(font, device);
    }
}

const QFontMetrics& DeviceTextMeasure::metrics(ReportFont font) const
{
    return m_metrics.at(static_cast<std::size_t>(font));
}

int DeviceTextMeasure::textWidth(ReportFont font, const QString& text) const
{
    if (text.size() > kLongestRememberedWidth) {
        return metrics(font).horizontalAdvance(text);
    }
    QHash<QString, int>& widths = m_shortWidths.at(static_cast<std::size_t>(font));
    if (const auto known = widths.constFind(text); known != widths.cend()) {
        return *known;
    }
    if (widths.size() >= kMostRememberedWidths) {
        widths.clear();
    }
    const int width = metrics(font).horizontalAdvance(text);
    widths.insert(text, width);
    return width;
}

int DeviceTextMeasure::lineHeight(ReportFont font) const
{
    return metrics(font).height();
}

// A rule thinner than a device pixel where the page is shown (a preview at a small zoom) is drawn as a hairline
// of one device pixel, so that no separator line disappears.
static void paintRule(QPainter* painter, const QRect& rule)
{
    const qreal deviceHeight = painter->transform().mapRect(QRectF(rule)).height();
    if (deviceHeight >= 1.0) {
        painter->fillRect(rule, Qt::black);
        return;
    }
    painter->save();
    painter->setPen(QPen(Qt::black, 0));
    const qreal middle = rule.top() + rule.height() / 2.0;
    painter->drawLine(QPointF(rule.left(), middle), QPointF(rule.right() + 1, middle));
    painter->restore();
}

void paintReportPage(QPainter* painter, const QRect& page, const ReportPage& layout, const ReportFontSet& fonts)
{
    painter->save();
    painter->setClipRect(page, Qt::IntersectClip);
    painter->translate(page.topLeft());
    painter->setPen(Qt::black);
    // Every item is one line set at its box's top: drawn from its baseline, which spares the formatting a text
    // box needs (thousands of numbers on a long day's pages).
    std::array<qreal, kReportFontCount> ascents{};
    for (std::size_t f = 0; f < fonts.size(); ++f) {
        ascents[f] = QFontMetricsF(fonts[f], painter->device()).ascent();
    }
    int currentFont = -1;
    for (const ReportItem& item : layout.items) {
        if (isReportRule(item.role)) {
            paintRule(painter, item.rect);
            continue;
        }
        const auto font = static_cast<std::size_t>(item.font);
        if (static_cast<int>(font) != currentFont) {
            painter->setFont(fonts[font]);
            currentFont = static_cast<int>(font);
        }
        painter->drawText(QPointF(item.rect.left(), item.rect.top() + ascents[font]), item.text);
    }
    painter->restore();
}

} // namespace mw::render
