#include "platform/system/JpegFile.h"

#include "JpegTestSupport.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include <fstream>
#include <iterator>

namespace {

std::string Contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Red, green and blue bands over a grey ramp, so that a swapped channel shows.
QImage Bands(QImage::Format format)
{
    QImage picture(96, 64, QImage::Format_RGB32);
    for (int x = 0; x < picture.width(); ++x)
        for (int y = 0; y < picture.height(); ++y)
            picture.setPixel(x, y, qRgb(x * 2, x * 2, x * 2));
    QPainter painter(&picture);
    painter.fillRect(0, 0, 32, 32, QColor(220, 30, 30));
    painter.fillRect(32, 0, 32, 32, QColor(30, 200, 40));
    painter.fillRect(64, 0, 32, 32, QColor(20, 40, 210));
    painter.end();
    return picture.convertToFormat(format);
}

std::array<int, 3> DecodedAt(const JpegFacts& facts, int x, int y)
{
    const std::size_t at = (std::size_t(y) * std::size_t(facts.width) + std::size_t(x)) * 3;
    return {facts.pixels[at], facts.pixels[at + 1], facts.pixels[at + 2]};
}

// The quantisation table Qt's own writer puts in a file of quality 90.
std::array<unsigned, 64> QtLuminanceTable(const QImage& picture)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    EXPECT_TRUE(writer.write(picture)) << writer.errorString().toStdString();
    return ReadJpeg(buffer.data().toStdString()).luminanceTable;
}

TEST(JpegFile, EncodesEveryPictureFormatAsABaselineColourJpeg)
{
    const QImage::Format formats[] = {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied,
                                      QImage::Format_ARGB32, QImage::Format_RGB888, QImage::Format_RGB16,
                                      QImage::Format_Grayscale8};
    const std::array<unsigned, 64> qtTable = QtLuminanceTable(Bands(QImage::Format_RGB32));
    for (QImage::Format format : formats) {
        SCOPED_TRACE(format);
        const QImage picture = Bands(format);
        const JpegFacts facts = ReadJpeg(platform::EncodeJpeg(picture, 90));
        ASSERT_TRUE(facts.decoded);
        EXPECT_EQ(facts.frameMarker, 0xC0);
        EXPECT_EQ(facts.components, 3);
        EXPECT_EQ(facts.width, 96);
        EXPECT_EQ(facts.height, 64);
        EXPECT_EQ(facts.luminanceTable, qtTable);
        // The middle of each band and of the ramp keeps its colour.
        for (const QPoint at : {QPoint(16, 16), QPoint(48, 16), QPoint(80, 16), QPoint(60, 50)}) {
            const QColor expected = picture.pixelColor(at);
            const std::array<int, 3> decoded = DecodedAt(facts, at.x(), at.y());
            EXPECT_NEAR(decoded[0], expected.red(), 6) << at.x();
            EXPECT_NEAR(decoded[1], expected.green(), 6) << at.x();
            EXPECT_NEAR(decoded[2], expected.blue(), 6) << at.x();
        }
    }
    EXPECT_TRUE(platform::EncodeJpeg(QImage(), 90).empty());
}

TEST(JpegFile, WritingReplacesTheFileOrLeavesNothing)
{
    TempFolder folder;
    const auto file = folder / "261209080507.jpg";
    std::ofstream(file) << "an earlier shot";
    ASSERT_TRUE(platform::WriteJpegFile(file, Bands(QImage::Format_RGB32), 90));
    EXPECT_EQ(ReadJpeg(Contents(file)).width, 96);

    // A folder that is a file cannot take one, even for root.
    std::ofstream(folder / "Screens") << "not a folder";
    EXPECT_FALSE(platform::WriteJpegFile(folder / "Screens" / "shot.jpg", Bands(QImage::Format_RGB32), 90));
    EXPECT_FALSE(platform::WriteJpegFile(folder / "empty.jpg", QImage(), 90));
    EXPECT_FALSE(std::filesystem::exists(folder / "empty.jpg"));
}

}  // namespace
