#pragma once
// The frames of an export in playing order, drawn by the player's renderer
// (the same pixels as the preview) at the export's size, with the sound that
// plays while each one shows: the player's mixer started frame by frame as
// playback starts it, cut at the frame boundaries of the movie's rate.
//
// Output frame i shows from i / fps seconds on; the samples before it are
// floor(i * 44100 / fps), so a sound started on a frame is heard from that
// frame's first sample and no error builds up over a long movie.

#include "export/ExportSettings.h"
#include "player/FrameRenderer.h"
#include "player/playback/SoundMixer.h"
#include "player/timeline/StageCursor.h"
#include "swf/reader/DecodedMovie.h"

#include <QImage>

#include <cstdint>
#include <memory>
#include <vector>

namespace glimmora::exporting {

class MovieFrames {
public:
    static constexpr int kSampleRate = 44100;
    static constexpr int kChannels = 2;

    MovieFrames(std::shared_ptr<const swf::DecodedMovie> movie, const ExportPlan& plan);

    int FrameCount() const { return plan_.FrameCount(); }
    const ExportPlan& Plan() const { return plan_; }

    // Output frame `index` (0 is the plan's first frame): opaque, in
    // QImage::Format_ARGB32_Premultiplied (bytes B, G, R, 255 per pixel).
    QImage Image(int index);

    // The stereo samples that play while the next output frame shows, in
    // order from frame 0; each call moves one frame on.
    std::vector<int16_t> NextSound();

    // Stereo sample frames that play before output frame `index` starts.
    int64_t SamplesBefore(int index) const;
    bool HasSounds() const { return mixer_.HasSounds(); }

private:
    std::shared_ptr<const swf::DecodedMovie> movie_;
    ExportPlan plan_;
    player::StageCursor cursor_;
    player::FrameRenderer renderer_;
    player::StageCursor soundCursor_;
    player::SoundMixer mixer_;
    int nextSoundFrame_ = 0;
};

}  // namespace glimmora::exporting
