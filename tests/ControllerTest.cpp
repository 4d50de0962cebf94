// Start-up, the refresh and the table's data source.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "KeySequence.h"

namespace cambist {
namespace {

using testing::type;

TEST(StartUp, EveryDisplayZeroEmptyTableSimpleMode) {
    RecordedCalculator calculator;
    for (std::size_t i = 0; i < kDisplayNames.size(); ++i) {
        EXPECT_EQ(calculator.text(static_cast<Display>(i)), "0") << kDisplayNames[i];
    }
    EXPECT_EQ(calculator.controller().numberOfRowsInTableView(calculator.table()), 0);
    EXPECT_EQ(calculator.table().selected, -1);
    EXPECT_EQ(calculator.table().scrolledTo, -1);
    EXPECT_EQ(calculator.controller().entryState(), STATE_RESULT);
    EXPECT_EQ(calculator.beeps(), 0);
    EXPECT_EQ(calculator.report(),
              "main: 0\nmemory: 0\nanswer: 0\npv: 0\nn: 0\npmt: 0\nfv: 0\niy: 0\nyear: 0\n"
              "rows: 0\nselected: -1\nenabled: buttonPV buttonFV buttonFVQ buttonPMT\nbeeps: 0\n");
}

// A window whose every control writes into one shared log, to show the order
// of the refresh.
class LoggingWindow {
public:
    struct Field final : TextField {
        Field(std::vector<std::string>& sink, std::string fieldName) : log(sink), name(std::move(fieldName)) {}
        void setStringValue(const std::string& text) override { log.push_back(name + "=" + text); }
        std::vector<std::string>& log;
        std::string name;
    };
    struct Table final : TableView {
        explicit Table(std::vector<std::string>& sink) : log(sink) {}
        void reloadData() override { log.push_back("reload"); }
        void scrollRowToVisible(std::int32_t row) override { log.push_back("scroll " + std::to_string(row)); }
        void selectRow(std::int32_t row, bool extend) override {
            log.push_back("select " + std::to_string(row) + (extend ? " extend" : ""));
        }
        std::vector<std::string>& log;
    };
    struct Key final : Button {
        Key(std::vector<std::string>& sink, std::string keyName) : log(sink), name(std::move(keyName)) {}
        void setEnabled(bool enabled) override { log.push_back(name + (enabled ? " on" : " off")); }
        std::vector<std::string>& log;
        std::string name;
    };

    std::vector<std::string> log;
    Field fields[9] = {{log, "main"}, {log, "memory"}, {log, "answer"}, {log, "pv"}, {log, "n"},
                       {log, "pmt"},  {log, "fv"},     {log, "iy"},     {log, "year"}};
    Table table{log};
    Key keys[7] = {{log, "PV"}, {log, "FV"}, {log, "FVQ"}, {log, "PMT"}, {log, "CFY"}, {log, "NCFY"}, {log, "Y"}};
    RecordingBeeper beeper;

    CalOutlets outlets() {
        return {&fields[0], &fields[1], &fields[2], &fields[3], &fields[4], &fields[5],
                &fields[6], &fields[7], &fields[8], &table,     &keys[0],   &keys[1],
                &keys[2],   &keys[3],   &keys[4],   &keys[5],   &keys[6]};
    }
};

TEST(Sync, SetsEverythingInItsOrder) {
    LoggingWindow window;
    CalController controller(window.outlets(), window.beeper);
    controller.awakeFromNib();
    const std::vector<std::string> expected = {
        "main=0", "memory=0", "answer=0", "pv=0", "n=0", "pmt=0", "fv=0", "iy=0", "year=0",
        "reload", "scroll -1", "select -1",
        "PV on", "FV on", "FVQ on", "PMT on", "CFY off", "NCFY off", "Y off"};
    EXPECT_EQ(window.log, expected);

    // A refused key changes nothing and does not refresh.
    window.log.clear();
    controller.delPressed(TaggedControl());
    EXPECT_TRUE(window.log.empty());
    EXPECT_EQ(window.beeper.beeps, 1);
}

TEST(Sync, ADivisionByZeroShowsTheErrorAtOnce) {
    LoggingWindow window;
    CalController controller(window.outlets(), window.beeper);
    controller.awakeFromNib();
    controller.digitPressed(TaggedControl(2));
    controller.plusPressed(TaggedControl());
    controller.digitPressed(TaggedControl(5));
    controller.dividePressed(TaggedControl());
    controller.digitPressed(TaggedControl(0));
    window.log.clear();
    controller.equalPressed(TaggedControl());
    // The refresh inside the division, then the one that ends the key.
    const auto mainTexts = std::count(window.log.begin(), window.log.end(), std::string("main=- E -"));
    EXPECT_EQ(mainTexts, 2);
    EXPECT_EQ(window.log.back(), "Y off");
    EXPECT_EQ(std::find(window.log.begin(), window.log.end(), "answer=2") - window.log.begin(), 21)
        << "the answer is stored after the division's refresh";
}

TEST(Sync, PointJustTypedShowsWholeUnitsAndThePoint) {
    RecordedCalculator calculator;
    EXPECT_EQ(testing::mainTrace(calculator, "1 2 ."), "1 | 12 | 12.");
    RecordedCalculator negative;
    EXPECT_EQ(testing::mainTrace(negative, "5 negate ."), "5 | -5 | -5.");
    RecordedCalculator negativeZero;
    EXPECT_EQ(testing::mainTrace(negativeZero, "clear negate ."), "0 | 0 | -0.");
    // A bracket closed right after the point rounds the value to whole units.
    RecordedCalculator rounded;
    type(rounded, "( 2.75 + 0 . )");
    EXPECT_EQ(rounded.text(Display::Main), "3.");
}

TEST(Table, RowsShowYearAndAmountAndTheNewestIsSelected) {
    RecordedCalculator calculator;
    type(calculator, "toggleSimpleComplex 100 addCashFlow 50.5 negate addCashFlow");
    EXPECT_EQ(calculator.cell(0, "Year"), "0");
    EXPECT_EQ(calculator.cell(0, "Amount"), "100");
    EXPECT_EQ(calculator.cell(1, "Year"), "1");
    EXPECT_EQ(calculator.cell(1, "Amount"), "-50.5");
    EXPECT_EQ(calculator.table().selected, 1);
    EXPECT_EQ(calculator.table().scrolledTo, 1);
    EXPECT_EQ(calculator.cell(2, "Year"), "") << "a row past the list has no text";

    RecordedCalculator negativeYear;
    type(negativeYear, "toggleSimpleComplex 2 negate setY 7 addCashFlow");
    EXPECT_EQ(negativeYear.cell(0, "Year"), "-2");
    EXPECT_EQ(negativeYear.text(Display::Year), "-1");
}

TEST(Table, ColumnOtherThanYearOrAmountIsAConsistencyFailure) {
    RecordedCalculator calculator;
    type(calculator, "toggleSimpleComplex 1 addCashFlow");
    EXPECT_DEATH(calculator.cell(0, "year"), "^CalController:[0-9]+: failed assertion `FALSE'\n$");
}

TEST(Mode, ToggleSwapsTheModeKeysAndASecondToggleRestores) {
    RecordedCalculator calculator;
    type(calculator, "toggleSimpleComplex");
    EXPECT_FALSE(calculator.modeKeyEnabled(ModeKey::PV));
    EXPECT_FALSE(calculator.modeKeyEnabled(ModeKey::FV));
    EXPECT_FALSE(calculator.modeKeyEnabled(ModeKey::FVQ));
    EXPECT_FALSE(calculator.modeKeyEnabled(ModeKey::PMT));
    EXPECT_TRUE(calculator.modeKeyEnabled(ModeKey::CFY));
    EXPECT_TRUE(calculator.modeKeyEnabled(ModeKey::NCFY));
    EXPECT_TRUE(calculator.modeKeyEnabled(ModeKey::Y));
    type(calculator, "toggleSimpleComplex");
    RecordedCalculator fresh;
    EXPECT_EQ(calculator.report(), fresh.report());
}

TEST(Mode, ADisabledModeKeySendsNothing) {
    RecordedCalculator calculator;
    type(calculator, "5 addCashFlow setY delCashFlow");  // cash-flow keys, simple mode
    EXPECT_EQ(calculator.text(Display::Main), "5");
    EXPECT_EQ(calculator.beeps(), 0);
    EXPECT_EQ(calculator.controller().entryState(), STATE_INTEGER);

    type(calculator, "toggleSimpleComplex setPV setFV setPMT calcFV");
    EXPECT_EQ(calculator.text(Display::Main), "5");
    EXPECT_EQ(calculator.text(Display::PV), "0");
    EXPECT_EQ(calculator.beeps(), 0);
}

}  // namespace
}  // namespace cambist
