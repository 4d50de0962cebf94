// What the controller needs of the window, and nothing more.
//
// The controller pushes texts, table refreshes and key states one way, through
// these interfaces; it never reads a text back. The Qt window implements them
// in app/, the recording window used by the tests and the key driver in
// tools/.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace cambist {

class TextField {
public:
    virtual ~TextField() = default;
    // Show text in place of the old one.
    virtual void setStringValue(const std::string& text) = 0;
};

class TableView {
public:
    virtual ~TableView() = default;
    // Forget the rows and ask the controller again for the count and cells.
    virtual void reloadData() = 0;
    // Scroll so that row is visible; -1 (an empty list) does nothing.
    virtual void scrollRowToVisible(std::int32_t row) = 0;
    // Make row the only selected row (extend is always false); -1 selects
    // nothing.
    virtual void selectRow(std::int32_t row, bool byExtendingSelection) = 0;
};

class TableColumn {
public:
    virtual ~TableColumn() = default;
    virtual std::string identifier() const = 0;
};

class Button {
public:
    virtual ~Button() = default;
    // A disabled key sends no action.
    virtual void setEnabled(bool enabled) = 0;
};

// The control that sent an action. Only the digit keys' tags are ever read.
class Control {
public:
    virtual ~Control() = default;
    virtual std::int32_t tag() const = 0;
};

// The platform's alert sound; it has no other effect.
class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

// A column known by a fixed identifier.
class NamedTableColumn final : public TableColumn {
public:
    explicit NamedTableColumn(std::string id) : id_(std::move(id)) {}
    std::string identifier() const override { return id_; }

private:
    std::string id_;
};

// The seventeen controls the controller refreshes. None may be null; the
// window owns them and outlives the controller.
struct CalOutlets {
    TextField* number_display;
    TextField* memory_display;
    TextField* answer_display;
    TextField* fin_pv_display;
    TextField* fin_n_display;
    TextField* fin_pmt_display;
    TextField* fin_fv_display;
    TextField* fin_iy_display;
    TextField* fin_year_display;
    TableView* irr_entry_display;
    Button* buttonPV;
    Button* buttonFV;
    Button* buttonFVQ;
    Button* buttonPMT;
    Button* buttonCFY;
    Button* buttonNCFY;
    Button* buttonY;
};

// A sender with a fixed tag, for the keys that are not digits and for callers
// that press a digit without a control of their own.
class TaggedControl final : public Control {
public:
    explicit constexpr TaggedControl(std::int32_t tagValue = 0) : tagValue_(tagValue) {}
    std::int32_t tag() const override { return tagValue_; }

private:
    std::int32_t tagValue_;
};

}  // namespace cambist
