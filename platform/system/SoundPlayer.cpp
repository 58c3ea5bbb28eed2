#include "platform/system/SoundPlayer.h"

#include <QByteArray>
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QUrl>

#include <cmath>
#include <map>
#include <memory>
#include <numbers>
#include <set>
#include <utility>

namespace platform {

namespace {

ToneSink& Sink()
{
    static ToneSink sink;
    return sink;
}

SoundFileSink& FileSink()
{
    static SoundFileSink sink;
    return sink;
}

void PutLittleEndian(QByteArray& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A mono 16-bit PCM WAV file of the tone, with short fades so that it does not click.
QByteArray ToneWave(int32_t hertz, int32_t milliseconds)
{
    constexpr int rate = 22050;
    const int samples = rate * milliseconds / 1000;
    QByteArray data;
    for (int i = 0; i < samples; ++i) {
        const double fade = std::min({1.0, i / 200.0, (samples - i) / 200.0});
        const double v = 0.5 * fade * std::sin(2 * std::numbers::pi * hertz * i / rate);
        PutLittleEndian(data, static_cast<uint16_t>(static_cast<int16_t>(v * 32767)), 2);
    }
    QByteArray wave("RIFF");
    PutLittleEndian(wave, static_cast<uint32_t>(36 + data.size()), 4);
    wave.append("WAVEfmt ");
    PutLittleEndian(wave, 16, 4);
    PutLittleEndian(wave, 1, 2);
    PutLittleEndian(wave, 1, 2);
    PutLittleEndian(wave, rate, 4);
    PutLittleEndian(wave, rate * 2, 4);
    PutLittleEndian(wave, 2, 2);
    PutLittleEndian(wave, 16, 2);
    wave.append("data");
    PutLittleEndian(wave, static_cast<uint32_t>(data.size()), 4);
    return wave + data;
}

// One effect per file, kept for the run. A file still playing is not started again, so a sound
// repeated faster than it lasts never piles up on the device.
void PlayOnDevice(const QString& file)
{
    static std::map<QString, std::unique_ptr<QSoundEffect>> effects;
    auto& effect = effects[file];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(file));
    }
    if (!effect->isPlaying())
        effect->play();
}

// A tone's file is written once a run, at its first use, and played as a file from then on. The
// files lie in a folder of the run's own (made private), never at a name another user could
// have laid in the shared temporary folder first.
void PlayToneOnDevice(int32_t hertz, int32_t milliseconds)
{
    static const QTemporaryDir folder;
    static std::set<std::pair<int32_t, int32_t>> written;
    if (!folder.isValid())
        return;
    const QString file = folder.filePath(QString("tone-%1-%2.wav").arg(hertz).arg(milliseconds));
    if (!written.contains({hertz, milliseconds})) {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(ToneWave(hertz, milliseconds)) < 0)
            return;
        written.insert({hertz, milliseconds});
    }
    PlayOnDevice(file);
}

}  // namespace

void PlayTone(int32_t hertz, int32_t milliseconds)
{
    if (hertz <= 0 || milliseconds <= 0)
        return;
    if (Sink())
        Sink()(hertz, milliseconds);
    else
        PlayToneOnDevice(hertz, milliseconds);
}

void PlaySoundFile(const QString& file)
{
    if (FileSink())
        FileSink()(file);
    else if (QFile::exists(file))
        PlayOnDevice(file);
}

void SetToneSink(ToneSink sink)
{
    Sink() = std::move(sink);
}

void SetSoundFileSink(SoundFileSink sink)
{
    FileSink() = std::move(sink);
}

}  // namespace platform
