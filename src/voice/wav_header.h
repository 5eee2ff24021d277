// Reads the header of a RIFF WAVE image: the format chunk and where the samples lie.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace orvane::voice {

inline constexpr std::uint16_t kWaveFormatPcm = 1;
inline constexpr std::uint16_t kWaveFormatExtensible = 0xFFFE;

struct WavFormat {
    std::uint16_t format_tag = 0;  // 1 for PCM; an extensible header reports its sub-format
    std::uint16_t channels = 0;
    std::uint32_t sample_rate = 0;
    std::uint32_t byte_rate = 0;
    std::uint16_t block_align = 0;
    std::uint16_t bits_per_sample = 0;

    bool operator==(const WavFormat&) const = default;
};

enum class WavError {
    none,
    not_riff_wave,   // no "RIFF....WAVE" at the start
    missing_format,  // no complete "fmt " chunk before the samples
    missing_data,    // no "data" chunk
    bad_format,      // zero channels, rate or block size, or a block size that does not fit
};

struct WavInfo {
    WavError error = WavError::none;
    WavFormat format;
    std::size_t data_offset = 0;  // first sample byte
    std::size_t data_size = 0;    // whole sample frames present in the image
    bool data_cut = false;        // the data chunk claims more bytes than the image holds

    bool ok() const { return error == WavError::none; }
    std::size_t frames() const {
        return format.block_align == 0 ? 0 : data_size / format.block_align;
    }
    double seconds() const {
        return format.sample_rate == 0 ? 0.0 : static_cast<double>(frames()) / format.sample_rate;
    }
    // Uncompressed integer samples of a size the audio output takes (8, 16 or 32 bits).
    bool playable_pcm() const;
};

// Never reads outside `image`. A data chunk longer than the image keeps only the whole frames
// present; chunks of odd size are followed by one pad byte, as RIFF requires.
WavInfo parse_wav(std::span<const std::byte> image);

}  // namespace orvane::voice
