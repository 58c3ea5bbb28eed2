// The draw companion's texts: drawn over the chart, important ones first, none over another.

#include "platform/chartengine/DrawCompanion.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace chartengine;

namespace {

bool Shows(const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                return true;
    return false;
}

TEST(DrawCompanion, ImportantTextsFirstAndNoneOverAnother)
{
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawBlock block;
    block.painter = &painter;

    S52TextStyle name;
    name.group = 26;
    S52TextStyle clearance;
    clearance.group = 11;
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255), green = qRgb(0, 160, 0);
    DrawCompanion companion;
    companion.Defer({QPointF(100, 40), QStringLiteral("Annapolis"), name, QColor(red), 3.5, false});
    companion.Defer({QPointF(100, 40), QStringLiteral("clr 12.5"), clearance, QColor(blue), 3.5, false});
    companion.Defer({QPointF(100, 90), QStringLiteral("Eastport"), name, QColor(green), 3.5, false});
    EXPECT_EQ(companion.Draw(block, ParameterList{}), kOk);
    painter.end();
    EXPECT_TRUE(Shows(image, blue));
    EXPECT_FALSE(Shows(image, red));
    EXPECT_TRUE(Shows(image, green));

    // Closing drops the texts: the next draw has none.
    EXPECT_EQ(companion.Close(), kOk);
    QImage next(200, 100, QImage::Format_RGB32);
    next.fill(Qt::white);
    QPainter nextPainter(&next);
    block.painter = &nextPainter;
    EXPECT_EQ(companion.Draw(block, ParameterList{}), kOk);
    nextPainter.end();
    EXPECT_FALSE(Shows(next, blue));
    EXPECT_EQ(companion.Draw(DrawBlock{}, ParameterList{}), kInvalidArgument);
}

}  // namespace
