// Picture streams recoded the PNG way: the same pixels, fewer bytes, and a
// cross-reference table that still points at every object.

#include "pdf/pdf_predictors.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace cal::test {
namespace {

std::string pdfWithPicture(const QImage& picture) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(254);
        QPainter painter(&writer);
        painter.setRenderHint(QPainter::LosslessImageRendering);
        painter.drawImage(QRect(100, 100, picture.width(), picture.height()), picture);
        painter.drawText(100, 80, QStringLiteral("4月"));
    }
    return buffer.data().toStdString();
}

QImage smoothPhoto(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 255) / width, (y * 255) / height, ((x + y) * 3) % 256));
    return image;
}

std::size_t numberAfter(const std::string& text, const std::string& key, std::size_t from) {
    return std::strtoul(text.c_str() + text.find(key, from) + key.size(), nullptr, 10);
}

// The rows of the first picture of a PDF, PNG filters undone when named.
std::vector<unsigned char> firstPictureRows(const std::string& pdf) {
    const std::size_t at = pdf.find("/Subtype /Image");
    const std::size_t width = numberAfter(pdf, "/Width ", at);
    const std::size_t height = numberAfter(pdf, "/Height ", at);
    const std::size_t dataAt = pdf.find("stream\n", at) + 7;
    const std::size_t lengthObject = numberAfter(pdf, "/Length ", at);
    const std::size_t length = numberAfter(pdf, "\n" + std::to_string(lengthObject) + " 0 obj\n", 0);
    const bool filtered = pdf.substr(at, dataAt - at).find("/Predictor 15") != std::string::npos;
    const std::size_t rowBytes = width * 3 + (filtered ? 1 : 0);
    std::vector<unsigned char> raw(rowBytes * height);
    uLongf size = static_cast<uLongf>(raw.size());
    if (uncompress(raw.data(), &size, reinterpret_cast<const Bytef*>(pdf.data() + dataAt),
                   static_cast<uLong>(length)) != Z_OK || size != raw.size())
        return {};
    if (!filtered) return raw;
    std::vector<unsigned char> rows(width * 3 * height);
    const std::size_t stride = width * 3;
    for (std::size_t y = 0; y < height; ++y) {
        const unsigned char filter = raw[y * rowBytes];
        for (std::size_t i = 0; i < stride; ++i) {
            const int a = i >= 3 ? rows[y * stride + i - 3] : 0;
            const int b = y > 0 ? rows[(y - 1) * stride + i] : 0;
            const int c = i >= 3 && y > 0 ? rows[(y - 1) * stride + i - 3] : 0;
            int predicted = 0;
            if (filter == 1) predicted = a;
            if (filter == 2) predicted = b;
            if (filter == 3) predicted = (a + b) / 2;
            if (filter == 4) {
                const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
                predicted = pa <= pb && pa <= pc ? a : (pb <= pc ? b : c);
            }
            rows[y * stride + i] = static_cast<unsigned char>(raw[y * rowBytes + 1 + i] + predicted);
        }
    }
    return rows;
}

TEST(PdfPredictors, APhotoKeepsItsPixelsInFewerBytes) {
    const std::string before = pdfWithPicture(smoothPhoto(300, 200));
    const std::string after = cal::pdf::withPngPredictors(before);

    EXPECT_LT(after.size(), before.size() * 3 / 4);
    EXPECT_NE(after.find("/Predictor 15 /Colors 3 /BitsPerComponent 8 /Columns 300"), std::string::npos);
    const std::vector<unsigned char> pixels = firstPictureRows(before);
    ASSERT_EQ(pixels.size(), 300u * 200u * 3u);
    EXPECT_EQ(firstPictureRows(after), pixels);
}

TEST(PdfPredictors, TheCrossReferencesPointAtTheirObjects) {
    const std::string pdf = cal::pdf::withPngPredictors(pdfWithPicture(smoothPhoto(120, 90)));
    const std::size_t xref = numberAfter(pdf, "startxref\n", pdf.rfind("startxref"));
    ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
    const std::size_t count = numberAfter(pdf, "xref\n0 ", xref);
    const std::size_t entries = pdf.find('\n', xref + 5) + 1;
    ASSERT_GT(count, 3u);
    for (std::size_t n = 1; n < count; ++n) {
        const std::size_t offset = std::strtoul(pdf.c_str() + entries + n * 20, nullptr, 10);
        const std::string header = std::to_string(n) + " 0 obj";
        EXPECT_EQ(pdf.compare(offset, header.size(), header), 0) << "object " << n;
    }
    EXPECT_EQ(pdf.substr(pdf.size() - 6), "%%EOF\n");
}

TEST(PdfPredictors, AnythingElseComesBackAsItWas) {
    const std::string pdf = pdfWithPicture(smoothPhoto(64, 48));
    for (const std::string& odd : {std::string(), std::string("not a pdf"), pdf.substr(0, pdf.size() / 2),
                                   pdf.substr(0, pdf.rfind("xref")) + "startxref\n999999999\n%%EOF\n"})
        EXPECT_EQ(cal::pdf::withPngPredictors(odd), odd);
}

}  // namespace
}  // namespace cal::test
