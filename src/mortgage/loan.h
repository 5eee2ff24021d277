// A loan as banks write it today: the rate either as a base rate raised or lowered by a
// percentage or as the LPR plus basis points; a commercial loan, a provident-fund loan or a
// combined loan of both; the amount typed or worked out from the house price and the down
// payment. No window code here.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "mortgage/repayment.h"

namespace orvane::mortgage {

enum class RateForm { base_float, lpr };
enum class LoanKind { commercial, fund, combined };

// Basis points added to the LPR: whole numbers in this range, negative allowed.
inline constexpr int kLowestBasisPoints = -1000;
inline constexpr int kHighestBasisPoints = 1000;

// The texts of one rate, as typed.
struct RateTexts {
    RateForm form = RateForm::base_float;
    std::string base_rate;      // %/年
    std::string direction;      // "", kRaise or kLower
    std::string float_percent;  // read only with a direction
    std::string lpr;            // %/年
    std::string basis_points;   // 加点: whole basis points, 1 bp = 0.01 %
};

struct LoanInput {
    std::string years;
    LoanKind kind = LoanKind::commercial;
    // The loan's rate; of a combined loan, the commercial part's.
    RateTexts rate;
    // The whole loan in units of 10,000 yuan; a combined loan's commercial part is what the
    // provident-fund part leaves of it. Not read when the loan comes from the house price.
    std::string amount;
    // A combined loan's provident-fund part: its rate and its amount (10,000 yuan).
    RateTexts fund_rate;
    std::string fund_amount;
    // With a price, the loan is the house price (10,000 yuan) less the down payment (% of it).
    bool from_price = false;
    std::string price;
    std::string down_percent;
};

// The classic window's five texts as a loan: a commercial loan with the base-rate form.
[[nodiscard]] LoanInput loan_input(const RepaymentInput& input);

// One part of a loan: what it is, the working values its figures came from, the figures.
struct LoanPart {
    LoanKind kind = LoanKind::commercial;  // commercial or fund
    double principal = 0;                  // yuan
    double monthly_rate = 0;
    RepaymentResults results;
};

struct LoanResults {
    // The four captions of the loan; of a combined loan, the sum of its parts' captions, so
    // that the parts' cents add up to the sum's.
    RepaymentResults total;
    int years = 0;
    // One part, or for a combined loan the provident-fund part, then the commercial part.
    std::vector<LoanPart> parts;
    // With a house price: the loan and the down payment in yuan, as result texts.
    std::optional<std::string> loan_amount;
    std::optional<std::string> down_payment;
};

using LoanOutcome = std::variant<ValidationFailure, LoanResults>;

// Checks the inputs in reading order (term; the rate; the amount or the price and the down
// payment; the provident-fund part) and stops at the first problem.
[[nodiscard]] LoanOutcome compute_loan(const LoanInput& input);

// The sum of two result captions, or kNotComputable when either is not a number.
[[nodiscard]] std::string caption_sum(const std::string& a, const std::string& b);

}  // namespace orvane::mortgage
