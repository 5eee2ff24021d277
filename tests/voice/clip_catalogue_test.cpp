#include "voice/clip_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace orvane::voice {
namespace {

TEST(ClipCatalogue, FindsNamesWhateverTheirCase) {
    struct Row {
        std::string_view asked;
        std::optional<std::string_view> found;
    };
    const Row rows[] = {
        {"wav_5", "wav_5"},
        {"WAV_5", "wav_5"},
        {"WAV_00", "wav_00"},
        {"Wav_DengYu", "wav_dengyu"},
        {"WAV_KF", "wav_kf"},
        {"wav_yuyin", "wav_yuyin"},
        {"WAV_SHI", "wav_shi"},
        {"wav_bai", "wav_bai"},
        {"Wav_Qian", "wav_qian"},
        {"wav_wan", "wav_wan"},
        {"WAV_YI", "wav_yi"},
        {"wav_yi1", std::nullopt},
        {"wav_shiwan", std::nullopt},
        {"", std::nullopt},
        {"wav_", std::nullopt},
        {"wav_10", std::nullopt},
        {"wav_000", std::nullopt},
        {"wav_5.wav", std::nullopt},
        {"wav_5 ", std::nullopt},
        {" wav_5", std::nullopt},
        {"../voice/wav_5", std::nullopt},
        {":/voice/wav_5", std::nullopt},
        {std::string_view("wav_jia\0", 8), std::nullopt},
        {"\xEF\xBC\xB7"
         "AV_5",
         std::nullopt},  // full-width W
        {"5", std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.asked));
        EXPECT_EQ(find_clip(row.asked), row.found);
    }
}

TEST(ClipCatalogue, ResourcePathsAreDistinctAndLowerCase) {
    std::set<std::string> paths;
    for (const std::string_view name : kClipNames) {
        std::string upper(name);
        for (char& c : upper) {
            c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        }
        const auto path = clip_resource_path(upper);
        ASSERT_TRUE(path.has_value()) << name;
        EXPECT_EQ(*path, ":/voice/" + std::string(name) + ".wav");
        paths.insert(*path);
    }
    EXPECT_EQ(paths.size(), kClipNames.size());
    EXPECT_FALSE(clip_resource_path("wav_x").has_value());
}

}  // namespace
}  // namespace orvane::voice
