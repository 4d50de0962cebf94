// Start-up, the refresh and the table's data source.
#include "CalController.h"

#include "ConsistencyCheck.h"
#include "KeyCatalogue.h"
#include "NumberText.h"

namespace cambist {

CalController::CalController(const CalOutlets& outlets, Beeper& beeper)
    : number_display(outlets.number_display),
      memory_display(outlets.memory_display),
      answer_display(outlets.answer_display),
      fin_pv_display(outlets.fin_pv_display),
      fin_n_display(outlets.fin_n_display),
      fin_pmt_display(outlets.fin_pmt_display),
      fin_fv_display(outlets.fin_fv_display),
      fin_iy_display(outlets.fin_iy_display),
      fin_year_display(outlets.fin_year_display),
      irr_entry_display(outlets.irr_entry_display),
      buttonPV(outlets.buttonPV),
      buttonFV(outlets.buttonFV),
      buttonFVQ(outlets.buttonFVQ),
      buttonPMT(outlets.buttonPMT),
      buttonCFY(outlets.buttonCFY),
      buttonNCFY(outlets.buttonNCFY),
      buttonY(outlets.buttonY),
      beeper_(beeper) {}

void CalController::awakeFromNib() {
    state = STATE_RESULT;
    using_complex = 0;
    number = memory = answer = +0.0;
    fin_pv = fin_n = fin_pmt = fin_fv = fin_iy = +0.0;
    fin_year = nbInteger = nbDecimal = 0;
    operator_stack.clear();
    operand_stack.clear();
    irr_stack.clear();
    sync();
}

std::string CalController::mainDisplayText() const {
    if (state == STATE_ERROR) {
        return "- E -";
    }
    if (state == STATE_DECIMAL && nbDecimal == 0) {
        return fixedZeroText(number) + ".";  // the point has just been typed: "12."
    }
    return formatFloatWithMinDp(number, nbDecimal);
}

void CalController::sync() {
    number_display->setStringValue(mainDisplayText());

    memory_display->setStringValue(formatFloat(memory));
    answer_display->setStringValue(formatFloat(answer));
    fin_pv_display->setStringValue(formatFloat(fin_pv));
    fin_n_display->setStringValue(formatFloat(fin_n));
    fin_pmt_display->setStringValue(formatFloat(fin_pmt));
    fin_fv_display->setStringValue(formatFloat(fin_fv));
    fin_iy_display->setStringValue(formatFloat(fin_iy));
    fin_year_display->setStringValue(formatFloat(static_cast<double>(fin_year)));

    // The newest row is brought into view and becomes the only selection; -1
    // for an empty list selects nothing.
    const std::int32_t newestRow = static_cast<std::int32_t>(irr_stack.size()) - 1;
    irr_entry_display->reloadData();
    irr_entry_display->scrollRowToVisible(newestRow);
    irr_entry_display->selectRow(newestRow, false);

    const bool cashFlows = using_complex != 0;
    buttonPV->setEnabled(isModeKeyEnabled(ModeKey::PV, cashFlows));
    buttonFV->setEnabled(isModeKeyEnabled(ModeKey::FV, cashFlows));
    buttonFVQ->setEnabled(isModeKeyEnabled(ModeKey::FVQ, cashFlows));
    buttonPMT->setEnabled(isModeKeyEnabled(ModeKey::PMT, cashFlows));
    buttonCFY->setEnabled(isModeKeyEnabled(ModeKey::CFY, cashFlows));
    buttonNCFY->setEnabled(isModeKeyEnabled(ModeKey::NCFY, cashFlows));
    buttonY->setEnabled(isModeKeyEnabled(ModeKey::Y, cashFlows));
}

std::int32_t CalController::numberOfRowsInTableView(const TableView& /*table*/) const {
    return static_cast<std::int32_t>(irr_stack.size());
}

std::string CalController::objectValueForTableColumn(const TableView& /*table*/,
                                                     const TableColumn& column,
                                                     std::int32_t row) const {
    const std::string identifier = column.identifier();
    const bool yearColumn = identifier == "Year";
    if (!yearColumn && identifier != "Amount") {
        CAL_UNREACHABLE();
    }
    // The table asks only for rows below the count it was last given; any
    // other row has no text.
    if (row < 0 || row >= numberOfRowsInTableView(*irr_entry_display)) {
        return {};
    }
    const CashFlowEntry& entry = irr_stack[static_cast<std::size_t>(row)];
    return yearColumn ? std::to_string(entry.year()) : formatFloat(entry.amount());
}

bool CalController::passesErrorGate() {
    if (state == STATE_ERROR) {
        beep();
        return false;
    }
    return true;
}

void CalController::enterResultState() {
    state = STATE_RESULT;
    nbInteger = 0;
    nbDecimal = 0;
}

}  // namespace cambist
