#pragma once
// Plays a sound mixer through the default audio device with QAudioSink, in
// pull mode: 44100 Hz, stereo, signed 16-bit. Without an audio device, or
// when the device refuses the format, it stays silent and reports nothing.

#include "player/playback/SoundMixer.h"

#include <QIODevice>

#include <memory>

class QAudioSink;

namespace glimmora::player {

class AudioOutput {
public:
    explicit AudioOutput(SoundMixer& mixer);
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // Whether a device accepted the stream.
    bool Active() const { return sink_ != nullptr; }

private:
    class MixerDevice : public QIODevice {
    public:
        explicit MixerDevice(SoundMixer& mixer) : mixer_(mixer) {}
        bool isSequential() const override { return true; }
        qint64 bytesAvailable() const override { return 4096 + QIODevice::bytesAvailable(); }

    protected:
        qint64 readData(char* data, qint64 maxSize) override;
        qint64 writeData(const char*, qint64) override { return -1; }

    private:
        SoundMixer& mixer_;
    };

    MixerDevice device_;
    std::unique_ptr<QAudioSink> sink_;
};

}  // namespace glimmora::player
