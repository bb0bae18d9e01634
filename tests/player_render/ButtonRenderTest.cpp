// Buttons show their up state: the up records' characters by depth, each
// with its record's matrix and colour transform, under the placement's.

#include "RenderFixture.h"

namespace glimmora::test {
namespace {

swf::ButtonRecord Part(uint8_t states, uint16_t depth, double xPx, double yPx, swf::ColorTransform cx = {})
{
    swf::ButtonRecord record;
    record.states = states;
    record.characterId = 1;
    record.depth = depth;
    record.matrix = Translate(xPx, yPx);
    record.colorTransform = cx;
    return record;
}

TEST(Buttons, TheUpStateIsDrawnByDepthWithEachRecordsMatrixAndColour)
{
    using State = swf::ButtonRecord::State;
    swf::Button button;
    button.version = 2;
    button.records = {
        Part(State::Up | State::Over, 2, 10, 10, Tint(kGreen)),  // over the next one: higher depth
        Part(State::Up, 1, 15, 15),
        Part(State::Over | State::Down, 3, 50, 50),
        Part(State::HitTest, 4, 70, 10),
    };
    MovieFixture fixture(100, 100);
    fixture.Define(1, RectShape(0, 0, 20, 20, Solid(kRed)));
    fixture.Define(2, button);
    fixture.Place(0, 1, 2, Translate(5, 0));
    const QImage image = fixture.Render();
    EXPECT_PIXEL(image, 17, 12, Q(kGreen));  // the green part: 15..35 x 10..30
    EXPECT_PIXEL(image, 25, 25, Q(kGreen));  // where both are, the higher depth
    EXPECT_PIXEL(image, 38, 33, Q(kRed));    // the red part alone: 20..40 x 15..35
    EXPECT_PIXEL(image, 12, 12, Q(kWhite));
    EXPECT_PIXEL(image, 60, 60, Q(kWhite));  // over and down states are not shown
    EXPECT_PIXEL(image, 80, 15, Q(kWhite));  // nor the hit area
}

TEST(Buttons, ARecordsFiltersAndBlendModeApplyToItsPart)
{
    using State = swf::ButtonRecord::State;
    swf::Button button;
    button.version = 2;
    button.records = {Part(State::Up, 1, 10, 10), Part(State::Up, 2, 50, 10), Part(State::Up, 3, 10, 50)};
    swf::Filter swap;  // red and blue trade places
    swap.type = swf::Filter::Type::ColorMatrix;
    swap.colorMatrix = {0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0};
    button.records[1].filters = {swap};
    button.records[2].blendMode = swf::BlendMode::Invert;  // white under it turns black
    MovieFixture fixture(100, 100);
    fixture.Define(1, RectShape(0, 0, 20, 20, Solid(kRed)));
    fixture.Define(2, button);
    fixture.Place(0, 1, 2);
    const QImage image = fixture.Render();
    EXPECT_PIXEL(image, 20, 20, Q(kRed));
    EXPECT_PIXEL(image, 60, 20, Q(kBlue));
    EXPECT_PIXEL(image, 20, 60, QColor(0, 0, 0));
}

}  // namespace
}  // namespace glimmora::test
