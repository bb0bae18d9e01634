#pragma once
// The preview: a widget that plays an SWF movie and offers the members of a
// Flash player control under their published meaning.
//  - Movie: the file shown; "http://" is no movie. Setting a file loads it;
//    a file that cannot be read or decoded leaves no movie and is reported
//    through movieError. A loaded movie stands on frame 0 until Play.
//  - TotalFrames, FrameNum (from 0), Playing, Loop (kept across loads).
//  - BGColor: "#RRGGBB" background override, "" for the movie's own colour;
//    BackgroundColor: the same override as a colour value (red in bits 0-7,
//    blue in bits 16-23), -1 for none.
//  - Play, Stop, Back, Forward, GotoFrame, CurrentFrame.
// The movie is drawn scaled into the widget with its aspect ratio kept.

#include "player/playback/PlaybackClock.h"
#include "player/timeline/Stage.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace glimmora::swf {
struct DecodedMovie;
}

namespace glimmora {
namespace player {
class AudioOutput;
class FrameRenderer;
class PlaybackController;
class SoundMixer;
}  // namespace player

class TShockwaveFlash : public QWidget {
    Q_OBJECT

public:
    static inline const QString kNoMovie = QStringLiteral("http://");

    explicit TShockwaveFlash(QWidget* parent = nullptr);
    // With a clock and a timer of the caller's (tests); both must outlive the widget.
    TShockwaveFlash(player::PlaybackClock& clock, player::PlaybackTimer& timer,
                    QWidget* parent = nullptr);
    ~TShockwaveFlash() override;

    QString Movie() const { return movie_; }
    void SetMovie(const QString& movie);
    // Where a movie held in memory comes from. A movie this program's writer
    // has just made is shown before its display operations are read: they
    // are read as they are played (swf::DecodeWrittenMovie).
    enum class MovieOrigin { Elsewhere, OurWriter };
    // Shows a movie held in memory; `name` becomes the Movie property.
    // Returns false (and reports movieError) when the bytes are no movie.
    bool LoadBytes(std::vector<uint8_t> bytes, const QString& name, MovieOrigin origin = MovieOrigin::Elsewhere);

    int TotalFrames() const;
    int FrameNum() const;
    void SetFrameNum(int frame) { GotoFrame(frame); }
    bool Playing() const;
    void SetPlaying(bool playing);
    bool Loop() const { return loop_; }
    void SetLoop(bool loop);
    QString BGColor() const;
    void SetBGColor(const QString& color);
    int BackgroundColor() const { return override_ ? *override_ : -1; }
    void SetBackgroundColor(int color);

    void Play();
    void Stop();
    void Back();
    void Forward();
    void GotoFrame(int frame);
    int CurrentFrame() const { return FrameNum(); }

    // The stage size in pixels of the loaded movie (empty without one).
    QSize MovieSize() const;
    // The stage pixel under a point of the widget, where the movie is drawn
    // scaled and centred; the point itself without a movie.
    QPoint StagePoint(const QPoint& widgetPoint) const;
    QSize sizeHint() const override;
    // Sound through the audio device; on by default. Off: sounds are mixed
    // nowhere (tests, or a player started without sound).
    void SetAudioEnabled(bool enabled) { audioEnabled_ = enabled; }
    // The quality drawn at (kept across loads; high by default) until the
    // movie's scripts choose one; they read it as _quality.
    void SetQuality(player::StageQuality quality);
    player::StageQuality Quality() const { return quality_; }

signals:
    void frameChanged(int frame);
    void playingChanged(bool playing);
    void movieLoaded();
    void movieError(const QString& message);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool Load(std::vector<uint8_t> bytes, const QString& name, MovieOrigin origin);
    void Unload();
    void ApplyBackground();

    std::unique_ptr<player::PlaybackClock> ownClock_;
    std::unique_ptr<player::PlaybackTimer> ownTimer_;
    player::PlaybackClock& clock_;
    player::PlaybackTimer& timer_;

    QString movie_ = kNoMovie;
    bool loop_ = true;
    bool audioEnabled_ = true;
    player::StageQuality quality_ = player::StageQuality::High;
    std::optional<int> override_;  // colour value
    std::optional<uint32_t> movieBackground_;  // 0xRRGGBB of the movie itself

    std::shared_ptr<swf::DecodedMovie> decoded_;
    std::unique_ptr<player::FrameRenderer> renderer_;
    std::unique_ptr<player::SoundMixer> mixer_;
    std::unique_ptr<player::AudioOutput> audio_;
    std::unique_ptr<player::PlaybackController> controller_;
};

}  // namespace glimmora
