#include "RecordingWindow.h"

#include <sstream>

namespace cambist {

RecordedCalculator::RecordedCalculator() : controller_(outlets(), beeper_) {
    controller_.awakeFromNib();
}

CalOutlets RecordedCalculator::outlets() {
    auto field = [this](Display d) { return &fields_[static_cast<std::size_t>(d)]; };
    auto button = [this](ModeKey k) { return &buttons_[modeKeyIndex(k)]; };
    return CalOutlets{field(Display::Main), field(Display::Memory), field(Display::Answer),
                      field(Display::PV),   field(Display::N),      field(Display::PMT),
                      field(Display::FV),   field(Display::IY),     field(Display::Year),
                      &table_,              button(ModeKey::PV),    button(ModeKey::FV),
                      button(ModeKey::FVQ), button(ModeKey::PMT),   button(ModeKey::CFY),
                      button(ModeKey::NCFY), button(ModeKey::Y)};
}

bool RecordedCalculator::press(const KeyPress& key) { return history_.press(controller_, key); }

bool RecordedCalculator::pressKeys(std::string_view keys) {
    const ParsedKeys parsed = parseKeys(keys);
    for (const KeyPress& key : parsed.presses) {
        press(key);
    }
    return parsed.ok();
}

std::string RecordedCalculator::cell(std::int32_t row, std::string_view column) const {
    return controller_.objectValueForTableColumn(table_, NamedTableColumn(std::string(column)), row);
}

std::string RecordedCalculator::report() const {
    std::ostringstream out;
    for (std::size_t i = 0; i < kDisplayNames.size(); ++i) {
        out << kDisplayNames[i] << ": " << fields_[i].text << '\n';
    }
    const std::int32_t rows = controller_.numberOfRowsInTableView(table_);
    out << "rows: " << rows << '\n';
    for (std::int32_t row = 0; row < rows; ++row) {
        out << "row " << row << ": " << cell(row, "Year") << ' ' << cell(row, "Amount") << '\n';
    }
    out << "selected: " << table_.selected << '\n';
    out << "enabled:";
    for (std::size_t i = 0; i < kModeKeyCount; ++i) {
        if (buttons_[i].enabled) {
            out << ' ' << kModeKeyNames[i];
        }
    }
    out << '\n' << "beeps: " << beeper_.beeps << '\n';
    return out.str();
}

}  // namespace cambist
