#include "platform/components/IgpProperties.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPalette>
#include <QRect>
#include <gtest/gtest.h>

namespace {

using namespace Igpfunctions;

class Gauge : public QObject {
    Q_OBJECT
    Q_PROPERTY(int level MEMBER level)

public:
    int level = 0;
};

// An object with a property of each kind the lines carry, one without a text form (palette),
// one not stored and one that holds another object.
class Dial : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString caption MEMBER caption)
    Q_PROPERTY(int count MEMBER count)
    Q_PROPERTY(double scale MEMBER scale)
    Q_PROPERTY(bool shown MEMBER shown)
    Q_PROPERTY(Style style MEMBER style)
    Q_PROPERTY(Parts parts READ GetParts WRITE SetParts)
    Q_PROPERTY(QColor colour MEMBER colour)
    Q_PROPERTY(QFont font MEMBER font)
    Q_PROPERTY(QRect bounds MEMBER bounds)
    Q_PROPERTY(QPalette palette MEMBER palette)
    Q_PROPERTY(int scratch MEMBER scratch STORED false)
    Q_PROPERTY(Gauge* gauge READ Held CONSTANT)

public:
    enum class Style { Plain, Raised, Sunken };
    Q_ENUM(Style)
    enum Part { Needle = 1, Scale = 2, Label = 4 };
    Q_DECLARE_FLAGS(Parts, Part)
    Q_FLAG(Parts)

    Gauge* Held() { return &held; }
    Parts GetParts() const { return parts; }
    void SetParts(Parts value) { parts = value; }

    QString caption;
    int count = 0;
    double scale = 0;
    bool shown = false;
    Style style = Style::Plain;
    Parts parts;
    QColor colour;
    QFont font;
    QRect bounds;
    QPalette palette;
    int scratch = 0;
    Gauge held;
};
Q_DECLARE_OPERATORS_FOR_FLAGS(Dial::Parts)

void Fill(Dial& dial)
{
    dial.setObjectName(QStringLiteral("speedDial"));
    dial.caption = QStringLiteral("  \"Speed\" = kn\\h\nsecond line");
    dial.count = -42;
    dial.scale = 0.1;
    dial.shown = true;
    dial.style = Dial::Style::Sunken;
    dial.parts = Dial::Needle | Dial::Label;
    dial.colour = QColor(10, 20, 30, 40);
    dial.font = QFont(QStringLiteral("DejaVu Sans"), 11, QFont::Bold);
    dial.bounds = QRect(-5, 6, 70, 80);
    dial.palette.setColor(QPalette::Window, Qt::darkRed);
    dial.scratch = 9;
    dial.held.level = 7;
}

void ExpectSameValues(const Dial& a, const Dial& b)
{
    EXPECT_EQ(a.caption, b.caption);
    EXPECT_EQ(a.count, b.count);
    EXPECT_EQ(a.scale, b.scale);
    EXPECT_EQ(a.shown, b.shown);
    EXPECT_EQ(a.style, b.style);
    EXPECT_EQ(a.parts, b.parts);
    EXPECT_EQ(a.colour, b.colour);
    EXPECT_EQ(a.font, b.font);
    EXPECT_EQ(a.bounds, b.bounds);
    EXPECT_EQ(a.held.level, b.held.level);
}

TEST(Properties, LinesNameEachStoredPropertyWithItsValue)
{
    Dial dial;
    Fill(dial);
    const QStringList lines = SaveObjectToStringList(dial);
    for (const char* line :
         {R"(caption = "  \"Speed\" = kn\\h\nsecond line")", "count = -42", "scale = 0.1",
          "shown = true", "style = Sunken", "parts = Needle|Label", "colour = #280a141e",
          "bounds = -5, 6, 70, 80", "gauge.level = 7"})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line;
    for (const QString& line : lines) {
        EXPECT_FALSE(line.startsWith(u"palette")) << "no text form";
        EXPECT_FALSE(line.startsWith(u"scratch")) << "not stored";
        EXPECT_FALSE(line.startsWith(u"objectName"));
    }
    EXPECT_EQ(GetPropertyValueString(dial, QStringLiteral("gauge.level")), u"7");
    EXPECT_EQ(GetPropertyValueString(dial, QStringLiteral("missing")), std::nullopt);
    EXPECT_EQ(GetPropertyValueString(dial, QStringLiteral("palette")), std::nullopt);
    EXPECT_EQ(GetObjectProperty(dial, QStringLiteral("gauge")), &dial.held);
    EXPECT_EQ(GetObjectProperty(dial, QStringLiteral("count")), nullptr);

    QStringList prefixed{QStringLiteral("kept")};
    WriterWriteProperties(dial.held, prefixed, QStringLiteral("dial.gauge."));
    EXPECT_EQ(prefixed,
              QStringList({QStringLiteral("kept"), QStringLiteral("dial.gauge.level = 7")}));
}

TEST(Properties, LinesLoadBackIntoAnotherObject)
{
    Dial saved;
    Fill(saved);
    const QStringList lines = SaveObjectToStringList(saved);
    Dial loaded;
    EXPECT_EQ(LoadObjectFromStringList(loaded, lines), lines.size());
    ExpectSameValues(loaded, saved);
}

TEST(Properties, LoadingPassesOverLinesItCannotApply)
{
    Dial dial;
    const QStringList lines{
        QStringLiteral("count = 5"),        QStringLiteral("no equals sign"),
        QStringLiteral("missing = 3"),      QStringLiteral("count = five"),
        QStringLiteral("shown = maybe"),    QStringLiteral("caption = unquoted"),
        QStringLiteral("style = Bent"),     QStringLiteral("bounds = 1, 2, 3"),
        QStringLiteral("colour = #zzzzzz"), QStringLiteral("gauge = 4"),
        QStringLiteral("gauge.level = 12"), QStringLiteral("scratch = 1"),
    };
    EXPECT_EQ(LoadObjectFromStringList(dial, lines), 2);
    EXPECT_EQ(dial.count, 5);
    EXPECT_EQ(dial.held.level, 12);
    EXPECT_EQ(dial.scratch, 0);
    EXPECT_TRUE(dial.caption.isEmpty());
}

TEST(Properties, SeparateStrings)
{
    struct Case {
        const char* line;
        bool split;
        const char* name;
        const char* value;
    };
    for (const Case c : {Case{"a = b", true, "a", "b"}, Case{"a=b=c", true, "a", "b=c"},
                         Case{" a =  ", true, "a", ""}, Case{"abc", false, "-", "-"}}) {
        QString name = QStringLiteral("-");
        QString value = QStringLiteral("-");
        EXPECT_EQ(SeparateStrings(QString::fromUtf8(c.line), name, value), c.split) << c.line;
        EXPECT_EQ(name, QString::fromUtf8(c.name)) << c.line;
        EXPECT_EQ(value, QString::fromUtf8(c.value)) << c.line;
    }
}

TEST(Properties, AssignCopiesEveryStoredPropertyButTheName)
{
    Dial source;
    Fill(source);
    Dial target;
    target.setObjectName(QStringLiteral("target"));
    AssignObject(target, source);
    ExpectSameValues(target, source);
    EXPECT_EQ(target.palette.color(QPalette::Window), QColor(Qt::darkRed));  // no text form
    EXPECT_EQ(target.scratch, 0);
    EXPECT_EQ(target.objectName(), u"target");
}

}  // namespace

#include "IgpPropertiesTest.moc"
