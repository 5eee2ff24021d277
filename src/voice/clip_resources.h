// The voice clips compiled into the program as its own named resources.
#pragma once

#include <QByteArray>
#include <string_view>

namespace orvane::voice {

// The complete WAVE image of the named clip; the name's case does not matter ("WAV_5" and
// "wav_5" give the same bytes). Empty for a name that is not one of the clips.
QByteArray load_clip(std::string_view name);

}  // namespace orvane::voice
