// Where a clip's samples go to be heard. The voice player owns one sink and feeds it one clip
// at a time; tests put a recording sink in its place.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <span>

#include "voice/wav_header.h"

namespace orvane::voice {

class ClipSink {
  public:
    virtual ~ClipSink() = default;
    // Starts playing `samples` (whole frames in `format`) and returns without waiting. The
    // caller keeps the bytes alive and unchanged until it calls stop().
    virtual void start(std::span<const std::byte> samples, const WavFormat& format) = 0;
    // Silences the clip that is playing, if any; afterwards the sink no longer reads the bytes.
    virtual void stop() = 0;
};

// Makes the sink when the first clip is about to play; may return null when there is no sound
// output at all.
using SinkFactory = std::function<std::unique_ptr<ClipSink>()>;

}  // namespace orvane::voice
