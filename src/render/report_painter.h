#pragma once

// Draws pages of the printed analysis onto any QPainter, measured for the painter's device, so the printer,
// the print preview, the PDF export and the tests share one path.

#include "report_layout.h"

#include "model/settings_keys.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QRect>

#include <array>
#include <vector>

class QPainter;
class QPaintDevice;

namespace mw::render {

// Stored printer font heights ("Printer Font" / "Height") are in device units of a printer of this resolution,
// so one setting gives the same size on every device.
inline constexpr int kPrinterFontDpi = 600;
// The printer's default font, whose character width and height set all spacing of the report.
inline constexpr int kDefaultPrinterFontPoints = 12;

using ReportFontSet = std::array<QFont, kReportFontCount>;

// The printer's default font in the device's pixels: 12-point fixed pitch, like a printer's built-in face.
QFont defaultPrinterFont(const QPaintDevice* device);
// The page of that size on the device, with the default font measured there.
ReportPageMetrics reportPageMetrics(const QSize& page, const QPaintDevice* device);

// The stored printer font as a font for a device of dpiY dots per inch. A positive height is the character
// cell, a negative one the character height, 0 means 0.6 x defaultLineHeight; weight 0 reads as normal.
QFont printerFontFromSetting(const PrinterFontSetting& setting, int dpiY, int defaultLineHeight);
// What to store for a font the user chose (its size taken from its points).
PrinterFontSetting printerFontSetting(const QFont& font);
// The stored printer font sized in points, for a font dialog to start from.
QFont printerFontInPoints(const PrinterFontSetting& setting);
// The report font and its variants, for the device the metrics were measured on, scaled by scale. A stored
// height too large for the page is taken as the largest at which a page still holds the header and the day's
// summary.
ReportFontSet reportFonts(const PrinterFontSetting& setting, const ReportPageMetrics& metrics, double scale = 1.0);
// The same, made smaller where the content's numbers would otherwise run into their neighbours.
ReportFontSet fittedReportFonts(const ReportContent& content, const PrinterFontSetting& setting,
                                const ReportPageMetrics& metrics, const QPaintDevice* device);

// The report font's size in points: as the user chose it (the printed size when no size is stored), and as the
// pages print it after shrinking it to what a page and the columns hold.
struct ReportFontSize
{
    double chosenPoints = 0.0;
    double printedPoints = 0.0;
    // Shrunk by more than the half point a font dialog steps by.
    bool shrunk() const { return printedPoints < chosenPoints - 0.25; }
};
ReportFontSize reportFontSize(const PrinterFontSetting& setting, const ReportPageMetrics& metrics,
                              const ReportFontSet& printed);

// Measures the report fonts on one device.
class DeviceTextMeasure final : public ReportTextMeasure
{
public:
    DeviceTextMeasure(const ReportFontSet& fonts, const QPaintDevice* device);
    int textWidth(ReportFont font, const QString& text) const override;
    int lineHeight(ReportFont font) const override;

private:
    const QFontMetrics& metrics(ReportFont font) const;

    std::vector<QFontMetrics> m_metrics;
    // Widths of short texts (the numbers, which a long day repeats thousands of times) by font.
    mutable std::array<QHash<QString, int>, kReportFontCount> m_shortWidths;
};

// One page of the layout, drawn in black with its top-left corner at the page's; nothing is drawn outside the
// page, so an item too tall for it is cut there. The painter's state is left as it was.
void paintReportPage(QPainter* painter, const QRect& page, const ReportPage& layout, const ReportFontSet& fonts);

} // namespace mw::render
