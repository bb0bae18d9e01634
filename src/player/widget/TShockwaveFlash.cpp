#include "player/widget/TShockwaveFlash.h"

#include "player/FrameRenderer.h"
#include "player/playback/AudioOutput.h"
#include "player/playback/EmbeddedMovie.h"
#include "player/playback/PlaybackController.h"
#include "player/playback/QtPlaybackTimer.h"
#include "player/playback/SoundMixer.h"
#include "player/widget/BgColorText.h"
#include "swf/reader/DecodedMovie.h"

#include <QImage>
#include <QPainter>

#include <exception>
#include <new>

namespace glimmora {

TShockwaveFlash::TShockwaveFlash(QWidget* parent)
    : QWidget(parent),
      ownClock_(std::make_unique<player::SteadyClock>()),
      ownTimer_(std::make_unique<player::QtPlaybackTimer>()),
      clock_(*ownClock_),
      timer_(*ownTimer_)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TShockwaveFlash::TShockwaveFlash(player::PlaybackClock& clock, player::PlaybackTimer& timer,
                                 QWidget* parent)
    : QWidget(parent), clock_(clock), timer_(timer)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TShockwaveFlash::~TShockwaveFlash()
{
    Unload();
}

void TShockwaveFlash::SetMovie(const QString& movie)
{
    if (movie.isEmpty() || movie == kNoMovie) {
        Unload();
        update();
        return;
    }
    std::vector<uint8_t> bytes;
    try {
        bytes = player::ReadMovieFile(movie.toStdString());
    } catch (const std::exception& error) {
        Unload();
        update();
        emit movieError(QString::fromUtf8(error.what()));  // names the file
        return;
    }
    Load(std::move(bytes), movie, MovieOrigin::Elsewhere);
}

bool TShockwaveFlash::LoadBytes(std::vector<uint8_t> bytes, const QString& name, MovieOrigin origin)
{
    return Load(std::move(bytes), name, origin);
}

bool TShockwaveFlash::Load(std::vector<uint8_t> bytes, const QString& name, MovieOrigin origin)
{
    // The movie shown before may share characters with a new one of ours.
    const std::shared_ptr<const swf::DecodedMovie> previous = decoded_;
    Unload();
    std::shared_ptr<swf::DecodedMovie> decoded;
    try {
        if (origin == MovieOrigin::OurWriter)
            decoded = std::make_shared<swf::DecodedMovie>(swf::DecodeWrittenMovie(
                std::make_shared<const std::vector<uint8_t>>(std::move(bytes)), {}, previous.get()));
        else
            decoded = std::make_shared<swf::DecodedMovie>(swf::DecodeMovie(bytes.data(), bytes.size()));
    } catch (const std::bad_alloc&) {
        update();
        emit movieError(QStringLiteral("%1: there is not enough memory to show the movie").arg(name));
        return false;
    } catch (const std::exception& error) {
        update();
        emit movieError(QStringLiteral("%1: %2").arg(name, QString::fromUtf8(error.what())));
        return false;
    }
    bytes = {};
    decoded_ = decoded;
    if (decoded_->background) {
        const swf::Rgba& c = *decoded_->background;
        movieBackground_ = uint32_t(c.r) << 24 | uint32_t(c.g) << 16 | uint32_t(c.b) << 8 | c.a;
    }
    ApplyBackground();
    renderer_ = std::make_unique<player::FrameRenderer>(decoded_);
    renderer_->SetQuality(quality_);
    mixer_ = std::make_unique<player::SoundMixer>(decoded_);
    if (audioEnabled_ && mixer_->HasSounds()) {
        audio_ = std::make_unique<player::AudioOutput>(*mixer_);
    }
    controller_ =
        std::make_unique<player::PlaybackController>(decoded_, clock_, timer_, mixer_.get(), quality_);
    controller_->SetLoop(loop_);
    controller_->onFrameChanged = [this](int frame) {
        update();
        emit frameChanged(frame);
    };
    controller_->onPlayingChanged = [this](bool playing) { emit playingChanged(playing); };
    controller_->onStageChanged = [this] { update(); };
    movie_ = name;
    updateGeometry();
    update();
    emit movieLoaded();
    return true;
}

void TShockwaveFlash::Unload()
{
    const bool wasPlaying = Playing();
    controller_.reset();
    audio_.reset();
    mixer_.reset();
    renderer_.reset();
    decoded_.reset();
    movieBackground_.reset();
    movie_ = kNoMovie;
    if (wasPlaying) emit playingChanged(false);
}

int TShockwaveFlash::TotalFrames() const
{
    return controller_ ? controller_->TotalFrames() : 0;
}

int TShockwaveFlash::FrameNum() const
{
    return controller_ ? controller_->Frame() : 0;
}

bool TShockwaveFlash::Playing() const
{
    return controller_ && controller_->Playing();
}

void TShockwaveFlash::SetPlaying(bool playing)
{
    if (controller_) controller_->SetPlaying(playing);
}

void TShockwaveFlash::SetQuality(player::StageQuality quality)
{
    quality_ = quality;
    if (renderer_) renderer_->SetQuality(quality);
    if (controller_) controller_->SetEmbeddingQuality(quality);
    update();
}

void TShockwaveFlash::SetLoop(bool loop)
{
    loop_ = loop;
    if (controller_) controller_->SetLoop(loop);
}

QString TShockwaveFlash::BGColor() const
{
    return override_ ? FormatBgColorText(*override_) : QString();
}

void TShockwaveFlash::SetBGColor(const QString& color)
{
    if (color.trimmed().isEmpty()) {
        override_.reset();
    } else if (const auto parsed = ParseBgColorText(color)) {
        override_ = *parsed;
    } else {
        return;  // not a colour: the setting stays as it was
    }
    ApplyBackground();
    update();
}

void TShockwaveFlash::SetBackgroundColor(int color)
{
    if (color < 0) {
        override_.reset();
    } else {
        override_ = color & 0xffffff;
    }
    ApplyBackground();
    update();
}

void TShockwaveFlash::ApplyBackground()
{
    if (!decoded_) return;
    if (override_) {
        decoded_->background = swf::Rgba{uint8_t(*override_ & 0xff), uint8_t((*override_ >> 8) & 0xff),
                                         uint8_t((*override_ >> 16) & 0xff), 255};
    } else if (movieBackground_) {
        const uint32_t c = *movieBackground_;
        decoded_->background = swf::Rgba{uint8_t(c >> 24), uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)};
    } else {
        decoded_->background.reset();
    }
}

void TShockwaveFlash::Play()
{
    if (controller_) controller_->Play();
}

void TShockwaveFlash::Stop()
{
    if (controller_) controller_->Stop();
}

void TShockwaveFlash::Back()
{
    if (controller_) controller_->Back();
}

void TShockwaveFlash::Forward()
{
    if (controller_) controller_->Forward();
}

void TShockwaveFlash::GotoFrame(int frame)
{
    if (controller_) controller_->GotoFrame(frame);
}

QSize TShockwaveFlash::MovieSize() const
{
    if (!decoded_) return {};
    return QSize(decoded_->header.WidthPixels(), decoded_->header.HeightPixels());
}

QPoint TShockwaveFlash::StagePoint(const QPoint& widgetPoint) const
{
    if (!decoded_) return widgetPoint;
    const swf::Rect& stage = decoded_->header.frameSize;
    bool invertible = false;
    const QTransform toStage = player::FrameRenderer::StageTransform(stage, QRectF(rect())).inverted(&invertible);
    if (!invertible) return widgetPoint;
    const QPointF twips = toStage.map(QPointF(widgetPoint));
    return QPoint(qRound((twips.x() - stage.xMin) / 20.0), qRound((twips.y() - stage.yMin) / 20.0));
}

QSize TShockwaveFlash::sizeHint() const
{
    const QSize size = MovieSize();
    return size.isEmpty() ? QSize(550, 400) : size;
}

void TShockwaveFlash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!renderer_ || !controller_) {
        const int c = override_.value_or(0xffffff);
        painter.fillRect(rect(), QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff));
        return;
    }
    // The frame is drawn off-screen at the device's resolution, where the
    // renderer keeps Qt's fills on one thread and its layers apply, then copied.
    const qreal ratio = devicePixelRatioF();
    QImage frame = renderer_->Render(controller_->CurrentStage(), (QSizeF(size()) * ratio).toSize());
    frame.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF(0, 0), frame);
}

}  // namespace glimmora
