#include "player/timeline/TimelineRunner.h"

#include "player/timeline/TimelineStep.h"

namespace glimmora::player {

TimelineRunner::TimelineRunner(std::shared_ptr<const swf::DecodedMovie> movie, RunLimits limits)
    : movie_(std::move(movie)), limits_(limits)
{
}

Stage TimelineRunner::Start(RunMode mode) const
{
    Stage stage(&movie_->frames);
    stage.embeddingQuality = embeddingQuality_;
    TimelineStep(*movie_, limits_, stage, mode).Start();
    return stage;
}

size_t TimelineRunner::Tick(Stage& stage, RunMode mode, bool loop) const
{
    TimelineStep step(*movie_, limits_, stage, mode);
    step.Tick(loop);
    return step.Work();
}

void TimelineRunner::GotoMain(Stage& stage, int frame) const
{
    TimelineStep(*movie_, limits_, stage, RunMode::Play).GotoMain(frame);
}

}  // namespace glimmora::player
