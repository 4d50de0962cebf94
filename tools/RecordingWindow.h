// A window that records what the controller shows instead of drawing it: the
// second window binding, used by the key driver, the tests, the fuzz target
// and the benchmarks.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "CalController.h"
#include "History.h"
#include "KeyCatalogue.h"

namespace cambist {

class RecordingTextField final : public TextField {
public:
    void setStringValue(const std::string& newText) override { text = newText; }
    std::string text;
};

class RecordingTable final : public TableView {
public:
    void reloadData() override { ++reloads; }
    void scrollRowToVisible(std::int32_t row) override { scrolledTo = row; }
    void selectRow(std::int32_t row, bool /*byExtendingSelection*/) override { selected = row; }
    long reloads = 0;
    std::int32_t scrolledTo = -1;
    std::int32_t selected = -1;
};

class RecordingButton final : public Button {
public:
    void setEnabled(bool isEnabled) override { enabled = isEnabled; }
    bool enabled = false;
};

class RecordingBeeper final : public Beeper {
public:
    void beep() override { ++beeps; }
    long beeps = 0;
};

// The nine displays, in the order the key driver prints them.
enum class Display : std::uint8_t { Main, Memory, Answer, PV, N, PMT, FV, IY, Year };
inline constexpr std::array<std::string_view, 9> kDisplayNames = {
    "main", "memory", "answer", "pv", "n", "pmt", "fv", "iy", "year"};

// A controller wired to a recording window, started as the platform starts
// it (outlets connected, then awakeFromNib).
class RecordedCalculator {
public:
    RecordedCalculator();
    RecordedCalculator(const RecordedCalculator&) = delete;
    RecordedCalculator& operator=(const RecordedCalculator&) = delete;

    // Delivers the press through the dispatcher, as every window does, and
    // records it in the history. Answers whether the action was sent.
    bool press(const KeyPress& key);
    // Presses the keys of white-space separated tokens; presses nothing and
    // answers false when one of them is not a key.
    bool pressKeys(std::string_view keys);

    const std::string& text(Display display) const {
        return fields_[static_cast<std::size_t>(display)].text;
    }
    std::string cell(std::int32_t row, std::string_view column) const;
    bool modeKeyEnabled(ModeKey key) const { return buttons_[modeKeyIndex(key)].enabled; }
    long beeps() const { return beeper_.beeps; }
    const RecordingTable& table() const { return table_; }
    CalController& controller() { return controller_; }
    const CalController& controller() const { return controller_; }
    const History& history() const { return history_; }

    // What the window shows, in the key driver's format.
    std::string report() const;

private:
    CalOutlets outlets();

    std::array<RecordingTextField, 9> fields_;
    RecordingTable table_;
    std::array<RecordingButton, kModeKeyCount> buttons_;
    RecordingBeeper beeper_;
    CalController controller_;
    History history_;
};

}  // namespace cambist
