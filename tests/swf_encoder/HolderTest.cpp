// Holder state: Make calls, the placed matrix about the box centre, fills,
// fonts and texts.

#include "EncoderFixture.h"

#include "swf/encoder/PlacedMatrix.h"

#include <cmath>

namespace glimmora::test {
namespace {

class Holder : public EncoderFixture {};

struct Point {
    double x, y;
};

Point Apply(const swf::Affine& m, Point p)
{
    return {m.a * p.x + m.c * p.y + m.tx, m.b * p.x + m.d * p.y + m.ty};
}

constexpr double kTurn = 360.0 * 65536;

TEST_F(Holder, MakeResetsScaleAndAngleAndPlacesTheBoxCorner)
{
    auto& holder = NewHolder();
    holder.MakeRectangle(0, 0, 100, 100);
    holder.Scale(131072, 32768);
    holder.Rotate(kTurn / 8);
    holder.MakeRectangle(1000, 2000, 3000, 3000);
    const swf::Matrix m = swf::Quantise(holder.CurrentMatrix());
    EXPECT_EQ(m, (swf::Matrix{65536, 65536, 0, 0, 1000, 2000}));

    holder.Scale(131072, 131072);
    holder.SetSolidFill(10, 20, 30, 40);
    holder.MakeRectangle(0, 0, 10, 10);
    EXPECT_EQ(swf::Quantise(holder.CurrentMatrix()), (swf::Matrix{65536, 65536, 0, 0, 0, 0}));
    EXPECT_EQ(holder.Fill(), (swf::Rgba{10, 20, 30, 40})) << "the fill holds across Make calls";
}

TEST_F(Holder, ScaleAndRotateActAboutTheBoxCentre)
{
    struct Case {
        const char* name;
        double sx, sy, angle;
    };
    const Case cases[] = {
        {"double size", 131072, 131072, 0},
        {"half width", 32768, 65536, 0},
        {"quarter turn", 65536, 65536, kTurn / 4},
        {"turned and scaled", 98304, 20000, kTurn / 7},
        {"flattened to nothing", 0, 65536, 0},
    };
    for (const Case& c : cases) {
        auto& holder = NewHolder();
        holder.MakeRectangle(1000, 2000, 3000, 3000);  // 2000 x 1000 box
        holder.Scale(c.sx, c.sy);
        holder.Rotate(c.angle);
        const swf::Affine m = holder.CurrentMatrix();
        const Point centre = Apply(m, {1000, 500});
        EXPECT_NEAR(centre.x, 2000, 1e-9) << c.name;
        EXPECT_NEAR(centre.y, 2500, 1e-9) << c.name;
    }
}

TEST_F(Holder, QuarterTurnIsClockwiseOnScreen)
{
    auto& holder = NewHolder();
    holder.MakeRectangle(1000, 2000, 3000, 3000);
    holder.Rotate(kTurn / 4);
    const swf::Matrix m = swf::Quantise(holder.CurrentMatrix());
    // x' = -y + 2500, y' = x + 1500: the top edge now runs downward on the right.
    EXPECT_EQ(m, (swf::Matrix{0, 0, 65536, -65536, 2500, 1500}));
    holder.Rotate(kTurn);
    EXPECT_EQ(swf::Quantise(holder.CurrentMatrix()), (swf::Matrix{65536, 65536, 0, 0, 1000, 2000}))
        << "a whole turn ends exactly upright";
}

TEST_F(Holder, TranslatePlacesTheCornerAsAtScaleOne)
{
    auto& holder = NewHolder();
    holder.MakeRectangle(0, 0, 2000, 1000);
    holder.Scale(32768, 32768);
    holder.Translate(5000, 6000);
    const swf::Affine m = holder.CurrentMatrix();
    const Point centre = Apply(m, {1000, 500});
    EXPECT_DOUBLE_EQ(centre.x, 6000);
    EXPECT_DOUBLE_EQ(centre.y, 6500);
    const Point corner = Apply(m, {0, 0});
    EXPECT_DOUBLE_EQ(corner.x, 5500);
    EXPECT_DOUBLE_EQ(corner.y, 6250);
}

TEST_F(Holder, FillChannelsAreClamped)
{
    const struct {
        int r, g, b, a;
        swf::Rgba expected;
    } cases[] = {
        {300, -4, 20, 999, {255, 0, 20, 255}},
        {0, 0, 0, -1, {0, 0, 0, 0}},
        {1, 2, 3, 258, {1, 2, 3, 255}},
        {5, 6, 7, 128, {5, 6, 7, 128}},
    };
    auto& holder = NewRectangle();
    for (const auto& c : cases) {
        holder.SetSolidFill(c.r, c.g, c.b, c.a);
        EXPECT_EQ(holder.Fill(), c.expected);
    }
}

TEST_F(Holder, NonFiniteArgumentsAreErrors)
{
    auto& holder = NewRectangle();
    const double nan = std::nan("");
    EXPECT_THROW(holder.Scale(nan, 1), SwfError);
    EXPECT_THROW(holder.Rotate(INFINITY), SwfError);
    EXPECT_THROW(holder.Translate(0, nan), SwfError);
    EXPECT_THROW(holder.MakeRectangle(0, 0, nan, 10), SwfError);
}

TEST_F(Holder, ReversedRectangleIsTheSameRectangle)
{
    auto& holder = NewHolder();
    holder.MakeRectangle(3000, 3000, 1000, 2000);
    EXPECT_EQ(holder.CurrentContent()->width, 2000);
    EXPECT_EQ(holder.CurrentContent()->height, 1000);
    EXPECT_EQ(swf::Quantise(holder.CurrentMatrix()), (swf::Matrix{65536, 65536, 0, 0, 1000, 2000}));
}

TEST_F(Holder, TextBoxIsItsAdvanceByOneEm)
{
    auto& font = NewHolder();
    font.MakeFont("Arial");
    font.AddGlyph("Arial", U"A", 1);
    font.AddGlyph("Arial", U"bcd", 2);
    auto& text = NewHolder();
    text.Scale(200000, 200000);
    text.MakeText(U"\x01\x02\x01", font);
    ASSERT_TRUE(text.CurrentContent());
    EXPECT_EQ(text.CurrentContent()->width, 5 * FakeGlyphSource::kAdvance);
    EXPECT_EQ(text.CurrentContent()->height, 1024);
    EXPECT_EQ(text.CurrentContent()->baseline, FakeGlyphSource::kBaseline);
    EXPECT_EQ(swf::Quantise(text.CurrentMatrix()).scaleX, 65536) << "MakeText resets the scale";
    text.Scale(131072, 131072);
    const Point centre = Apply(text.CurrentMatrix(), {1250, 512});
    EXPECT_DOUBLE_EQ(centre.x, 1250);
    EXPECT_DOUBLE_EQ(centre.y, 512);
}

TEST_F(Holder, TextsOfTheSameGlyphsShareOneContent)
{
    auto& font = NewHolder();
    font.MakeFont("Arial");
    font.AddGlyph("Arial", U"Hello", 65);
    auto& first = NewHolder();
    first.MakeText(U"A", font);
    font.MakeFont("Arial");
    font.AddGlyph("Arial", U"Hello", 7);
    auto& second = NewHolder();
    second.MakeText(U"\x07", font);
    EXPECT_EQ(first.CurrentContent(), second.CurrentContent());
    EXPECT_EQ(glyphs->outlineCalls, 1) << "the outline of (Arial, Hello) is made once";
    EXPECT_EQ(font.GetTextWidth("Arial", U"Hello"), 5 * FakeGlyphSource::kAdvance);
}

TEST_F(Holder, TextWithACodeOutsideTheFontIsAnError)
{
    auto& font = NewHolder();
    font.MakeFont("Arial");
    font.AddGlyph("Arial", U"x", 1);
    auto& text = NewHolder();
    EXPECT_THROW(text.MakeText(U"\x01\x02", font), SwfError);
    font.MakeFont("Arial");  // empties the font
    EXPECT_THROW(text.MakeText(U"\x01", font), SwfError);
}

TEST_F(Holder, FontHolderOfAnotherServiceIsAnError)
{
    class Foreign : public swfObject {
    public:
        void SetDepth(int) override {}
        void MakePicture(double, double, double, double, int, int, const std::string&) override {}
        void MakeRectangle(double, double, double, double) override {}
        void MakeSound(const std::string&) override {}
        void MakeFont(const std::string&) override {}
        void AddGlyph(const std::string&, const std::u32string&, int) override {}
        int GetTextWidth(const std::string&, const std::u32string&) override { return 0; }
        void MakeText(const std::u32string&, swfObject&) override {}
        void Scale(double, double) override {}
        void Rotate(double) override {}
        void Translate(double, double) override {}
        void SetSolidFill(int, int, int, int) override {}
    } foreign;
    auto& text = NewHolder();
    EXPECT_THROW(text.MakeText(U"A", foreign), SwfError);
    EXPECT_THROW(movie.AddObject(foreign), SwfError);
    EXPECT_THROW(movie.RemoveObject(foreign), SwfError);
}

}  // namespace
}  // namespace glimmora::test
