// The window's keys: caption, spoken name, action and keyboard equivalents.
//
// One table serves the buttons, their tooltips, the keyboard, the shortcut
// help and the tests that check no two keys share a keystroke.
#pragma once

#include <QKeyEvent>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace cambist {

// One keystroke. A character stroke matches the text a key types (so "*" or
// "%" work on every keyboard layout); a key stroke matches a key with exact
// modifiers, and a keypad stroke only that key on the numeric keypad.
struct KeyStroke {
    enum class Kind : std::uint8_t { Character, Key, KeypadKey };
    Kind kind;
    char character;
    int key;
    Qt::KeyboardModifiers modifiers;

    bool matches(const QKeyEvent& event) const;
    QString label() const;  // as the user reads it: "Ctrl+M", "Keypad End", "*"
    bool operator==(const KeyStroke& other) const;
};

struct KeySpec {
    const char* objectName;      // the button's object name
    const char* action;          // the controller action it sends
    std::int32_t tag;            // the digit's value; 0 for other keys
    const char* caption;         // what the button shows
    const char* spokenName;      // the accessible name
    std::vector<KeyStroke> strokes;
};

// Every key of the window, in the order of the help table.
std::span<const KeySpec> keySpecs();

// Strokes of the menu commands that are not keys (copy, paste, help, quit).
struct MenuShortcut {
    const char* command;
    KeyStroke stroke;
};
std::span<const MenuShortcut> menuShortcuts();

}  // namespace cambist
