#include "voice/wav_header.h"

#include <algorithm>
#include <cstring>

namespace orvane::voice {
namespace {

constexpr std::size_t kChunkHeader = 8;
constexpr std::size_t kPlainFormatSize = 16;
constexpr std::size_t kExtensibleFormatSize = 40;  // 18 + cbSize 22
constexpr std::size_t kSubFormatOffset = 24;

std::uint16_t u16(std::span<const std::byte> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(std::to_integer<unsigned>(bytes[at]) |
                                      std::to_integer<unsigned>(bytes[at + 1]) << 8);
}

std::uint32_t u32(std::span<const std::byte> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(u16(bytes, at)) |
           static_cast<std::uint32_t>(u16(bytes, at + 2)) << 16;
}

bool tag_is(std::span<const std::byte> bytes, std::size_t at, const char (&tag)[5]) {
    return std::memcmp(bytes.data() + at, tag, 4) == 0;
}

WavFormat read_format(std::span<const std::byte> chunk) {
    WavFormat format;
    format.format_tag = u16(chunk, 0);
    format.channels = u16(chunk, 2);
    format.sample_rate = u32(chunk, 4);
    format.byte_rate = u32(chunk, 8);
    format.block_align = u16(chunk, 12);
    format.bits_per_sample = u16(chunk, 14);
    if (format.format_tag == kWaveFormatExtensible && chunk.size() >= kExtensibleFormatSize) {
        // The first two bytes of the sub-format GUID carry the plain format tag.
        format.format_tag = u16(chunk, kSubFormatOffset);
    }
    return format;
}

bool sane(const WavFormat& format) {
    if (format.channels == 0 || format.sample_rate == 0 || format.block_align == 0 ||
        format.bits_per_sample == 0) {
        return false;
    }
    const std::uint32_t bytes_per_sample = (format.bits_per_sample + 7u) / 8u;
    return format.block_align >= bytes_per_sample * format.channels;
}

}  // namespace

bool WavInfo::playable_pcm() const {
    if (!ok() || format.format_tag != kWaveFormatPcm) {
        return false;
    }
    const unsigned bits = format.bits_per_sample;
    return (bits == 8 || bits == 16 || bits == 32) &&
           format.block_align == format.channels * (bits / 8);
}

WavInfo parse_wav(std::span<const std::byte> image) {
    WavInfo info;
    if (image.size() < 12 || !tag_is(image, 0, "RIFF") || !tag_is(image, 8, "WAVE")) {
        info.error = WavError::not_riff_wave;
        return info;
    }
    // Writers often get the RIFF size wrong (streamed files leave it 0 or -1): the image's
    // own end is the limit.
    const std::size_t end = image.size();

    bool have_format = false;
    std::size_t at = 12;
    while (at + kChunkHeader <= end) {
        const std::size_t size = u32(image, at + 4);
        const std::size_t body = at + kChunkHeader;
        const std::size_t available = end - body;
        if (tag_is(image, at, "fmt ")) {
            if (size < kPlainFormatSize || available < kPlainFormatSize) {
                info.error = WavError::missing_format;
                return info;
            }
            info.format = read_format(image.subspan(body, std::min(size, available)));
            if (!sane(info.format)) {
                info.error = WavError::bad_format;
                return info;
            }
            have_format = true;
        } else if (tag_is(image, at, "data")) {
            if (!have_format) {
                info.error = WavError::missing_format;
                return info;
            }
            const std::size_t present = std::min(size, available);
            info.data_cut = present < size;
            info.data_offset = body;
            info.data_size = present - present % info.format.block_align;
            return info;
        }
        if (size > available) {
            break;  // a chunk that runs past the end: nothing follows it
        }
        at = body + size + (size & 1u);
    }
    info.error = have_format ? WavError::missing_data : WavError::missing_format;
    return info;
}

}  // namespace orvane::voice
