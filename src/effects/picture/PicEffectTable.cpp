#include "effects/picture/PicEffectTable.h"

#include "effects/picture/PicComeFadeEffects.h"
#include "effects/picture/PicMoveEffects.h"
#include "effects/picture/PicZoomEffects.h"
#include "effects/picture/PictureShape.h"

#include <utility>

namespace glimmora {

namespace {

struct NamedRoutine {
    std::string name;
    PicRoutine routine;
};

const std::pair<const char*, PicVariant> kVariants[] = {
    {"", PicVariant::Plain}, {" -r", PicVariant::Turning}, {" -s", PicVariant::Shaking}};

void AddMoves(std::vector<NamedRoutine>& table)
{
    const std::pair<const char*, MoveDirection> directions[] = {
        {"Up", MoveDirection::Up},           {"Down", MoveDirection::Down},
        {"Left", MoveDirection::Left},       {"Right", MoveDirection::Right},
        {"Up l", MoveDirection::UpLeft},     {"Down l", MoveDirection::DownLeft},
        {"Up r", MoveDirection::UpRight},    {"Down r", MoveDirection::DownRight}};
    for (const auto& [suffix, variant] : kVariants)
        for (const auto& [direction, d] : directions)
            table.push_back({std::string("Move ") + direction + suffix,
                             [d = d, v = variant](TFlashPic& p, const GenerationContext& c) {
                                 RunMoveEffect(p, c, d, v);
                             }});
}

void AddZooms(std::vector<NamedRoutine>& table, const char* prefix, ZoomDirection zoom)
{
    const std::pair<const char*, ZoomAnchor> anchors[] = {
        {"", ZoomAnchor::None},           {" Up", ZoomAnchor::Up},
        {" Down", ZoomAnchor::Down},      {" Left", ZoomAnchor::Left},
        {" Right", ZoomAnchor::Right},    {" Up l", ZoomAnchor::UpLeft},
        {" Down l", ZoomAnchor::DownLeft}, {" Up r", ZoomAnchor::UpRight},
        {" Down r", ZoomAnchor::DownRight}};
    for (const auto& [suffix, variant] : kVariants)
        for (const auto& [anchor, a] : anchors)
            table.push_back({std::string(prefix) + anchor + suffix,
                             [zoom, a = a, v = variant](TFlashPic& p, const GenerationContext& c) {
                                 RunZoomEffect(p, c, zoom, a, v);
                             }});
}

void AddComes(std::vector<NamedRoutine>& table)
{
    const std::pair<const char*, ComeLine> lines[] = {{"x", ComeLine::X},      {"xl", ComeLine::XLeft},
                                                      {"xr", ComeLine::XRight}, {"y", ComeLine::Y},
                                                      {"yt", ComeLine::YTop},   {"yb", ComeLine::YBottom}};
    for (const auto& [line, l] : lines)
        for (const auto& [prefix, direction] :
             {std::pair{"Come In ", ComeDirection::In}, std::pair{"Come Out ", ComeDirection::Out}})
            table.push_back({std::string(prefix) + line,
                             [l = l, d = direction](TFlashPic& p, const GenerationContext& c) {
                                 RunComeEffect(p, c, d, l);
                             }});
}

const std::vector<NamedRoutine>& Table()
{
    static const std::vector<NamedRoutine> table = [] {
        std::vector<NamedRoutine> t;
        t.push_back({"-- None --", PlaceStaticPicture});
        t.push_back({"Fade In", FadePicture});
        t.push_back({"Fade Out", FadePicture});
        AddMoves(t);
        AddZooms(t, "Zoom In", ZoomDirection::In);
        AddZooms(t, "Zoom Out", ZoomDirection::Out);
        AddComes(t);
        return t;
    }();
    return table;
}

}  // namespace

const std::vector<std::string>& PicEffectNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n;
        for (const auto& entry : Table()) n.push_back(entry.name);
        return n;
    }();
    return names;
}

const PicRoutine* FindPicRoutine(const std::string& effectName)
{
    for (const auto& entry : Table())
        if (entry.name == effectName) return &entry.routine;
    return nullptr;
}

}  // namespace glimmora
