#include "platform/components/IgpText.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace Igpfunctions;
using namespace Itypes;

QFont TestFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    return font;
}

// The box around the dark pixels of what `draw` paints in black on a white 200 x 200 picture.
QRect Ink(const std::function<void(QPainter&)>& draw)
{
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(TestFont());
        painter.setPen(Qt::black);
        draw(painter);
    }
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// Measures with the font of the pictures above.
struct Measure {
    QImage image{1, 1, QImage::Format_RGB32};
    QPainter painter{&image};
    Measure() { painter.setFont(TestFont()); }
};

TEST(iDrawText, PlacesTheTextAsTheFlagsSay)
{
    const QRect rect(20, 20, 160, 160);
    struct Case {
        const char* name;
        TiTextFlags flags;
        bool nearLeft;
        bool nearTop;
    };
    for (const Case c : {Case{"top left", tfLeft | tfTop, true, true},
                         Case{"bottom right", tfRight | tfBottom, false, false},
                         Case{"centred", tfCenter | tfVCenter, false, false}}) {
        QRect taken;
        const QRect ink =
            Ink([&](QPainter& p) { taken = iDrawText(p, QStringLiteral("Wg"), rect, c.flags); });
        ASSERT_FALSE(ink.isEmpty()) << c.name;
        EXPECT_TRUE(taken.contains(ink)) << c.name;
        EXPECT_TRUE(rect.contains(ink)) << c.name;
        EXPECT_EQ(ink.left() < 40, c.nearLeft) << c.name;
        EXPECT_EQ(ink.top() < 40, c.nearTop) << c.name;
        if (c.flags.testFlag(tfRight)) {
            EXPECT_GT(ink.right(), 160) << c.name;
        }
        if (c.flags.testFlag(tfCenter)) {
            EXPECT_NEAR(ink.center().x(), rect.center().x(), 3) << c.name;
        }
    }
}

TEST(iDrawText, CutsAtTheRectangleUnlessToldNot)
{
    const QRect narrow(20, 20, 30, 40);
    const QString text = QStringLiteral("Wide wide text");
    EXPECT_TRUE(narrow.contains(Ink([&](QPainter& p) { iDrawText(p, text, narrow); })));
    EXPECT_GT(Ink([&](QPainter& p) { iDrawText(p, text, narrow, tfNoClip); }).right(), 60);
    // Broken at words, the lines go downwards instead.
    const QRect wrapped =
        Ink([&](QPainter& p) { iDrawText(p, text, narrow, tfWordBreak | tfNoClip); });
    EXPECT_GT(wrapped.height(), 2 * Measure().painter.fontMetrics().ascent());
}

TEST(iDrawRotatedText, TurnsCounterClockwiseAboutTheCorner)
{
    const QString text = QStringLiteral("HHHH");
    Measure m;
    const int width = iTextWidth(m.painter, text);
    const int height = iTextHeight(m.painter, text);
    const QPoint o(100, 100);
    struct Case {
        TiRotationAngle angle;
        QRect box;  // where the text lies
    };
    for (const Case c : {Case{TiRotationAngle::ra0, QRect(o.x(), o.y(), width, height)},
                         Case{TiRotationAngle::ra90, QRect(o.x(), o.y() - width, height, width)},
                         Case{TiRotationAngle::ra180,
                              QRect(o.x() - width, o.y() - height, width, height)},
                         Case{TiRotationAngle::ra270,
                              QRect(o.x() - height, o.y(), height, width)}}) {
        const QRect ink = Ink([&](QPainter& p) { iDrawRotatedText(p, text, o, c.angle); });
        ASSERT_FALSE(ink.isEmpty()) << static_cast<int>(c.angle);
        EXPECT_TRUE(c.box.adjusted(-1, -1, 1, 1).contains(ink)) << static_cast<int>(c.angle);
        // The long side of the ink runs along the turned text.
        EXPECT_EQ(ink.width() > ink.height(), c.box.width() > c.box.height())
            << static_cast<int>(c.angle);
    }
}

TEST(TextMeasures, CountEveryLine)
{
    Measure m;
    const QPainter& p = m.painter;
    EXPECT_EQ(iTextWidth(p, QStringLiteral("ab\nabcdef\nabc")),
              iTextWidth(p, QStringLiteral("abcdef")));
    EXPECT_GT(iTextHeight(p, QStringLiteral("a\nb\nc")), 2 * iTextHeight(p, QStringLiteral("a")));
    const QString words = QStringLiteral("word word word word");
    EXPECT_EQ(iTextHeightFixedWidth(p, words, iTextWidth(p, QStringLiteral("word word"))),
              iTextHeight(p, QStringLiteral("word word\nword word")));
    EXPECT_EQ(iTextHeightFixedWidth(p, words, 1000), iTextHeight(p, words));
}

}  // namespace
