// The 96-bit scaled decimal number: sign, unsigned 96-bit coefficient, scale 0..28.
// value = (negative ? -1 : 1) * coefficient / 10^scale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

class Decimal {
  public:
    static constexpr int kMaxScale = 28;

    constexpr Decimal() = default;  // zero

    // Text to decimal: optional leading "-", digits, at most one "." (digits on either side
    // may be missing, "5." and "." -> see below), surrounding spaces ignored. More digits
    // than fit are rounded half to even. Returns nullopt for a text that is not a number
    // (empty, "-", ".", "-.", letters, two points) and for a magnitude beyond the range.
    [[nodiscard]] static std::optional<Decimal> parse(std::string_view text);

    // A binary double at 15 significant digits; more than 28 decimals are rounded at 28.
    // nullopt for NaN, infinity and magnitudes beyond the range.
    [[nodiscard]] static std::optional<Decimal> from_double(double value);

    static Decimal from_int(std::int64_t value);

    // Plain notation, "-" for negatives, "0" before a leading point, no trailing zeros,
    // no point without a fraction; zero is "0" whatever its sign or scale.
    std::string text() const;

    bool is_zero() const { return lo_ == 0 && mid_ == 0 && hi_ == 0; }
    bool is_negative() const { return negative_ && !is_zero(); }
    int scale() const { return scale_; }
    double to_double() const;

    // Exact value comparison (1.0 == 1).
    friend bool operator==(const Decimal& a, const Decimal& b);

    // Raw parts, for the arithmetic and for tests.
    std::uint32_t lo() const { return lo_; }
    std::uint32_t mid() const { return mid_; }
    std::uint32_t hi() const { return hi_; }
    static Decimal from_parts(std::uint32_t lo, std::uint32_t mid, std::uint32_t hi, bool negative,
                              int scale);

  private:
    std::uint32_t lo_ = 0;
    std::uint32_t mid_ = 0;
    std::uint32_t hi_ = 0;
    std::uint8_t scale_ = 0;
    bool negative_ = false;
};

enum class DecimalStatus { ok, overflow, divide_by_zero };

struct [[nodiscard]] DecimalResult {
    Decimal value;
    DecimalStatus status = DecimalStatus::ok;
    bool ok() const { return status == DecimalStatus::ok; }
};

// A result as one word or number: its text(), or "overflow" / "divide-by-zero".
std::string outcome_text(const DecimalResult& result);

// Exact when the exact result fits; otherwise as many fractional digits as fit, rounded
// to nearest with ties to even. Results beyond 79228162514264337593543950335 are overflow.
DecimalResult add(const Decimal& a, const Decimal& b);
DecimalResult subtract(const Decimal& a, const Decimal& b);
DecimalResult multiply(const Decimal& a, const Decimal& b);
// A quotient is carried to as many digits as fit, at most 28 after the point:
// 1/3 = 0.3333333333333333333333333333, 2/3 = 0.6666666666666666666666666667.
DecimalResult divide(const Decimal& a, const Decimal& b);

// Rounded to `decimals` (0..28) places, ties to even; never fails.
[[nodiscard]] Decimal round(const Decimal& value, int decimals);

// Rounded to a whole number with ties to even; nullopt beyond the signed 32-bit range.
[[nodiscard]] std::optional<std::int32_t> to_int32(const Decimal& value);

}  // namespace orvane
