// The window's keys: caption, spoken name, action and keyboard equivalents.
//
// One table serves the buttons, their tooltips, the keyboard, the shortcut
// help and the tests that check no two keys share a keystroke.
#pragma once

#include <QKeyEvent>
#include <QKeySequence>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace cambist {

// One keystroke. A key stroke is a key with exact modifiers, which the
// window turns into a shortcut. The rest are what a shortcut cannot say: a
// character stroke matches the text a key types (so "*" or "%" work on every
// keyboard layout, from the main keys or the keypad), a keypad stroke that
// key on the numeric keypad only (its digits with NumLock off), and a dead
// key stroke the dead key itself, which types nothing on its own.
struct KeyStroke {
    enum class Kind : std::uint8_t { Character, Key, KeypadKey, DeadKey };
    Kind kind;
    char character;
    int key;
    Qt::KeyboardModifiers modifiers;

    bool matches(const QKeyEvent& event) const;
    QKeySequence sequence() const;  // for a key stroke
    QString label() const;          // in words: "Ctrl+M", "keypad 7", "asterisk"
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

// A key's keystrokes in words, for its tooltip and the help table.
QString strokesText(const KeySpec& spec);
// Its caption and spoken name in the user's language.
QString keyCaption(const KeySpec& spec);
QString keySpokenName(const KeySpec& spec);

}  // namespace cambist
