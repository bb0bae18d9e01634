#include "TimelineFixture.h"

#include "support/FrameScripts.h"

namespace glimmora::test {

swf::DisplayOp PlaceOp(uint16_t depth, uint16_t id, int x, const std::string& name)
{
    swf::DisplayOp op;
    op.kind = swf::DisplayOp::Kind::Place;
    op.depth = depth;
    op.characterId = id;
    swf::Matrix m;
    m.translateX = x;
    op.matrix = m;
    if (!name.empty()) op.name = name;
    return op;
}

swf::DisplayOp MoveOp(uint16_t depth, int x)
{
    swf::DisplayOp op;
    op.kind = swf::DisplayOp::Kind::Modify;
    op.depth = depth;
    swf::Matrix m;
    m.translateX = x;
    op.matrix = m;
    return op;
}

swf::DisplayOp ReplaceOp(uint16_t depth, uint16_t id)
{
    swf::DisplayOp op;
    op.kind = swf::DisplayOp::Kind::Replace;
    op.depth = depth;
    op.characterId = id;
    return op;
}

swf::DisplayOp RemoveOp(uint16_t depth)
{
    swf::DisplayOp op;
    op.kind = swf::DisplayOp::Kind::Remove;
    op.depth = depth;
    return op;
}

swf::FrameRecord Frame(std::initializer_list<swf::DisplayOp> ops)
{
    swf::FrameRecord frame;
    for (const swf::DisplayOp& op : ops) frame.ops.push_back(op);
    return frame;
}

swf::FrameRecord StopFrame(std::initializer_list<swf::DisplayOp> ops)
{
    swf::FrameRecord frame = Frame(ops);
    frame.scripts.push_back(StopScript());
    return frame;
}

TimelineMovie::TimelineMovie(std::vector<swf::FrameRecord> frames) : movie(std::make_shared<swf::DecodedMovie>())
{
    movie->header.signature = "FWS";
    movie->header.version = 8;
    movie->header.frameSize = {0, 2000, 0, 2000};
    movie->header.frameRate = 12 << 8;
    movie->header.frameCount = uint16_t(frames.size());
    movie->frames = std::move(frames);
}

void TimelineMovie::Shape(uint16_t id)
{
    movie->dictionary[id] = std::make_shared<const swf::Character>(swf::Shape{});
}

void TimelineMovie::Sprite(uint16_t id, std::vector<swf::FrameRecord> frames)
{
    swf::Sprite sprite;
    sprite.frameCount = uint16_t(frames.size());
    sprite.frames = std::move(frames);
    movie->dictionary[id] = std::make_shared<const swf::Character>(std::move(sprite));
}

const player::Timeline* TimelineAt(const player::Stage& stage, std::initializer_list<uint16_t> path)
{
    const player::Timeline* timeline = &stage.Root();
    for (uint16_t depth : path) {
        const player::DisplayObject* object = timeline->children.Find(depth);
        if (!object || object->timeline == 0) return nullptr;
        timeline = stage.Find(object->timeline);
        if (!timeline) return nullptr;
    }
    return timeline;
}

int FrameAt(const player::Stage& stage, std::initializer_list<uint16_t> path)
{
    const player::Timeline* timeline = TimelineAt(stage, path);
    return timeline ? timeline->frame : -2;
}

int XAt(const player::Stage& stage, std::initializer_list<uint16_t> path, uint16_t depth)
{
    const player::Timeline* timeline = TimelineAt(stage, path);
    const player::DisplayObject* object = timeline ? timeline->children.Find(depth) : nullptr;
    return object ? object->matrix.translateX : -1;
}

player::Stage Played(const std::shared_ptr<swf::DecodedMovie>& movie, int ticks, bool loop)
{
    const player::TimelineRunner runner(movie);
    player::Stage stage = runner.Start(player::RunMode::Play);
    for (int i = 0; i < ticks; ++i) runner.Tick(stage, player::RunMode::Play, loop);
    return stage;
}

}  // namespace glimmora::test
