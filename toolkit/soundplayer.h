#pragma once

#include <QObject>
#include <QTimer>

#include <memory>

class QAudioSink;
class QIODevice;

namespace toolkit {

class SoundMixer;

// Plays sound files one at a time through a single audio stream that stays
// open while there is anything to hear, so that every sound, however short,
// is heard to its last sample. Samples are decoded and fed from the thread
// the player lives on (the UI thread), a few milliseconds at a time.
//
// The stream is opened on the first sound and closed again once it has
// carried nothing but silence for a while; closing it then drops only
// silence.
class SoundPlayer : public QObject
{
public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Starts the sound file at `path` within a few tens of milliseconds and
    // returns at once. A sound still playing fades out over a few
    // milliseconds. Returns false when the file cannot be read as a sound.
    // Without a sound device it returns true, plays nothing and says so once
    // in the "lunipo.sound" log category.
    bool play(const QString& path);

private:
    bool makeSink();
    void feed();
    void reportNoSound(const char* why);

    std::unique_ptr<SoundMixer> mixer_;
    std::unique_ptr<QAudioSink> sink_;
    QIODevice* stream_ = nullptr; // the sink's, while it is open
    QTimer feeder_;
    bool reported_ = false;
};

} // namespace toolkit
