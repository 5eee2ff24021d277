// The clips the program carries, and the resource each name leads to: the 23 spoken keys, the
// check's warning, then the units that reading a number aloud needs.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::voice {

// Clip names in the lower-case form the keys use.
inline constexpr std::array<std::string_view, 29> kClipNames = {
    "wav_0",
    "wav_1",
    "wav_2",
    "wav_3",
    "wav_4",
    "wav_5",
    "wav_6",
    "wav_7",
    "wav_8",
    "wav_9",
    "wav_00",
    "wav_chen",
    "wav_chu",
    "wav_dengyu",
    "wav_dian",
    "wav_fu",
    "wav_jia",
    "wav_jian",
    "wav_kf",
    "wav_qingchu",
    "wav_quanbu",
    "wav_tuige",
    "wav_yuyin",
    "wav_budui",
    // 十 百 千 万 亿
    "wav_shi",
    "wav_bai",
    "wav_qian",
    "wav_wan",
    "wav_yi",
};

// The clip's name as the catalogue holds it, whatever the case of `name` ("WAV_5" and
// "wav_5" give "wav_5"); nullopt for a name that is not one of the clips.
std::optional<std::string_view> find_clip(std::string_view name);

// The embedded resource path of a clip (":/voice/wav_5.wav"); nullopt for an unknown name.
std::optional<std::string> clip_resource_path(std::string_view name);

}  // namespace orvane::voice
