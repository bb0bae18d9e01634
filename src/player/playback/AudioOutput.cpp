#include "player/playback/AudioOutput.h"

#include "player/playback/SoundDecoding.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace glimmora::player {

qint64 AudioOutput::MixerDevice::readData(char* data, qint64 maxSize)
{
    const qint64 frames = maxSize / 4;
    if (frames <= 0) return 0;
    mixer_.Mix(reinterpret_cast<int16_t*>(data), size_t(frames));
    return frames * 4;
}

AudioOutput::AudioOutput(SoundMixer& mixer) : device_(mixer)
{
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull()) return;
    QAudioFormat format;
    format.setSampleRate(int(kMixRate));
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!output.isFormatSupported(format)) return;
    device_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(output, format);
    sink_->setBufferSize(44100 * 4 / 10);  // 100 ms: starts and stops follow frames closely
    sink_->start(&device_);
    if (sink_->error() != QAudio::NoError) {
        sink_.reset();
    }
}

AudioOutput::~AudioOutput()
{
    if (sink_) sink_->stop();
}

}  // namespace glimmora::player
