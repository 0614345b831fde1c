#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>

class QAudioSink;
class QIODevice;

namespace toolkit {

class SoundMixer;

// Plays sound files, one or a few in a row, through a single audio stream that stays
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

    // Starts the sound files at `paths` within a few tens of milliseconds
    // and returns at once; each follows the one before to the sample, each
    // heard whole. A file that cannot be read as a sound is left out. A sound
    // still playing fades out over a few milliseconds, and those that were
    // waiting their turn are dropped. Returns false, and changes nothing,
    // when no file can be read. Without a sound device it plays nothing and
    // says so once in the "lunipo.sound" log category.
    bool play(const QStringList& paths);
    bool play(const QString& path) { return play(QStringList{path}); }

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
