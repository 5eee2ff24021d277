// The plans of both schemes as CSV: the terminal's form (English header, LF) and the form
// saved for spreadsheet programs (Chinese header, byte-order mark, CR LF).
#pragma once

#include <string>
#include <vector>

#include "mortgage/loan_plan.h"
#include "mortgage/schedule.h"

namespace orvane::mortgage {

enum class CsvStyle { terminal, spreadsheet };

// A header line, then every row of each plan in the order given; money with two decimals and
// no separators.
[[nodiscard]] std::string schedule_csv(const std::vector<Plan>& plans, CsvStyle style);

// The same for loans: a one-part loan exactly as above; a loan of several parts adds, after
// the sums, each part's payment, principal, interest and balance in the order of its parts
// (0.00 once a part is repaid).
[[nodiscard]] std::string loan_schedule_csv(const std::vector<LoanPlan>& plans, CsvStyle style);

}  // namespace orvane::mortgage
