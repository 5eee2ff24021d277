#include "mortgage/schedule_csv.h"

namespace orvane::mortgage {
namespace {

const char* scheme_label(Scheme scheme, CsvStyle style) {
    if (style == CsvStyle::terminal) {
        return scheme == Scheme::equal_instalment ? "equal_instalment" : "equal_principal";
    }
    return scheme == Scheme::equal_instalment ? "等额本息" : "等额本金";
}

std::string part_header(LoanKind kind, CsvStyle style) {
    if (style == CsvStyle::terminal) {
        const std::string name = kind == LoanKind::fund ? "fund" : "commercial";
        return "," + name + "_payment," + name + "_principal," + name + "_interest," + name +
               "_balance";
    }
    const std::string name = kind == LoanKind::fund ? "公积金" : "商业";
    return "," + name + "月供," + name + "本金," + name + "利息," + name + "剩余本金";
}

std::string money_columns(const ScheduleRow& row) {
    return ',' + cents_text(row.payment) + ',' + cents_text(row.principal) + ',' +
           cents_text(row.interest) + ',' + cents_text(row.balance);
}

}  // namespace

std::string schedule_csv(const std::vector<Plan>& plans, CsvStyle style) {
    std::vector<LoanPlan> loans;
    for (const auto& plan : plans) {
        loans.push_back({plan, {}});
    }
    return loan_schedule_csv(loans, style);
}

std::string loan_schedule_csv(const std::vector<LoanPlan>& plans, CsvStyle style) {
    const bool terminal = style == CsvStyle::terminal;
    const char* const line_end = terminal ? "\n" : "\r\n";
    std::string csv = terminal ? "scheme,month,payment,principal,interest,balance"
                               : "\xEF\xBB\xBF还款方式,期数,月供,本金,利息,剩余本金";
    const bool with_parts = !plans.empty() && plans.front().parts.size() > 1;
    if (with_parts) {
        for (const auto& part : plans.front().parts) {
            csv += part_header(part.kind, style);
        }
    }
    csv += line_end;
    for (const auto& loan : plans) {
        const char* const label = scheme_label(loan.total.scheme, style);
        for (std::size_t i = 0; i < loan.total.rows.size(); ++i) {
            const ScheduleRow& row = loan.total.rows[i];
            csv += label;
            csv += ',' + std::to_string(row.month) + money_columns(row);
            for (std::size_t p = 0; with_parts && p < loan.parts.size(); ++p) {
                const auto& rows = loan.parts[p].plan.rows;
                csv += money_columns(i < rows.size() ? rows[i] : ScheduleRow{});
            }
            csv += line_end;
        }
    }
    return csv;
}

}  // namespace orvane::mortgage
