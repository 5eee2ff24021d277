// The typed-character table and the key-release table.
#include <gtest/gtest.h>

#include "calculator_harness.h"
#include "engine/keyboard.h"

namespace orvane::engine {
namespace {

TEST(Keyboard, CharacterTable) {
    const struct {
        char16_t character;
        std::optional<Key> key;
    } rows[] = {
        {8, Key::backspace},  {13, Key::equals},     {u'=', Key::equals},  {u'*', Key::multiply},
        {u'+', Key::add},     {u'-', Key::subtract}, {u'.', Key::point},   {u'/', Key::divide},
        {u'0', Key::digit0},  {u'1', Key::digit1},   {u'5', Key::digit5},  {u'9', Key::digit9},
        {u'm', Key::digit0},  {u'M', Key::digit0},   {u'j', Key::digit1},  {u'J', Key::digit1},
        {u'k', Key::digit2},  {u'K', Key::digit2},   {u'l', Key::digit3},  {u'L', Key::digit3},
        {u'u', Key::digit4},  {u'U', Key::digit4},   {u'i', Key::digit5},  {u'I', Key::digit5},
        {u'o', Key::digit6},  {u'O', Key::digit6},   {u' ', std::nullopt}, {u'c', std::nullopt},
        {u'b', std::nullopt}, {u'B', std::nullopt},  {u'%', std::nullopt}, {27, std::nullopt},
        {u'p', std::nullopt}, {u'０', std::nullopt}, {u',', std::nullopt}, {0, std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(key_for_character(row.character), row.key)
            << "character " << static_cast<int>(row.character);
    }
}

constexpr int kNone = 0;
constexpr int kShift = kModShift;
constexpr int kCtrl = kModCtrl;
constexpr int kAlt = kModAlt;

TEST(Keyboard, ReleaseTable) {
    const struct {
        int key_code;
        int modifiers;
        std::optional<Command> command;
    } rows[] = {
        {'B', kNone, Key::percent},
        {'B', kShift, Key::percent},
        {'B', kCtrl, Key::percent},
        {'F', kAlt, Key::square_root},
        {'G', kNone, Key::grand_total},
        {kVkDelete, kCtrl | kShift, Key::clear},
        {'C', kCtrl, Key::memory_clear},
        {'C', kNone, std::nullopt},
        {'C', kCtrl | kShift, std::nullopt},
        {'S', kCtrl, Key::memory_store},
        {'S', kAlt, std::nullopt},
        {'A', kCtrl, Key::memory_add},
        {'A', kCtrl | kShift, std::nullopt},
        {'R', kCtrl, Key::memory_read},
        {'R', kNone, std::nullopt},
        {kVkF4, kAlt, WindowCommand::exit},
        {kVkF4, kNone, std::nullopt},
        {kVkF4, kAlt | kCtrl, std::nullopt},
        {kVkF1, kNone, WindowCommand::help},
        {kVkF3, kNone, Key::voice_switch},
        {kVkF8, kNone, WindowCommand::tape},
        // F2 and F7 switch calculators in every window alike, outside this table.
        {kVkF1 + 1, kShift, std::nullopt},
        {kVkF1 + 6, kCtrl, std::nullopt},
        {'U', kNone, std::nullopt},
        {'M', kCtrl, std::nullopt},
        {32, kNone, std::nullopt},
        {116, kNone, std::nullopt},  // F5
        {kVkF9, kNone, Key::read_results_switch},
        {kVkF10, kShift, Key::read_display},
        {122, kNone, std::nullopt},  // F11
    };
    for (const auto& row : rows) {
        EXPECT_EQ(command_for_release(row.key_code, row.modifiers), row.command)
            << "key " << row.key_code << " modifiers " << row.modifiers;
    }
}

// Typed characters run the same operations as the buttons, clips included.
TEST(Keyboard, TypingMatchesClicking) {
    const struct {
        std::u16string typed;
        std::string clicked;
    } rows[] = {{u"1+2\r", "1 + 2 ="},
                {u"1+2=", "1 + 2 ="},
                {u"ju*k/l-\b=", "1 4 * 2 / 3 - back ="},
                {u"mo.i", "0 6 . 5"},
                {u"9 9", "9 9"}};
    for (const auto& row : rows) {
        testing::Harness typed;
        testing::Harness clicked;
        typed.run("voice");
        clicked.run("voice");
        std::vector<std::string> typed_clips;
        for (const char16_t c : row.typed) {
            typed.recorder.reset_log();
            if (const auto key = key_for_character(c)) {
                typed.calculator->press(*key);
            }
            typed_clips.insert(typed_clips.end(), typed.recorder.clips.begin(),
                               typed.recorder.clips.end());
        }
        std::vector<std::string> clicked_clips;
        std::istringstream keys(row.clicked);
        std::string key;
        while (keys >> key) {
            clicked.run(key);
            clicked_clips.insert(clicked_clips.end(), clicked.recorder.clips.begin(),
                                 clicked.recorder.clips.end());
        }
        EXPECT_EQ(typed.display(), clicked.display()) << row.clicked;
        EXPECT_EQ(typed_clips, clicked_clips) << row.clicked;
        EXPECT_FALSE(typed_clips.empty());
    }
}

}  // namespace
}  // namespace orvane::engine
