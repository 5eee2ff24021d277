#include "mortgage/schedule_csv.h"

namespace orvane::mortgage {
namespace {

const char* scheme_label(Scheme scheme, CsvStyle style) {
    if (style == CsvStyle::terminal) {
        return scheme == Scheme::equal_instalment ? "equal_instalment" : "equal_principal";
    }
    return scheme == Scheme::equal_instalment ? "等额本息" : "等额本金";
}

}  // namespace

std::string schedule_csv(const std::vector<Plan>& plans, CsvStyle style) {
    const bool terminal = style == CsvStyle::terminal;
    const char* const line_end = terminal ? "\n" : "\r\n";
    std::string csv = terminal ? "scheme,month,payment,principal,interest,balance"
                               : "\xEF\xBB\xBF还款方式,期数,月供,本金,利息,剩余本金";
    csv += line_end;
    for (const auto& plan : plans) {
        const char* const label = scheme_label(plan.scheme, style);
        for (const auto& row : plan.rows) {
            csv += label;
            csv += ',' + std::to_string(row.month) + ',' + cents_text(row.payment) + ',' +
                   cents_text(row.principal) + ',' + cents_text(row.interest) + ',' +
                   cents_text(row.balance) + line_end;
        }
    }
    return csv;
}

}  // namespace orvane::mortgage
