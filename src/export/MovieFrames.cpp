#include "export/MovieFrames.h"

#include "player/playback/FrameSounds.h"

namespace glimmora::exporting {

MovieFrames::MovieFrames(std::shared_ptr<const swf::DecodedMovie> movie, const ExportPlan& plan)
    : movie_(std::move(movie)),
      plan_(plan),
      cursor_(movie_),
      renderer_(movie_),
      soundCursor_(movie_),
      mixer_(movie_)
{
    mixer_.PauseStream(false);
}

QImage MovieFrames::Image(int index)
{
    const int frame = plan_.firstFrame + index;
    return renderer_.Render(cursor_.Seek(frame), plan_.size);
}

int64_t MovieFrames::SamplesBefore(int index) const
{
    return int64_t(index) * kSampleRate * 256 / plan_.frameRate;
}

std::vector<int16_t> MovieFrames::NextSound()
{
    const int index = nextSoundFrame_++;
    const int frame = plan_.firstFrame + index;
    player::StartFrameSounds(soundCursor_.Seek(frame), frame, mixer_);
    const int64_t count = SamplesBefore(index + 1) - SamplesBefore(index);
    std::vector<int16_t> samples(size_t(count) * kChannels);
    mixer_.Mix(samples.data(), size_t(count));
    return samples;
}

}  // namespace glimmora::exporting
