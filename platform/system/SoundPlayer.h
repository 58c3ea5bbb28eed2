#pragma once
// Sounds on the sound device: a short tone of a given pitch and length (the system's "Beep") and
// a WAV file played by name. Both play through QSoundEffect without waiting, and neither queues
// behind a sound still playing; silent where there is no audio device. Tests put a recorder in
// place of the device.

#include <QString>

#include <cstdint>
#include <functional>

namespace platform {

using ToneSink = std::function<void(int32_t hertz, int32_t milliseconds)>;
using SoundFileSink = std::function<void(const QString& file)>;

void PlayTone(int32_t hertz, int32_t milliseconds);
// Plays `file` unless it is still playing from an earlier call; a missing file is silent.
void PlaySoundFile(const QString& file);

// Replace the sound device (an empty sink gives it back).
void SetToneSink(ToneSink sink);
void SetSoundFileSink(SoundFileSink sink);

}  // namespace platform
