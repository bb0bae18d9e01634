#pragma once
// A fresh encoder service with the fake glyph source, its movie, and a replay
// of the planned display list to see which placements show in a frame.

#include "FakeGlyphSource.h"

#include "swf/encoder/DisplayPlan.h"
#include "swf/encoder/EncoderMovie.h"
#include "swf/encoder/EncoderObject.h"
#include "swf/encoder/EncoderService.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace glimmora::test {

class EncoderFixture : public ::testing::Test {
protected:
    std::shared_ptr<FakeGlyphSource> glyphs = std::make_shared<FakeGlyphSource>();
    std::unique_ptr<swfService> service = MakeEncoderService(glyphs);
    std::unique_ptr<swfMovie> movieObject = service->CreateMovie();
    swf::EncoderMovie& movie = dynamic_cast<swf::EncoderMovie&>(*movieObject);
    std::vector<std::unique_ptr<swfObject>> holders;

    swf::EncoderObject& NewHolder()
    {
        holders.push_back(service->CreateObject());
        return dynamic_cast<swf::EncoderObject&>(*holders.back());
    }

    // A rectangle holder of 100 x 50 px at (left, top) twips.
    swf::EncoderObject& NewRectangle(double left = 0, double top = 0)
    {
        auto& holder = NewHolder();
        holder.MakeRectangle(left, top, left + 2000, top + 1000);
        return holder;
    }

    const std::vector<swf::Placement>& Placements() const
    {
        return movie.GetTimeline().Placements();
    }

    swf::DisplayPlan Plan() const { return swf::PlanDisplay(movie.GetTimeline()); }

    // The placements shown in `frame`, bottom to top.
    std::vector<uint32_t> VisibleAt(int frame) const
    {
        const swf::DisplayPlan plan = Plan();
        std::map<uint16_t, uint32_t> list;
        for (const swf::PlanEvent& e : plan.events) {
            if (e.frame > frame) {
                break;
            }
            switch (e.kind) {
            case swf::PlanEvent::Kind::Place:
            case swf::PlanEvent::Kind::Next: list[e.depth] = e.placement; break;
            case swf::PlanEvent::Kind::Remove: list.erase(e.depth); break;
            default: break;
            }
        }
        std::vector<uint32_t> shown;
        for (const auto& [depth, placement] : list) {
            shown.push_back(placement);
        }
        return shown;
    }

    size_t CountEvents(swf::PlanEvent::Kind kind) const
    {
        size_t count = 0;
        for (const auto& e : Plan().events) {
            count += e.kind == kind ? 1 : 0;
        }
        return count;
    }
};

}  // namespace glimmora::test
