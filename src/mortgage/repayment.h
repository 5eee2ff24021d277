// The repayment computation of the mortgage calculator: five input texts in, either the first
// validation failure or the four result texts out. No window code here.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orvane::mortgage {

// The two float directions of the direction list; its first item is the empty text.
inline constexpr std::string_view kRaise = "上浮";
inline constexpr std::string_view kLower = "下浮";

// The items of the term list, "5" to "30" (whole years).
std::vector<std::string> term_items();

// The texts exactly as the window's controls hold them.
struct RepaymentInput {
    std::string years;          // Combo_Years: "" or one of term_items()
    std::string base_rate;      // T_lilv: annual rate in percent
    std::string direction;      // Combo_Youhui: "", kRaise or kLower
    std::string float_percent;  // T_Fudong: read only when a direction is chosen
    std::string amount;         // T_Cash: loan amount in units of 10,000 yuan
};

enum class Icon { exclamation, critical };

// The input control that receives the focus after a failure's message box.
enum class Field {
    unchanged,
    years,
    base_rate,
    rate_float,
    amount,
    lpr,
    basis_points,
    fund_rate,
    fund_lpr,
    fund_basis_points,
    fund_amount,
    price,
    down_percent,
};

struct ValidationFailure {
    std::string message;  // line breaks are CR LF pairs
    std::string title;
    Icon icon = Icon::exclamation;
    Field focus = Field::unchanged;

    bool operator==(const ValidationFailure&) const = default;
};

// The captions of L_YG1, L_LX1, L_YG2 and L_LX2.
struct RepaymentResults {
    std::string instalment_payment;   // equal instalments: monthly payment
    std::string instalment_interest;  // equal instalments: total interest
    std::string principal_payment;    // equal principal: first month's payment
    std::string principal_interest;   // equal principal: total interest

    bool operator==(const RepaymentResults&) const = default;
};

using RepaymentOutcome = std::variant<ValidationFailure, RepaymentResults>;

// Shown in a result caption instead of a number that overflowed or is undefined.
inline constexpr std::string_view kNotComputable = "无法计算";

[[nodiscard]] RepaymentOutcome compute_repayment(const RepaymentInput& input);

// The four captions of `principal` yuan over `years` at `monthly_rate`, both schemes.
[[nodiscard]] RepaymentResults repayment_figures(double principal, double monthly_rate, int years);

}  // namespace orvane::mortgage
