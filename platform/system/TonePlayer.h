#pragma once
// A short tone on the sound device (the system's "Beep"): a sine of the given pitch and length,
// played through QSoundEffect without waiting; silent where there is no audio device. Tests put
// a recorder in its place.

#include <cstdint>
#include <functional>

namespace platform {

using ToneSink = std::function<void(int32_t hertz, int32_t milliseconds)>;

void PlayTone(int32_t hertz, int32_t milliseconds);
// Replaces the sound device (an empty sink gives it back).
void SetToneSink(ToneSink sink);

}  // namespace platform
