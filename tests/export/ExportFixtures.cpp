#include "ExportFixtures.h"

#include "support/TestPaths.h"


namespace glimmora::test {
namespace {

constexpr swf::Twips kTwips = 20;

// A rectangle in pixels, filled with one colour (fill style 1 inside).
swf::Shape Box(int width, int height, swf::Rgba colour)
{
    swf::Shape shape;
    shape.bounds = swf::Rect{0, width * kTwips, 0, height * kTwips};
    swf::FillStyle fill;
    fill.color = colour;
    shape.fillStyles.push_back(fill);
    swf::ShapeRecord start;
    start.moveTo = std::pair<swf::Twips, swf::Twips>{0, 0};
    start.fillStyle1 = 1;
    shape.records.push_back(start);
    const std::pair<int, int> corners[] = {{width, 0}, {width, height}, {0, height}, {0, 0}};
    for (const auto& [x, y] : corners) {
        swf::ShapeRecord edge;
        edge.kind = swf::ShapeRecord::Kind::Line;
        edge.toX = x * kTwips;
        edge.toY = y * kTwips;
        shape.records.push_back(edge);
    }
    return shape;
}

swf::DisplayOp PlaceAt(int depth, uint16_t id, int x, int y, bool move)
{
    swf::DisplayOp op;
    op.kind = move ? swf::DisplayOp::Kind::Modify : swf::DisplayOp::Kind::Place;
    op.depth = uint16_t(depth);
    if (!move) op.characterId = id;
    swf::Matrix matrix;
    matrix.translateX = x * kTwips;
    matrix.translateY = y * kTwips;
    op.matrix = matrix;
    return op;
}

}  // namespace

std::shared_ptr<swf::DecodedMovie> MovingBoxMovie(int frames, int fps, int width, int height)
{
    auto movie = std::make_shared<swf::DecodedMovie>();
    movie->header.version = 6;
    movie->header.frameRate = uint16_t(fps * 256);
    movie->header.frameCount = uint16_t(frames);
    movie->header.frameSize = swf::Rect{0, width * kTwips, 0, height * kTwips};
    movie->background = swf::Rgba{200, 200, 200, 255};
    movie->dictionary[1] = std::make_shared<const swf::Character>(Box(width / 4, height / 4, {230, 20, 20, 255}));
    movie->dictionary[2] = std::make_shared<const swf::Character>(Box(width, height / 6, {20, 160, 40, 255}));
    movie->frames.resize(size_t(frames));
    movie->frames[0].ops.push_back(PlaceAt(1, 2, 0, height / 2, false));
    for (int f = 0; f < frames; ++f) {
        const int x = (f * 3) % (width - width / 4);
        movie->frames[size_t(f)].ops.push_back(PlaceAt(2, 1, x, height / 3, f > 0));
    }
    return movie;
}

void AddClick(swf::DecodedMovie& movie, int frame, uint16_t soundId)
{
    swf::Sound sound;
    sound.format = 3;
    sound.rate = 22050;
    sound.is16Bit = true;
    constexpr int kSamples = 441;  // 20 ms
    sound.sampleCount = kSamples;
    for (int i = 0; i < kSamples; ++i) {
        const int16_t value = (i / 11) % 2 ? 30000 : -30000;
        sound.data.push_back(uint8_t(uint16_t(value) & 0xff));
        sound.data.push_back(uint8_t(uint16_t(value) >> 8));
    }
    movie.dictionary[soundId] = std::make_shared<const swf::Character>(std::move(sound));
    swf::SoundStart start;
    start.soundId = soundId;
    movie.frames[size_t(frame)].sounds.push_back(start);
}

exporting::ExportMovie Movie(std::shared_ptr<const swf::DecodedMovie> movie)
{
    exporting::ExportMovie exported;
    exported.movie = std::move(movie);
    exported.name = "Test movie";
    exported.swf = {'F', 'W', 'S'};  // what the web page carries; its tests use real files
    return exported;
}

std::filesystem::path ProgramFolderPath()
{
    return GLIMMORA_PROGRAM_DIR;
}

}  // namespace glimmora::test
