#include "voice/wav_header.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace orvane::voice {
namespace {

using Bytes = std::vector<std::byte>;

void put_tag(Bytes& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::byte>(tag[i]));
    }
}
void put16(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::byte>(v & 0xFF));
    out.push_back(static_cast<std::byte>((v >> 8) & 0xFF));
}
void put32(Bytes& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

struct Fmt {
    std::uint16_t tag = kWaveFormatPcm;
    std::uint16_t channels = 1;
    std::uint32_t rate = 11025;
    std::uint16_t bits = 16;
    std::uint16_t block_align() const { return static_cast<std::uint16_t>(channels * bits / 8); }
};

// Builds a WAVE image chunk by chunk; sizes are written as given, so a test can lie in them.
class Image {
  public:
    Image() {
        put_tag(bytes_, "RIFF");
        put32(bytes_, 0);  // patched by done()
        put_tag(bytes_, "WAVE");
    }
    Image& fmt(const Fmt& f) {
        put_tag(bytes_, "fmt ");
        put32(bytes_, 16);
        put_fmt_body(f);
        return *this;
    }
    Image& fmt_extensible(const Fmt& f, std::uint16_t sub_format) {
        put_tag(bytes_, "fmt ");
        put32(bytes_, 40);
        Fmt outer = f;
        outer.tag = kWaveFormatExtensible;
        put_fmt_body(outer);
        put16(bytes_, 22);          // cbSize
        put16(bytes_, f.bits);      // valid bits
        put32(bytes_, 0x4);         // channel mask
        put16(bytes_, sub_format);  // GUID, first two bytes
        for (int i = 0; i < 14; ++i) {
            bytes_.push_back(std::byte{0x11});
        }
        return *this;
    }
    // A chunk of `size` filler bytes, with the pad byte RIFF wants after an odd size.
    Image& chunk(const char (&tag)[5], std::uint32_t size, bool pad = true) {
        put_tag(bytes_, tag);
        put32(bytes_, size);
        bytes_.insert(bytes_.end(), size, std::byte{0x7F});
        if (pad && size % 2 == 1) {
            bytes_.push_back(std::byte{0});
        }
        return *this;
    }
    // A data chunk header claiming `claimed` bytes, followed by `present` sample bytes.
    Image& data(std::uint32_t claimed, std::uint32_t present) {
        put_tag(bytes_, "data");
        put32(bytes_, claimed);
        data_offset_ = bytes_.size();
        for (std::uint32_t i = 0; i < present; ++i) {
            bytes_.push_back(static_cast<std::byte>(i & 0xFF));
        }
        return *this;
    }
    Image& data(std::uint32_t size) { return data(size, size); }
    Bytes done(std::size_t cut_to = SIZE_MAX) {
        Bytes out = bytes_;
        const std::uint32_t riff = static_cast<std::uint32_t>(out.size() - 8);
        for (int i = 0; i < 4; ++i) {
            out[4 + i] = static_cast<std::byte>((riff >> (8 * i)) & 0xFF);
        }
        if (cut_to < out.size()) {
            out.resize(cut_to);
        }
        return out;
    }
    std::size_t size() const { return bytes_.size(); }
    std::size_t data_offset() const { return data_offset_; }

  private:
    void put_fmt_body(const Fmt& f) {
        put16(bytes_, f.tag);
        put16(bytes_, f.channels);
        put32(bytes_, f.rate);
        put32(bytes_, f.rate * f.block_align());
        put16(bytes_, f.block_align());
        put16(bytes_, f.bits);
    }

    Bytes bytes_;
    std::size_t data_offset_ = 0;
};

constexpr std::size_t kHeader = 12;
constexpr std::size_t kPlainFmt = 8 + 16;

struct Case {
    std::string name;
    Bytes image;
    WavError error;
    std::size_t data_offset = 0;
    std::size_t data_size = 0;
    bool cut = false;
    bool playable = false;
};

std::vector<Case> cases() {
    std::vector<Case> c;
    const Fmt mono16;
    const Fmt stereo8{kWaveFormatPcm, 2, 8000, 8};

    c.push_back({"plain mono 16 bit", Image().fmt(mono16).data(400).done(), WavError::none,
                 kHeader + kPlainFmt + 8, 400, false, true});
    c.push_back({"stereo 8 bit", Image().fmt(stereo8).data(100).done(), WavError::none,
                 kHeader + kPlainFmt + 8, 100, false, true});

    // Header damage.
    c.push_back({"empty image", Bytes{}, WavError::not_riff_wave});
    c.push_back({"shorter than the RIFF header", Image().done(11), WavError::not_riff_wave});
    {
        Bytes b = Image().fmt(mono16).data(10).done();
        b[0] = std::byte{'X'};
        c.push_back({"not RIFF", b, WavError::not_riff_wave});
        Bytes w = Image().fmt(mono16).data(10).done();
        w[8] = std::byte{'A'};
        c.push_back({"RIFF but not WAVE", w, WavError::not_riff_wave});
    }
    c.push_back({"cut inside the format chunk", Image().fmt(mono16).data(10).done(kHeader + 8 + 9),
                 WavError::missing_format});
    c.push_back({"cut inside a chunk header", Image().fmt(mono16).data(10).done(kHeader + 5),
                 WavError::missing_format});
    c.push_back({"cut after the format chunk",
                 Image().fmt(mono16).data(10).done(kHeader + kPlainFmt), WavError::missing_data});
    c.push_back({"format chunk too small", Image().chunk("fmt ", 14).data(10).done(),
                 WavError::missing_format});
    c.push_back(
        {"data before format", Image().data(10).fmt(mono16).done(), WavError::missing_format});
    c.push_back(
        {"no data chunk", Image().fmt(mono16).chunk("LIST", 6).done(), WavError::missing_data});
    c.push_back({"no chunks at all", Image().done(), WavError::missing_format});
    c.push_back({"zero channels", Image().fmt({kWaveFormatPcm, 0, 11025, 16}).data(10).done(),
                 WavError::bad_format});
    c.push_back({"zero rate", Image().fmt({kWaveFormatPcm, 1, 0, 16}).data(10).done(),
                 WavError::bad_format});
    c.push_back({"zero bits", Image().fmt({kWaveFormatPcm, 1, 11025, 0}).data(10).done(),
                 WavError::bad_format});

    // Format tags: parsed, but only integer PCM plays.
    c.push_back({"float samples", Image().fmt({3, 1, 11025, 32}).data(40).done(), WavError::none,
                 kHeader + kPlainFmt + 8, 40, false, false});
    c.push_back({"ADPCM", Image().fmt({2, 1, 11025, 16}).data(40).done(), WavError::none,
                 kHeader + kPlainFmt + 8, 40, false, false});
    c.push_back({"24-bit PCM", Image().fmt({kWaveFormatPcm, 1, 11025, 24}).data(30).done(),
                 WavError::none, kHeader + kPlainFmt + 8, 30, false, false});
    c.push_back({"extensible PCM", Image().fmt_extensible(mono16, kWaveFormatPcm).data(40).done(),
                 WavError::none, kHeader + 8 + 40 + 8, 40, false, true});
    c.push_back({"extensible float", Image().fmt_extensible(mono16, 3).data(40).done(),
                 WavError::none, kHeader + 8 + 40 + 8, 40, false, false});

    // Chunk sizes.
    c.push_back({"odd chunk padded before data",
                 Image().fmt(mono16).chunk("LIST", 3).data(8).done(), WavError::none,
                 kHeader + kPlainFmt + 8 + 3 + 1 + 8, 8, false, true});
    c.push_back({"odd chunk before format", Image().chunk("junk", 5).fmt(mono16).data(8).done(),
                 WavError::none, kHeader + 8 + 5 + 1 + kPlainFmt + 8, 8, false, true});
    c.push_back({"odd data size keeps whole frames", Image().fmt(mono16).data(9).done(),
                 WavError::none, kHeader + kPlainFmt + 8, 8, false, true});
    c.push_back({"data longer than the image", Image().fmt(mono16).data(1000, 64).done(),
                 WavError::none, kHeader + kPlainFmt + 8, 64, true, true});
    c.push_back({"data size -1 (streamed)", Image().fmt(mono16).data(0xFFFFFFFF, 33).done(),
                 WavError::none, kHeader + kPlainFmt + 8, 32, true, true});
    c.push_back({"chunk running past the end",
                 Image().fmt(mono16).chunk("LIST", 4).done(kHeader + kPlainFmt + 10),
                 WavError::missing_data});
    c.push_back({"empty data chunk", Image().fmt(mono16).data(0).done(), WavError::none,
                 kHeader + kPlainFmt + 8, 0, false, true});
    c.push_back({"trailing chunk after data ignored",
                 Image().fmt(mono16).data(4).chunk("LIST", 7).done(), WavError::none,
                 kHeader + kPlainFmt + 8, 4, false, true});
    return c;
}

TEST(WavHeader, ReadsOrRejectsEachImage) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        const WavInfo info = parse_wav(c.image);
        EXPECT_EQ(info.error, c.error);
        if (c.error != WavError::none) {
            EXPECT_FALSE(info.playable_pcm());
            continue;
        }
        EXPECT_EQ(info.data_offset, c.data_offset);
        EXPECT_EQ(info.data_size, c.data_size);
        EXPECT_EQ(info.data_cut, c.cut);
        EXPECT_EQ(info.playable_pcm(), c.playable);
        EXPECT_LE(info.data_offset + info.data_size, c.image.size());
    }
}

TEST(WavHeader, ReportsTheFormatFields) {
    struct Row {
        Fmt fmt;
        std::uint32_t data_bytes;
        double seconds;
    };
    const Row rows[] = {
        {{kWaveFormatPcm, 1, 11025, 16}, 22050, 1.0},
        {{kWaveFormatPcm, 2, 8000, 8}, 4000, 0.25},
        {{kWaveFormatPcm, 2, 44100, 32}, 44100 * 8 / 2, 0.5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.fmt.rate);
        const WavInfo info = parse_wav(Image().fmt(row.fmt).data(row.data_bytes).done());
        ASSERT_TRUE(info.ok());
        EXPECT_EQ(info.format.format_tag, row.fmt.tag);
        EXPECT_EQ(info.format.channels, row.fmt.channels);
        EXPECT_EQ(info.format.sample_rate, row.fmt.rate);
        EXPECT_EQ(info.format.bits_per_sample, row.fmt.bits);
        EXPECT_EQ(info.format.block_align, row.fmt.block_align());
        EXPECT_EQ(info.format.byte_rate, row.fmt.rate * row.fmt.block_align());
        EXPECT_EQ(info.frames(), row.data_bytes / row.fmt.block_align());
        EXPECT_DOUBLE_EQ(info.seconds(), row.seconds);
    }
}

TEST(WavHeader, WrongRiffSizeIsIgnored) {
    for (const std::uint32_t riff_size : {0u, 4u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(riff_size);
        Bytes image = Image().fmt(Fmt{}).data(20).done();
        for (int i = 0; i < 4; ++i) {
            image[4 + i] = static_cast<std::byte>((riff_size >> (8 * i)) & 0xFF);
        }
        const WavInfo info = parse_wav(image);
        ASSERT_TRUE(info.ok());
        EXPECT_EQ(info.data_size, 20u);
    }
}

// Every prefix of a valid image must parse without reading past its end (the sanitizer tree
// catches a stray read) and never claim more samples than the prefix holds.
TEST(WavHeader, EveryPrefixIsSafe) {
    Image builder;
    builder.chunk("LIST", 5).fmt(Fmt{}).data(40);
    const Bytes full = builder.done();
    for (std::size_t n = 0; n <= full.size(); ++n) {
        const Bytes prefix(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
        const WavInfo info = parse_wav(prefix);
        if (info.ok()) {
            EXPECT_EQ(info.data_offset, builder.data_offset());
            EXPECT_LE(info.data_offset + info.data_size, n);
            EXPECT_EQ(info.data_cut, n < full.size());
        } else {
            EXPECT_LT(n, builder.data_offset()) << "prefix " << n;
        }
    }
}

// Any value in any size field: the parser stays inside the image and claims no sample bytes
// beyond it (the sanitizer tree catches a stray read).
TEST(WavHeader, AnySizeFieldStaysInsideTheImage) {
    Image builder;
    builder.chunk("LIST", 6).fmt(Fmt{}).data(40);
    const Bytes valid = builder.done();
    const std::size_t size_fields[] = {4, kHeader + 4, kHeader + 8 + 6 + 4,
                                       builder.data_offset() - 4};
    const std::uint32_t values[] = {0,  1,  2,  3,          15,         16,
                                    17, 39, 41, 0x7FFFFFFF, 0xFFFFFFF7, 0xFFFFFFFF};
    for (const std::size_t field : size_fields) {
        for (const std::uint32_t value : values) {
            SCOPED_TRACE(testing::Message() << "field " << field << " = " << value);
            Bytes image = valid;
            for (int i = 0; i < 4; ++i) {
                image[field + i] = static_cast<std::byte>((value >> (8 * i)) & 0xFF);
            }
            const WavInfo info = parse_wav(image);
            if (info.ok()) {
                EXPECT_LE(info.data_offset + info.data_size, image.size());
                EXPECT_EQ(info.data_size % info.format.block_align, 0u);
            }
        }
    }
}

}  // namespace
}  // namespace orvane::voice
