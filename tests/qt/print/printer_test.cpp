// The printers: a PDF file checked with poppler's tools, and the system
// printer's dialog, cancelled or accepted, printing to a PDF file.

#include "qt/pictures/bmp_files.h"
#include "qt/qt_test_support.h"
#include "ui/form_description.h"
#include "qt/drawing/qt_bitmap.h"
#include "qt/print/pdf_printer.h"
#include "qt/print/window_printer.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace cal {
namespace {

using qtui::PdfPrinter;
using qtui::WindowPrinter;

bool popplerInstalled() {
    for (const char* tool : {"pdfinfo", "pdftotext", "pdfimages"})
        if (QStandardPaths::findExecutable(QString::fromUtf8(tool)).isEmpty()) return false;
    return true;
}

// The output of a poppler tool; empty when it failed.
QString run(const char* tool, const QStringList& arguments) {
    QProcess process;
    process.start(QString::fromUtf8(tool), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The media box of the first page, in points.
QSizeF pageSize(const QString& pdfinfo) {
    const QRegularExpression box(
        QStringLiteral(R"(MediaBox:\s+([\d.]+)\s+([\d.]+)\s+([\d.]+)\s+([\d.]+))"));
    const QRegularExpressionMatch m = box.match(pdfinfo);
    if (!m.hasMatch()) return {};
    return {m.captured(3).toDouble() - m.captured(1).toDouble(),
            m.captured(4).toDouble() - m.captured(2).toDouble()};
}

// The box of a word in `pdftotext -bbox` output, in 0.1 mm.
std::optional<QRectF> wordBox(const QString& bbox, const QString& word) {
    const QRegularExpression line(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">)re") +
        QRegularExpression::escape(word) + QStringLiteral("</word>"));
    const QRegularExpressionMatch m = line.match(bbox);
    if (!m.hasMatch()) return std::nullopt;
    const double perPoint = 254.0 / 72.0;
    return QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()) * perPoint,
                  QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()) * perPoint);
}

// 12 points is 42.3 units; a word's box is about one em high.
constexpr double kTwelvePoints = 12 * 254.0 / 72.0;

// The width of each distinct image object in `pdfimages -list` output.
QMap<QString, int> imageWidths(const QString& list) {
    QMap<QString, int> objects;
    for (const QString& row : list.split(u'\n').mid(2)) {
        const QStringList cells = row.simplified().split(u' ');
        if (cells.size() > 10) objects.insert(cells[10], cells[3].toInt());
    }
    return objects;
}

class PrinterTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    std::unique_ptr<Bitmap> picture(const char* name, QColor color, QSize size = {64, 48}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        const QString file = path(name);
        EXPECT_TRUE(image.save(file, "BMP"));
        auto bitmap = std::make_unique<qtui::QtBitmap>(cache);
        EXPECT_TRUE(bitmap->load(file.toStdString()));
        return bitmap;
    }

    // Accepts the dialog and opens the page in 0.1 mm.
    static void begin(Printer& printer) {
        PrintChoice choice;
        ASSERT_EQ(printer.setPaperMode(8, 2), PrintError::None);
        ASSERT_EQ(printer.printDialog(choice), PrintError::None);
        ASSERT_TRUE(choice.accepted);
        ASSERT_EQ(printer.startDocument("帳票印刷"), PrintError::None);
        ASSERT_EQ(printer.startPage(), PrintError::None);
        ASSERT_EQ(printer.setMapMode(2), PrintError::None);
    }
    static PrintError finish(Printer& printer) {
        PrintError error = printer.endPage();
        if (error == PrintError::None) error = printer.endDocument();
        if (error == PrintError::None) error = printer.close();
        return error;
    }

    QTemporaryDir dir;
    qtui::PictureCache cache;
};

TEST_F(PrinterTest, APdfPageIsA3LandscapeWithRealTextWhereItWasDrawn) {
    if (!popplerInstalled()) GTEST_SKIP() << "poppler-utils are not installed";
    PdfPrinter printer(path("out.pdf"));
    begin(printer);
    printer.setFont(kGothic, 12);
    printer.page().text(1000, 500, "日曜日", 1, 1, 2);
    printer.page().text(3000, 2000, "Ｘ", 2, 2, 5);  // a magnified text lands where asked too
    printer.page().rectangle(100, 100, 400, 300, 5);
    EXPECT_EQ(printer.error(), PrintError::None);
    ASSERT_EQ(finish(printer), PrintError::None);
    EXPECT_EQ(files(), QStringList{QStringLiteral("out.pdf")});  // no temporary left

    const QString info = run("pdfinfo", {QStringLiteral("-box"), path("out.pdf")});
    const QSizeF size = pageSize(info);
    EXPECT_NEAR(size.width(), 1190.55, 1);
    EXPECT_NEAR(size.height(), 841.89, 1);
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral(R"(Pages:\s+1\b)"))));

    const QString bbox = run("pdftotext", {QStringLiteral("-bbox"), path("out.pdf"), QStringLiteral("-")});
    const std::optional<QRectF> sunday = wordBox(bbox, QString::fromUtf8("日曜日"));
    ASSERT_TRUE(sunday) << bbox.toStdString();
    EXPECT_NEAR(sunday->x(), 1000, 20);
    EXPECT_NEAR(sunday->y(), 500, 20);
    EXPECT_NEAR(sunday->height(), kTwelvePoints, 0.25 * kTwelvePoints);
    EXPECT_NEAR(sunday->width(), 3 * kTwelvePoints, 0.25 * kTwelvePoints);
    const std::optional<QRectF> big = wordBox(bbox, QString::fromUtf8("Ｘ"));
    ASSERT_TRUE(big);
    EXPECT_NEAR(big->x(), 3000, 20);
    EXPECT_NEAR(big->y(), 2000, 20);
    EXPECT_NEAR(big->height(), 2 * kTwelvePoints, 0.5 * kTwelvePoints);
}

TEST_F(PrinterTest, EveryPaperIsLandscapeAndAFileReachesAllOfIt) {
    if (!popplerInstalled()) GTEST_SKIP() << "poppler-utils are not installed";
    for (const Paper& paper : kPapers) {
        SCOPED_TRACE(std::string(paper.name));
        PdfPrinter printer(path("paper.pdf"));
        ASSERT_EQ(printer.setPaperMode(paper.code, 2), PrintError::None);
        const PaperArea area = printer.paperArea();
        EXPECT_EQ(area.code, paper.code);
        EXPECT_NEAR(area.paper.width, paper.width, 1);
        EXPECT_NEAR(area.paper.height, paper.height, 1);
        EXPECT_NEAR(area.printable.width, paper.width, 1);
        PrintChoice choice;
        ASSERT_EQ(printer.printDialog(choice), PrintError::None);
        ASSERT_EQ(printer.startDocument("帳票印刷"), PrintError::None);
        ASSERT_EQ(printer.startPage(), PrintError::None);
        ASSERT_EQ(printer.setMapMode(2), PrintError::None);
        printer.page().text(100, 100, "用紙", 1, 1, 2);
        ASSERT_EQ(finish(printer), PrintError::None);
        const QSizeF size = pageSize(run("pdfinfo", {QStringLiteral("-box"), path("paper.pdf")}));
        EXPECT_NEAR(size.width(), paper.width * 72 / qtui::kUnitsPerInch, 1);
        EXPECT_NEAR(size.height(), paper.height * 72 / qtui::kUnitsPerInch, 1);
    }
}

TEST_F(PrinterTest, APictureIsEmbeddedOnceLosslesslyAtTheLargestSizeItIsDrawnAt) {
    if (!popplerInstalled()) GTEST_SKIP() << "poppler-utils are not installed";
    const std::unique_ptr<Bitmap> frame = picture("frame.bmp", Qt::green, {640, 480});
    const std::unique_ptr<Bitmap> title = picture("title.BMP", Qt::blue, {640, 480});
    const std::unique_ptr<Bitmap> stamp = picture("stamp.bmp", Qt::red);
    PdfPrinter printer(path("out.pdf"));
    begin(printer);
    // One pixel per 0.1 mm, never more than the file has.
    for (int i = 0; i < 50; ++i) printer.page().stretch(*frame, 100 + 100 * i, 100, 95, 80);
    printer.page().stretch(*stamp, 500, 1000, 190, 160);
    // Drawn small first and larger later: still one image, the larger.
    printer.page().stretch(*title, 500, 300, 50, 42);
    printer.page().stretch(*title, 500, 500, 190, 160);
    printer.page().stretch(*title, 800, 500, 95, 80);
    ASSERT_EQ(printer.endPage(), PrintError::None);
    // Pictures are made when the document ends, all its pages known.
    EXPECT_EQ(cache.decodes(), 0);
    ASSERT_EQ(finish(printer), PrintError::None);
    // Once a file: the title, drawn larger than its master would be, is read
    // at that size alone.
    EXPECT_EQ(cache.decodes(), 3);
    EXPECT_EQ(printer.documentPictures(), 0u);  // released with the document
    EXPECT_TRUE(printer.undrawnPictures().empty());

    const QString list = run("pdfimages", {QStringLiteral("-list"), path("out.pdf")});
    QList<int> widths = imageWidths(list).values();
    std::sort(widths.begin(), widths.end());
    EXPECT_EQ(widths, QList<int>({64, 95, 190})) << list.toStdString();
    EXPECT_FALSE(list.contains(QStringLiteral("jpeg"))) << list.toStdString();
}

// Over several pages, a file drawn small on one and large on another is
// embedded once, the larger; a copy of a file under another name shares it.
TEST_F(PrinterTest, EachPictureIsEmbeddedOnceInAWholeDocument) {
    if (!popplerInstalled()) GTEST_SKIP() << "poppler-utils are not installed";
    const std::unique_ptr<Bitmap> title = picture("title.bmp", Qt::blue, {640, 480});
    const std::unique_ptr<Bitmap> copy = picture("copy.bmp", Qt::blue, {640, 480});
    PdfPrinter printer(path("out.pdf"));
    begin(printer);
    printer.page().stretch(*title, 500, 300, 50, 42);
    printer.page().stretch(*copy, 800, 300, 50, 42);
    ASSERT_EQ(printer.endPage(), PrintError::None);
    ASSERT_EQ(printer.startPage(), PrintError::None);
    printer.page().stretch(*title, 500, 500, 190, 160);
    printer.page().stretch(*copy, 800, 500, 190, 160);
    ASSERT_EQ(finish(printer), PrintError::None);

    const QString list = run("pdfimages", {QStringLiteral("-list"), path("out.pdf")});
    EXPECT_EQ(imageWidths(list).size(), 1) << list.toStdString();
    EXPECT_EQ(imageWidths(list).values(), QList<int>({190})) << list.toStdString();
    const QStringList rows = list.split(u'\n').mid(2);
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const QString& row) { return row.simplified().startsWith(u"2 "); }), 2)
        << list.toStdString();  // both drawn on page 2
}

TEST_F(PrinterTest, APictureBeyondQtsOwnLimitIsPrintedAndADamagedOneIsNamed) {
    if (!popplerInstalled()) GTEST_SKIP() << "poppler-utils are not installed";
    // 12000 × 12000 pixels: more than Qt's reader will hold, small on disk.
    const QString huge = path("huge.bmp");
    ASSERT_TRUE(testbmp::writeFile(huge, testbmp::hugeRle8(12000, 12000)));
    EXPECT_TRUE(QImage(huge).isNull());
    // A header that promises rows the file does not hold.
    const QString damaged = path("damaged.bmp");
    const QByteArray whole = testbmp::makeBmp(40, 40, {8, 1, false});
    ASSERT_TRUE(testbmp::writeFile(damaged, whole.left(whole.size() / 2)));

    PdfPrinter printer(path("out.pdf"), &cache);
    begin(printer);
    {
        qtui::QtBitmap bitmap(cache);
        ASSERT_TRUE(bitmap.load(huge.toStdString()));
        EXPECT_EQ(bitmap.width(), 12000);
        printer.page().stretch(bitmap, 100, 100, 190, 160);
        ASSERT_TRUE(bitmap.load(damaged.toStdString()));
        printer.page().stretch(bitmap, 400, 100, 95, 80);
    }
    ASSERT_EQ(finish(printer), PrintError::None);
    ASSERT_EQ(printer.undrawnPictures().size(), 1u);
    EXPECT_EQ(QString::fromStdString(printer.undrawnPictures().front()), damaged);

    const QString list = run("pdfimages", {QStringLiteral("-list"), path("out.pdf")});
    EXPECT_EQ(imageWidths(list).values(), QList<int>({190})) << list.toStdString();
    // The top band of the huge picture is palette colour 1.
    const QString png = path("page");
    run("pdftoppm", {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-png"), path("out.pdf"), png});
    const QImage page(png + QStringLiteral("-1.png"));
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(page.pixel(195, 110), testbmp::paletteColour(8, 1));

    // Printed again: the damaged file, remembered as such, is named again
    // without being read.
    const int decodes = cache.decodes();
    begin(printer);
    {
        qtui::QtBitmap bitmap(cache);
        EXPECT_FALSE(bitmap.load(damaged.toStdString()));
    }
    ASSERT_EQ(finish(printer), PrintError::None);
    EXPECT_EQ(printer.undrawnPictures().size(), 1u);
    EXPECT_EQ(cache.decodes(), decodes);
}

TEST_F(PrinterTest, OnlyAFinishedDocumentWritesOrReplacesTheFile) {
    {
        PdfPrinter printer(path("new.pdf"));
        begin(printer);
        printer.page().text(100, 100, "途中", 1, 1, 2);
        EXPECT_EQ(printer.abortDocument(), PrintError::None);
        EXPECT_FALSE(printer.printing());
    }
    EXPECT_TRUE(files().isEmpty());

    QFile old(path("old.pdf"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    {
        PdfPrinter printer(path("old.pdf"));
        begin(printer);
        printer.page().text(100, 100, "途中", 1, 1, 2);
        // Gone with the printer, never finished.
    }
    EXPECT_EQ(files(), QStringList{QStringLiteral("old.pdf")});
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old"));
    old.close();

    // Finished, the new document replaces it.
    PdfPrinter printer(path("old.pdf"));
    begin(printer);
    ASSERT_EQ(finish(printer), PrintError::None);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_TRUE(old.readAll().startsWith("%PDF"));
    EXPECT_EQ(files(), QStringList{QStringLiteral("old.pdf")});
}

TEST_F(PrinterTest, AFileThatCannotBeWrittenFailsToBegin) {
    PdfPrinter printer(path("missing/out.pdf"));
    PrintChoice choice;
    ASSERT_EQ(printer.printDialog(choice), PrintError::None);
    EXPECT_EQ(printer.startDocument("帳票印刷"), PrintError::Begin);
    EXPECT_FALSE(printer.printing());
    EXPECT_EQ(printer.abortDocument(), PrintError::None);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(PrinterTest, StepsOutOfOrderAnswerTheirFailureNumbers) {
    if (!popplerInstalled()) GTEST_SKIP() << "poppler-utils are not installed";
    PdfPrinter printer(path("out.pdf"));
    PrintChoice choice;
    ASSERT_EQ(printer.printDialog(choice), PrintError::None);
    EXPECT_EQ(printer.startPage(), PrintError::NotPrinting);
    EXPECT_EQ(printer.endDocument(), PrintError::NotPrinting);
    printer.page().text(100, 100, "紙なし", 1, 1, 2);
    EXPECT_EQ(printer.error(), PrintError::NotPrinting);

    ASSERT_EQ(printer.startDocument("帳票印刷"), PrintError::None);
    EXPECT_EQ(printer.error(), PrintError::None);  // a new document starts clean
    EXPECT_EQ(printer.setMapMode(3), PrintError::MapMode);
    EXPECT_EQ(printer.startPage(), PrintError::None);
    EXPECT_EQ(printer.endPage(), PrintError::None);
    EXPECT_EQ(printer.startPage(), PrintError::None);  // a second page
    EXPECT_EQ(printer.endPage(), PrintError::None);
    EXPECT_EQ(printer.endDocument(), PrintError::None);

    const QString info = run("pdfinfo", {path("out.pdf")});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral(R"(Pages:\s+2\b)"))));
}

// ---- the system printer's dialog -----------------------------------------

class WindowPrinterTest : public PrinterTest {
protected:
    void SetUp() override {
        PrinterTest::SetUp();
        printer.device().setOutputFormat(QPrinter::PdfFormat);
        printer.device().setOutputFileName(path("printed.pdf"));
    }
    WindowPrinter printer{nullptr};
};

TEST_F(WindowPrinterTest, ACancelledDialogStartsAnEmptyDocumentThatWritesNothing) {
    qttest::whenModal([](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });
    PrintChoice choice{true};
    ASSERT_EQ(printer.setPaperMode(8, 2), PrintError::None);
    EXPECT_EQ(printer.printDialog(choice), PrintError::None);
    EXPECT_FALSE(choice.accepted);
    // The job's steps after a cancelled dialog raise no failure.
    EXPECT_EQ(printer.startDocument("帳票印刷"), PrintError::None);
    EXPECT_EQ(printer.startPage(), PrintError::None);
    EXPECT_EQ(printer.setMapMode(2), PrintError::None);
    EXPECT_FALSE(printer.printing());
    EXPECT_EQ(printer.abortDocument(), PrintError::None);
    EXPECT_EQ(printer.close(), PrintError::None);
    EXPECT_FALSE(QFile::exists(path("printed.pdf")));
}

TEST_F(WindowPrinterTest, AnAcceptedDialogPrintsInTenthsOfAMillimetreAtThePrintersResolution) {
    if (!popplerInstalled()) GTEST_SKIP() << "poppler-utils are not installed";
    qttest::whenModal([](QWidget& dialog) { static_cast<QDialog&>(dialog).accept(); });
    begin(printer);
    EXPECT_GT(printer.device().resolution(), 300);  // the scale is not a coincidence
    printer.setFont(kGothic, 12);
    printer.page().text(1000, 500, "日曜日", 1, 1, 2);
    const std::unique_ptr<Bitmap> frame = picture("frame.bmp", Qt::green, {640, 480});
    printer.page().stretch(*frame, 2000, 500, 95, 80);
    ASSERT_EQ(finish(printer), PrintError::None);

    const QString info = run("pdfinfo", {QStringLiteral("-box"), path("printed.pdf")});
    const QSizeF size = pageSize(info);
    EXPECT_NEAR(size.width(), 1190.55, 1);
    EXPECT_NEAR(size.height(), 841.89, 1);
    const QString bbox = run("pdftotext", {QStringLiteral("-bbox"), path("printed.pdf"), QStringLiteral("-")});
    const std::optional<QRectF> sunday = wordBox(bbox, QString::fromUtf8("日曜日"));
    ASSERT_TRUE(sunday) << bbox.toStdString();
    EXPECT_NEAR(sunday->x(), 1000, 20);
    EXPECT_NEAR(sunday->y(), 500, 20);
    EXPECT_NEAR(sunday->height(), kTwelvePoints, 0.25 * kTwelvePoints);
    EXPECT_NEAR(sunday->width(), 3 * kTwelvePoints, 0.25 * kTwelvePoints);
    // Pictures at 300 dpi where the printer has more: 95 units are 112 pixels.
    const QString list = run("pdfimages", {QStringLiteral("-list"), path("printed.pdf")});
    EXPECT_EQ(imageWidths(list).values(), QList<int>({112})) << list.toStdString();
}

}  // namespace
}  // namespace cal
