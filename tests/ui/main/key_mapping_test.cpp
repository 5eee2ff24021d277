#include "ui/main/key_mapping.h"

#include <gtest/gtest.h>

#include <optional>

#include "engine/keyboard.h"

namespace orvane {
namespace {

using engine::Key;
using engine::WindowCommand;

struct TypedCase {
    const char* label;
    int qt_key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    std::optional<char16_t> character;
};

class TypedCharacter : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedCharacter, GivesTheCharacterTheTableReads) {
    const TypedCase& row = GetParam();
    EXPECT_EQ(typed_character(row.qt_key, row.modifiers, row.text), row.character) << row.label;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TypedCharacter,
    ::testing::Values(
        TypedCase{"digit", Qt::Key_5, Qt::NoModifier, "5", u'5'},
        TypedCase{"keypad digit", Qt::Key_5, Qt::KeypadModifier, "5", u'5'},
        TypedCase{"letter", Qt::Key_J, Qt::NoModifier, "j", u'j'},
        TypedCase{"shifted letter", Qt::Key_J, Qt::ShiftModifier, "J", u'J'},
        TypedCase{"shifted plus", Qt::Key_Plus, Qt::ShiftModifier, "+", u'+'},
        TypedCase{"backspace without text", Qt::Key_Backspace, Qt::NoModifier, "", u'\b'},
        TypedCase{"backspace with text", Qt::Key_Backspace, Qt::NoModifier, "\b", u'\b'},
        TypedCase{"return", Qt::Key_Return, Qt::NoModifier, "\r", u'\r'},
        TypedCase{"keypad enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", u'\r'},
        TypedCase{"space", Qt::Key_Space, Qt::NoModifier, " ", u' '},
        TypedCase{"escape", Qt::Key_Escape, Qt::NoModifier, "\x1b", std::nullopt},
        TypedCase{"delete", Qt::Key_Delete, Qt::NoModifier, "\x7f", std::nullopt},
        TypedCase{"tab", Qt::Key_Tab, Qt::NoModifier, "\t", std::nullopt},
        TypedCase{"function key", Qt::Key_F3, Qt::NoModifier, "", std::nullopt},
        TypedCase{"ctrl letter", Qt::Key_S, Qt::ControlModifier, "\x13", std::nullopt},
        TypedCase{"ctrl return", Qt::Key_Return, Qt::ControlModifier, "\r", std::nullopt},
        TypedCase{"alt digit", Qt::Key_5, Qt::AltModifier, "5", std::nullopt},
        TypedCase{"two units", Qt::Key_unknown, Qt::NoModifier, "ab", std::nullopt},
        TypedCase{"full-width digit", Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("５"),
                  u'５'}));

struct ReleaseCase {
    const char* label;
    int qt_key;
    Qt::KeyboardModifiers modifiers;
    std::optional<engine::Command> command;
};

class ReleasedKey : public ::testing::TestWithParam<ReleaseCase> {};

// A released Qt key, translated and looked up, runs the operation of its table row.
TEST_P(ReleasedKey, RunsTheOperationOfItsRow) {
    const ReleaseCase& row = GetParam();
    std::optional<engine::Command> command;
    if (const std::optional<int> code = virtual_key_code(row.qt_key)) {
        command = engine::command_for_release(*code, modifier_bits(row.modifiers));
    }
    EXPECT_EQ(command, row.command) << row.label;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ReleasedKey,
    ::testing::Values(
        ReleaseCase{"B", Qt::Key_B, Qt::NoModifier, Key::percent},
        ReleaseCase{"Shift+B", Qt::Key_B, Qt::ShiftModifier, Key::percent},
        ReleaseCase{"Ctrl+B", Qt::Key_B, Qt::ControlModifier, Key::percent},
        ReleaseCase{"F", Qt::Key_F, Qt::NoModifier, Key::square_root},
        ReleaseCase{"G", Qt::Key_G, Qt::NoModifier, Key::grand_total},
        ReleaseCase{"Delete", Qt::Key_Delete, Qt::NoModifier, Key::clear},
        ReleaseCase{"Ctrl+C", Qt::Key_C, Qt::ControlModifier, Key::memory_clear},
        ReleaseCase{"Ctrl+S", Qt::Key_S, Qt::ControlModifier, Key::memory_store},
        ReleaseCase{"Ctrl+A", Qt::Key_A, Qt::ControlModifier, Key::memory_add},
        ReleaseCase{"Ctrl+R", Qt::Key_R, Qt::ControlModifier, Key::memory_read},
        ReleaseCase{"keypad Ctrl+S", Qt::Key_S, Qt::ControlModifier | Qt::KeypadModifier,
                    Key::memory_store},
        ReleaseCase{"Ctrl+Shift+A", Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier,
                    std::nullopt},
        ReleaseCase{"Ctrl+Alt+S", Qt::Key_S, Qt::ControlModifier | Qt::AltModifier, std::nullopt},
        ReleaseCase{"S alone", Qt::Key_S, Qt::NoModifier, std::nullopt},
        ReleaseCase{"C alone", Qt::Key_C, Qt::NoModifier, std::nullopt},
        ReleaseCase{"Alt+F4", Qt::Key_F4, Qt::AltModifier, WindowCommand::exit},
        ReleaseCase{"F4", Qt::Key_F4, Qt::NoModifier, std::nullopt},
        ReleaseCase{"Shift+Alt+F4", Qt::Key_F4, Qt::AltModifier | Qt::ShiftModifier, std::nullopt},
        ReleaseCase{"F1", Qt::Key_F1, Qt::NoModifier, WindowCommand::help},
        ReleaseCase{"F3", Qt::Key_F3, Qt::NoModifier, Key::voice_switch},
        ReleaseCase{"F8", Qt::Key_F8, Qt::NoModifier, WindowCommand::tape},
        ReleaseCase{"F9", Qt::Key_F9, Qt::NoModifier, Key::read_results_switch},
        ReleaseCase{"F10", Qt::Key_F10, Qt::NoModifier, Key::read_display},
        ReleaseCase{"F11", Qt::Key_F11, Qt::NoModifier, std::nullopt},
        // Qt's code for "." is the same number as the Delete key's virtual-key code.
        ReleaseCase{"point", Qt::Key_Period, Qt::NoModifier, std::nullopt},
        ReleaseCase{"escape", Qt::Key_Escape, Qt::NoModifier, std::nullopt},
        ReleaseCase{"space", Qt::Key_Space, Qt::NoModifier, std::nullopt},
        ReleaseCase{"digit", Qt::Key_5, Qt::NoModifier, std::nullopt}));

struct CodeCase {
    int qt_key;
    std::optional<int> code;
};

class VirtualKeyCode : public ::testing::TestWithParam<CodeCase> {};

TEST_P(VirtualKeyCode, NamesThePhysicalKey) {
    EXPECT_EQ(virtual_key_code(GetParam().qt_key), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, VirtualKeyCode,
    ::testing::Values(CodeCase{Qt::Key_A, 'A'}, CodeCase{Qt::Key_Z, 'Z'}, CodeCase{Qt::Key_0, '0'},
                      CodeCase{Qt::Key_9, '9'}, CodeCase{Qt::Key_F1, engine::kVkF1},
                      CodeCase{Qt::Key_F4, engine::kVkF4}, CodeCase{Qt::Key_F7, engine::kVkF1 + 6},
                      CodeCase{Qt::Key_F12, engine::kVkF1 + 11},
                      CodeCase{Qt::Key_Delete, engine::kVkDelete},
                      CodeCase{Qt::Key_Period, std::nullopt}, CodeCase{Qt::Key_F13, std::nullopt},
                      CodeCase{Qt::Key_Shift, std::nullopt}));

struct ClipboardCase {
    const char* label;
    int qt_key;
    Qt::KeyboardModifiers modifiers;
    std::optional<ClipboardKey> action;
};

class ClipboardKeys : public ::testing::TestWithParam<ClipboardCase> {};

TEST_P(ClipboardKeys, PasteAndCopyOnTheDesktopKeys) {
    EXPECT_EQ(clipboard_key(GetParam().qt_key, GetParam().modifiers), GetParam().action)
        << GetParam().label;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ClipboardKeys,
    ::testing::Values(
        ClipboardCase{"Ctrl+V", Qt::Key_V, Qt::ControlModifier, ClipboardKey::paste},
        ClipboardCase{"Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier, ClipboardKey::paste},
        ClipboardCase{"keypad Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier | Qt::KeypadModifier,
                      ClipboardKey::paste},
        ClipboardCase{"Ctrl+Insert", Qt::Key_Insert, Qt::ControlModifier, ClipboardKey::copy},
        ClipboardCase{"Ctrl+C stays MC", Qt::Key_C, Qt::ControlModifier, std::nullopt},
        ClipboardCase{"V alone", Qt::Key_V, Qt::NoModifier, std::nullopt},
        ClipboardCase{"Ctrl+Shift+V", Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier,
                      std::nullopt},
        ClipboardCase{"Insert alone", Qt::Key_Insert, Qt::NoModifier, std::nullopt},
        ClipboardCase{"Ctrl+Shift+Insert", Qt::Key_Insert, Qt::ControlModifier | Qt::ShiftModifier,
                      std::nullopt}));

struct ModifierCase {
    Qt::KeyboardModifiers modifiers;
    int bits;
};

class ModifierBits : public ::testing::TestWithParam<ModifierCase> {};

TEST_P(ModifierBits, AddShiftCtrlAndAlt) {
    EXPECT_EQ(modifier_bits(GetParam().modifiers), GetParam().bits);
}

INSTANTIATE_TEST_SUITE_P(
    Modifiers, ModifierBits,
    ::testing::Values(
        ModifierCase{Qt::NoModifier, 0}, ModifierCase{Qt::ShiftModifier, engine::kModShift},
        ModifierCase{Qt::ControlModifier, engine::kModCtrl},
        ModifierCase{Qt::AltModifier, engine::kModAlt},
        ModifierCase{Qt::ControlModifier | Qt::ShiftModifier, engine::kModCtrl | engine::kModShift},
        ModifierCase{Qt::KeypadModifier | Qt::MetaModifier | Qt::GroupSwitchModifier, 0},
        ModifierCase{Qt::AltModifier | Qt::KeypadModifier, engine::kModAlt}));

}  // namespace
}  // namespace orvane
