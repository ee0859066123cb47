#include "qt_bridge.h"
#include "report_painter.h"
#include "report_printer.h"

#include "support/temp_dir.h"

#include "model/day_document.h"
#include "model/food_operations.h"
#include "model/settings.h"
#include "model/settings_keys.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>
#include <QTextLayout>

#include <filesystem>

using namespace mw;
using namespace mw::gui;
using namespace mw::render;

namespace {

constexpr int kDotsPerMeterAt100Dpi = 3937;

QImage whitePage(int width, int height, int dotsPerMeter = kDotsPerMeterAt100Dpi)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    return image;
}

int darkPixels(const QImage& image, const QRect& area)
{
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                ++count;
            }
        }
    }
    return count;
}

int pdfPageCount(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    int count = 0;
    auto it = page.globalMatch(QString::fromLatin1(pdf));
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    return count;
}

// A day of a few dozen standard foods: more than one page of Letter paper.
void fillLongDay(CFofDoc& document)
{
    for (int k = 0; k < 60; ++k) {
        document.appendEntry(static_cast<MealIndex>(k % kMealCount), static_cast<FoodId>(k * 10 % 643), 0);
    }
}

DayReport longDayReport(const FoodOperations& foods)
{
    CFofDoc document(foods);
    fillLongDay(document);
    MemorySettings settings;
    return dayReport(document, foods, settings, QStringLiteral("/days/long.ypd"));
}

} // namespace

class ReportPainterTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(!QFontDatabase::families().isEmpty()); }

    void theReportTakesItsSettingsWhenPrintingStarts()
    {
        const FoodOperations foods;
        CFofDoc document(foods);
        document.appendEntry(kBreakfast, 0, 100);
        MemorySettings settings;
        NutrientSelection selection{};
        selection[kCalories] = true;
        selection[kSodium] = true;
        QVERIFY(!storePrintedNutrients(settings, selection));
        QVERIFY(!storeFatWarningPercent(settings, 12));
        PrinterFontSetting font;
        font.faceName = "DejaVu Serif";
        font.height = -80;
        QVERIFY(!storePrinterFont(settings, font));

        const DayReport report = dayReport(document, foods, settings, QStringLiteral("/d/x.ypd"));
        QCOMPARE(report.content.printed, std::vector<NutrientIndex>({kCalories, kSodium}));
        QCOMPARE(report.content.fatWarningPercent, 12);
        QCOMPARE(report.content.documentPath, QStringLiteral("/d/x.ypd"));
        QCOMPARE(report.content.meals[kBreakfast].entries.size(), std::size_t(1));
        QCOMPARE(report.font, font);
        // A fresh profile prints all 28 nutrients in Arial (or what stands for it).
        const DayReport plain = dayReport(document, foods, MemorySettings(), QString());
        QCOMPARE(plain.content.printed.size(), std::size_t(kNutrientCount));
        QCOMPARE(plain.content.fatWarningPercent, 30);
        QCOMPARE(plain.font, PrinterFontSetting{});
    }

    void drawsEachItemInItsBoxAndNothingOutsideThePage()
    {
        QImage image = whitePage(400, 500);
        const QRect page(50, 50, 300, 400);
        const ReportPageMetrics metrics = reportPageMetrics(page.size(), &image);
        const ReportFontSet fonts = reportFonts(PrinterFontSetting{}, metrics);
        const DeviceTextMeasure measure(fonts, &image);

        ReportPage layout;
        const QString hello = QStringLiteral("Hello");
        layout.items.push_back(
            {ReportRole::kTitle, ReportFont::kTitle,
             QRect(10, 10, measure.textWidth(ReportFont::kTitle, hello), measure.lineHeight(ReportFont::kTitle)),
             hello});
        layout.items.push_back({ReportRole::kHeaderBar, ReportFont::kNormal, QRect(0, 100, 300, 5), QString()});
        // Reaches past the page's right and bottom edges: cut there.
        layout.items.push_back({ReportRole::kDayBar, ReportFont::kNormal, QRect(250, 380, 200, 100), QString()});

        QPainter painter(&image);
        paintReportPage(&painter, page, layout, fonts);
        painter.end();

        const QRect textBox = layout.items[0].rect.translated(page.topLeft());
        QVERIFY(darkPixels(image, textBox) > 0);
        QCOMPARE(darkPixels(image, textBox.adjusted(-20, -20, 20, 20)), darkPixels(image, textBox));
        QCOMPARE(darkPixels(image, QRect(50, 150, 300, 5)), 300 * 5);
        QCOMPARE(darkPixels(image, QRect(300, 430, 50, 20)), 50 * 20);
        QCOMPARE(darkPixels(image, QRect(350, 0, 50, 500)), 0);
        QCOMPARE(darkPixels(image, QRect(0, 450, 400, 50)), 0);
    }

    void fontsFollowTheStoredSetting()
    {
        const ReportPageMetrics metrics{5100, 6600, 600, 600, 60, 117};
        PrinterFontSetting setting;
        setting.height = -100;
        setting.weight = 300;
        const ReportFontSet fonts = reportFonts(setting, metrics);
        const auto font = [&](ReportFont f) { return fonts[static_cast<std::size_t>(f)]; };
        QCOMPARE(font(ReportFont::kNormal).pixelSize(), 100);
        QCOMPARE(font(ReportFont::kNormal).weight(), QFont::Weight(300));
        QCOMPARE(font(ReportFont::kBold).weight(), QFont::Bold);
        QCOMPARE(font(ReportFont::kHeavy).weight(), QFont::Black);
        QCOMPARE(font(ReportFont::kSemiBold).weight(), QFont::DemiBold);
        QVERIFY(font(ReportFont::kItalic).italic());
        QCOMPARE(font(ReportFont::kItalic).weight(), QFont::Weight(300));
        QVERIFY(font(ReportFont::kSmallItalic).italic());
        QCOMPARE(font(ReportFont::kSmallItalic).pixelSize(), 80);
        QCOMPARE(font(ReportFont::kTitle).pixelSize(), 125);
        QCOMPARE(font(ReportFont::kTitle).weight(), QFont::Black);

        // Text is set without ligatures, so a PDF viewer finds "Coffee" as typed: one glyph a letter.
        for (const QFont& each : fonts) {
            QTextLayout layout(QStringLiteral("Coffee office"), each);
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            qsizetype glyphs = 0;
            for (const QGlyphRun& run : layout.glyphRuns()) {
                glyphs += run.glyphIndexes().size();
            }
            QCOMPARE(glyphs, qsizetype(13));
        }

        // The same setting on a device of half the resolution: half the size.
        const ReportFontSet half = reportFonts(setting, ReportPageMetrics{2550, 3300, 300, 300, 30, 58});
        QCOMPARE(half[0].pixelSize(), 50);
        QCOMPARE(reportFonts(setting, metrics, 0.5)[0].pixelSize(), 50);
    }

    void heightZeroIsSixTenthsOfTheDefaultLineAndPositiveHeightsAreCells()
    {
        const ReportPageMetrics metrics{5100, 6600, 600, 600, 60, 200};
        const QFont zero = reportFonts(PrinterFontSetting{}, metrics)[0];
        QVERIFY(qAbs(QFontMetricsF(zero).height() - 120.0) <= 2.0);
        PrinterFontSetting cell;
        cell.height = 150;
        const QFont tall = reportFonts(cell, ReportPageMetrics{2550, 3300, 300, 300, 30, 100})[0];
        QVERIFY(qAbs(QFontMetricsF(tall).height() - 75.0) <= 2.0);
        // Weight 0 is the face's normal weight.
        PrinterFontSetting noWeight;
        noWeight.weight = 0;
        QCOMPARE(reportFonts(noWeight, metrics)[0].weight(), QFont::Normal);
    }

    void aHeightNoPageCanHoldIsTakenAsTheLargestThatFits()
    {
        const ReportPageMetrics letter{5100, 6600, 600, 600, 60, 117};
        PrinterFontSetting huge;
        huge.height = 10000;
        const QFont clamped = reportFonts(huge, letter)[0];
        const double largest = (6600 - 300) / 16.0;
        QVERIFY2(QFontMetricsF(clamped).height() <= largest + 2.0, qPrintable(QString::number(clamped.pixelSize())));
        QVERIFY(QFontMetricsF(clamped).height() >= largest - 8.0);

        const FoodOperations foods;
        CFofDoc document(foods);
        document.appendEntry(kBreakfast, 0, 244);
        MemorySettings settings;
        QVERIFY(!storePrinterFont(settings, huge));
        int pages = 0;
        QVERIFY(!dayReportPdf(dayReport(document, foods, settings, QStringLiteral("/d.ypd")), &pages).isEmpty());
        QCOMPARE(pages, 1);
    }

    void aChosenFontIsStoredAndReadBack()
    {
        QFont chosen(QStringLiteral("DejaVu Serif"));
        chosen.setPointSize(12);
        chosen.setWeight(QFont::Bold);
        chosen.setStyleHint(QFont::Serif);
        const PrinterFontSetting setting = printerFontSetting(chosen);
        QCOMPARE(setting.height, -100); // 12 points at 600 dpi, as a character height
        QCOMPARE(setting.weight, 700);
        QCOMPARE(setting.pitchAndFamily, 0x10 | 2);
        QCOMPARE(setting.faceName, std::string("DejaVu Serif"));

        const QFont back = printerFontFromSetting(setting, 600, 117);
        QCOMPARE(back.pixelSize(), 100);
        QCOMPARE(back.weight(), QFont::Bold);
        QCOMPARE(QFontInfo(back).family(), QStringLiteral("DejaVu Serif"));
        // What a font dialog starts from: the same font in points.
        const QFont initial = printerFontInPoints(setting);
        QCOMPARE(initial.pointSizeF(), 12.0);
        QCOMPARE(printerFontSetting(initial), setting);
        const double fresh = printerFontInPoints(PrinterFontSetting{}).pointSizeF();
        QVERIFY2(fresh >= 5.5 && fresh <= 8.0, qPrintable(QString::number(fresh))); // about 0.6 x 12 points
    }

    void aMissingFaceFallsBackToAnInstalledOne()
    {
        PrinterFontSetting setting;
        setting.faceName = "No Such Face Anywhere";
        const QFont font = printerFontFromSetting(setting, 600, 117);
        QVERIFY(!QFontInfo(font).family().isEmpty());
        QVERIFY(QFontMetrics(font).horizontalAdvance(QStringLiteral("1234")) > 0);
    }

    void pageMetricsAndMeasuresComeFromTheDevice()
    {
        QImage image = whitePage(10, 10, 11811); // 300 dpi
        const ReportPageMetrics metrics = reportPageMetrics(QSize(2550, 3300), &image);
        QCOMPARE(metrics.dpiX, 300);
        QCOMPARE(metrics.dpiY, 300);
        QCOMPARE(metrics.pageWidth, 2550);
        const QFontMetrics defaultMetrics(defaultPrinterFont(&image), &image);
        QCOMPARE(metrics.lineHeight, defaultMetrics.height());
        QCOMPARE(metrics.charWidth, defaultMetrics.averageCharWidth());
        // 12 points at 300 dpi.
        QCOMPARE(defaultPrinterFont(&image).pixelSize(), 50);

        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(600);
        const ReportFontSet fonts = reportFonts(PrinterFontSetting{}, reportPageMetrics(QSize(5100, 6600), &pdf));
        const DeviceTextMeasure measure(fonts, &pdf);
        const QString text = QStringLiteral("Milk [1 cup] x 1.0");
        QCOMPARE(measure.textWidth(ReportFont::kBold, text), QFontMetrics(fonts[1], &pdf).horizontalAdvance(text));
        QCOMPARE(measure.lineHeight(ReportFont::kTitle), QFontMetrics(fonts[6], &pdf).height());
    }

    void numbersThatWouldRunTogetherShrinkTheFont()
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(600);
        const ReportPageMetrics metrics = reportPageMetrics(QSize(4961, 7016), &pdf); // A4

        ReportContent wide;
        for (int j = 0; j < kNutrientCount; ++j) {
            wide.printed.push_back(static_cast<NutrientIndex>(j));
        }
        wide.dayTotals.fill(8888.0f);
        const ReportFontSet plain = reportFonts(PrinterFontSetting{}, metrics);
        QVERIFY(reportFontFit(wide, metrics, DeviceTextMeasure(plain, &pdf)) < 1.0);
        const ReportFontSet fitted = fittedReportFonts(wide, PrinterFontSetting{}, metrics, &pdf);
        QVERIFY(fitted[0].pixelSize() < plain[0].pixelSize());
        QVERIFY(reportFontFit(wide, metrics, DeviceTextMeasure(fitted, &pdf)) >= 0.97);

        ReportContent narrow = wide;
        narrow.printed.resize(5);
        narrow.dayTotals.fill(88.0f);
        QCOMPARE(fittedReportFonts(narrow, PrinterFontSetting{}, metrics, &pdf)[0].pixelSize(), plain[0].pixelSize());
    }

    void noTextOverlapsOrLeavesTheMargins_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("printedCount");
        for (const int points : {8, 12, 20, 28}) {
            QTest::addRow("%d pt, 4 nutrients", points) << points << 4;
            QTest::addRow("%d pt, 28 nutrients", points) << points << 28;
        }
    }

    // Every text box of every page, measured as the PDF sets it, keeps clear of the others and of the rules and
    // stays between the margins, at small and large chosen fonts; a font that had to shrink says so.
    void noTextOverlapsOrLeavesTheMargins()
    {
        QFETCH(int, points);
        QFETCH(int, printedCount);
        const FoodOperations foods;
        DayReport report = longDayReport(foods);
        report.content.documentPath = QStringLiteral("/home/someone/Documents/Diet/2026/December/a-long-day.ypd");
        report.content.printed.resize(static_cast<std::size_t>(printedCount));
        report.content.fatWarningPercent = 20; // some foods get the marker, so the footnote prints
        report.font = printerFontSetting(QFont(QStringLiteral("DejaVu Sans"), points));
        QBuffer buffer;
        QPdfWriter pdf(&buffer);
        pdf.setResolution(600);
        const ReportPageMetrics metrics = reportPageMetrics(QSize(4961, 7016), &pdf); // A4
        const ReportFontSet fonts = fittedReportFonts(report.content, report.font, metrics, &pdf);
        // The day's five-digit totals need more than a column of 28, or of 4 at 20 points, holds.
        const bool shrinks = printedCount == 28 || points >= 20;
        QCOMPARE(reportFontNote(reportFontSize(report.font, metrics, fonts)).isEmpty(), !shrinks);
        const ReportColumns columns = reportColumns(metrics.pageWidth, metrics.dpiX, printedCount);
        const QRect textArea(columns.left, 0, columns.right - columns.left, metrics.pageHeight);
        for (const ReportPage& page : layoutReport(report.content, metrics, DeviceTextMeasure(fonts, &pdf))) {
            for (const ReportItem& item : page.items) {
                for (const ReportItem& other : page.items) {
                    const bool apart = &other == &item || !item.rect.intersects(other.rect);
                    QVERIFY2(isReportRule(item.role) || (apart && textArea.contains(item.rect)),
                             qPrintable(item.text + QStringLiteral(" | ") + other.text));
                }
            }
        }
    }

    void aLongDayIsPaintedPageByPage()
    {
        const FoodOperations foods;
        const DayReport report = longDayReport(foods);
        const QRect page(0, 0, 850, 1100); // Letter at 100 dpi
        std::vector<QImage> images{whitePage(850, 1100)};
        QPainter painter(&images.back());
        const int count = paintDayReport(&painter, page, report, 0, -1, [&] {
            painter.end();
            images.push_back(whitePage(850, 1100));
            return painter.begin(&images.back());
        });
        painter.end();
        QVERIFY(count >= 2);
        QCOMPARE(static_cast<int>(images.size()), count);
        for (const QImage& image : images) {
            QVERIFY(darkPixels(image, QRect(0, 0, 850, 150)) > 0); // every page has the header
        }
        // The margins stay empty: half an inch on either side, less the character the rules reach beyond.
        for (const QImage& image : images) {
            QCOMPARE(darkPixels(image, QRect(0, 0, 30, 1100)), 0);
            QCOMPARE(darkPixels(image, QRect(820, 0, 30, 1100)), 0);
        }

        // Painting only the second page gives the same picture.
        QImage second = whitePage(850, 1100);
        painter.begin(&second);
        QCOMPARE(paintDayReport(&painter, page, report, 1, 1, [] { return false; }), count);
        painter.end();
        QCOMPARE(second, images[1]);
    }

    void aPdfIsMadeHeadlessWithOnePageObjectPerPage()
    {
        const FoodOperations foods;
        int pages = 0;
        const QByteArray pdf = dayReportPdf(longDayReport(foods), &pages);
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pages >= 2);
        QCOMPARE(pdfPageCount(pdf), pages);

        CFofDoc empty(foods);
        MemorySettings settings;
        int emptyPages = 0;
        const QByteArray emptyPdf = dayReportPdf(dayReport(empty, foods, settings, QString()), &emptyPages);
        QCOMPARE(emptyPages, 1);
        QCOMPARE(pdfPageCount(emptyPdf), 1);
    }

    void exportWritesTheFileOrReportsWhyNot()
    {
        const FoodOperations foods;
        CFofDoc document(foods);
        fillLongDay(document);
        MemorySettings settings;
        test::TempDir dir;
        const QString path = fromPath(dir.file("day.pdf"));
        QString error;
        QVERIFY(exportDayReportPdf(document, foods, settings, QStringLiteral("/d.ypd"), path, &error));
        QVERIFY(error.isEmpty());
        QVERIFY(test::readFile(dir.file("day.pdf")).starts_with("%PDF-"));

        const QString unwritable = fromPath(dir.file("missing") / "day.pdf");
        QVERIFY(!exportDayReportPdf(document, foods, settings, QString(), unwritable, &error));
        QVERIFY2(error.startsWith(unwritable + QStringLiteral(": cannot be written: ")), qPrintable(error));
        QVERIFY(!std::filesystem::exists(dir.file("missing")));
        QVERIFY(!exportDayReportPdf(document, foods, settings, QString(), unwritable, nullptr));
    }

    void printingHonoursThePrintDialogsPageRange()
    {
        const FoodOperations foods;
        const DayReport report = longDayReport(foods);
        test::TempDir dir;
        const auto printTo = [&](const std::string& name, int from, int to) {
            const std::unique_ptr<QPrinter> printer = makeReportPrinter();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(fromPath(dir.file(name)));
            printer->setFromTo(from, to);
            const bool printed = printDayReport(printer.get(), report);
            return printed ? pdfPageCount(QByteArray::fromStdString(test::readFile(dir.file(name)))) : -1;
        };
        const int all = printTo("all.pdf", 0, 0);
        QVERIFY(all >= 2);
        QCOMPARE(printTo("second.pdf", 2, 2), 1);
        QCOMPARE(printTo("from-two.pdf", 2, 99), all - 1);
        QCOMPARE(makeReportPrinter()->resolution(), kReportPrinterResolution);
    }

    void thePreviewShowsEveryPageAndGoesAwayWhenClosed()
    {
        const FoodOperations foods;
        const DayReport report = longDayReport(foods);
        QPointer<QPrintPreviewDialog> dialog = createDayReportPreview(report, nullptr);
        QCOMPARE(dialog->objectName(), QStringLiteral("reportPreviewDialog"));
        auto* preview = dialog->findChild<QPrintPreviewWidget*>(QStringLiteral("reportPreview"));
        QVERIFY(preview != nullptr);
        dialog->open();
        QTRY_COMPARE(preview->viewMode(), QPrintPreviewWidget::AllPagesView);
        QVERIFY(preview->pageCount() >= 2);
        QCOMPARE(dialog->printer()->resolution(), kReportPrinterResolution);
        dialog->close();
        QTRY_VERIFY(dialog.isNull());
    }
};

QTEST_MAIN(ReportPainterTest)
#include "report_painter_test.moc"
