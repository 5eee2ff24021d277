// Randomised checks of the arithmetic against exact digit-string arithmetic.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

#include "numeric/decimal.h"
#include "numeric/wide_uint.h"
#include "reference_arithmetic.h"

namespace orvane {
namespace {

namespace ref = reference;

// Coefficients of many shapes: short, long, near the top of the range, and made of 0, 5 and 9
// so that ties and carries come up often.
std::string random_coefficient(std::mt19937_64& random) {
    auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::string digits;
    switch (pick(9)) {
        case 0:
            digits = std::to_string(pick(1000));
            break;
        case 1:
            for (int n = 1 + pick(29); n > 0; --n) {
                digits.push_back(static_cast<char>('0' + pick(10)));
            }
            break;
        case 2:
            for (int n = 1 + pick(29); n > 0; --n) {
                digits.push_back("059"[pick(3)]);
            }
            break;
        case 3:
            digits = ref::sub(ref::kMax, std::to_string(pick(1000000)));
            break;
        case 4:
            digits = std::string(1, "15"[pick(2)]) +
                     std::string(static_cast<std::size_t>(pick(28)), '0');
            break;
        case 6:  // around 2^64, where the coefficients stop fitting one 64-bit word
            digits = ref::add("18446744073709551516", std::to_string(pick(200)));
            break;
        case 7:  // just under 2^96, and the same with a digit dropped
            digits = ref::sub(
                pick(2) == 0 ? "79228162514264337593543950336" : "7922816251426433759354395034",
                std::to_string(1 + pick(100)));
            break;
        case 8:  // a half at some digit: ties once digits are dropped
            digits = std::to_string(1 + pick(99999)) + "5" +
                     std::string(static_cast<std::size_t>(pick(20)), '0');
            break;
        default:
            digits = std::to_string(random() % 10000000000ULL);
            break;
    }
    digits = ref::trimmed(digits);
    if (ref::compare(digits, ref::kMax) > 0) {
        digits[0] = static_cast<char>('1' + pick(6));  // 1..6: below 7.9e28 whatever follows
    }
    return digits;
}

struct Operand {
    ref::Value exact;
    Decimal value;
};

Operand random_operand(std::mt19937_64& random) {
    ref::Value v;
    v.digits = random_coefficient(random);
    v.scale = random() % 4 == 0 ? 0 : static_cast<int>(random() % 29);
    v.negative = random() % 2 == 0 && v.digits != "0";
    const std::string text = ref::text(v);
    const auto parsed = Decimal::parse(text);
    EXPECT_TRUE(parsed) << text;
    EXPECT_EQ(parsed ? parsed->text() : "", text) << "text does not round-trip";
    return {v, parsed.value_or(Decimal{})};
}

std::string expected(const std::optional<ref::Value>& v) {
    return v ? ref::text(*v) : "overflow";
}

struct PropertyCase {
    const char* name;
    int cases;
    std::string (*actual)(const Decimal&, const Decimal&);
    std::string (*reference)(const ref::Value&, const ref::Value&);
};

const PropertyCase kProperties[] = {
    {"add", 8000, [](const Decimal& a, const Decimal& b) { return outcome_text(add(a, b)); },
     [](const ref::Value& a, const ref::Value& b) {
         return expected(ref::add_values(a, b, false));
     }},
    {"sub", 8000, [](const Decimal& a, const Decimal& b) { return outcome_text(subtract(a, b)); },
     [](const ref::Value& a, const ref::Value& b) {
         return expected(ref::add_values(a, b, true));
     }},
    {"mul", 8000, [](const Decimal& a, const Decimal& b) { return outcome_text(multiply(a, b)); },
     [](const ref::Value& a, const ref::Value& b) { return expected(ref::mul_values(a, b)); }},
    {"div", 4000, [](const Decimal& a, const Decimal& b) { return outcome_text(divide(a, b)); },
     [](const ref::Value& a, const ref::Value& b) {
         return b.digits == "0" ? std::string("divide-by-zero") : expected(ref::div_values(a, b));
     }},
};

void PrintTo(const PropertyCase& c, std::ostream* os) {
    *os << c.name;
}

class PropertyTest : public testing::TestWithParam<PropertyCase> {};

TEST_P(PropertyTest, MatchesExactArithmeticRoundedHalfToEven) {
    const PropertyCase& p = GetParam();
    std::mt19937_64 random(std::hash<std::string>{}(p.name));
    int failures = 0;
    for (int i = 0; i < p.cases && failures < 10; ++i) {
        const Operand a = random_operand(random);
        const Operand b = random_operand(random);
        const std::string want = p.reference(a.exact, b.exact);
        const std::string got = p.actual(a.value, b.value);
        EXPECT_EQ(got, want) << ref::text(a.exact) << " " << p.name << " " << ref::text(b.exact);
        failures += got != want ? 1 : 0;
    }
}

INSTANTIATE_TEST_SUITE_P(Operations, PropertyTest, testing::ValuesIn(kProperties),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DecimalProperties, ExactSumsUndoAndProductsDivideBack) {
    std::mt19937_64 random(7);
    int exact_sums = 0;
    int exact_products = 0;
    for (int i = 0; i < 3000; ++i) {
        const Operand a = random_operand(random);
        const Operand b = random_operand(random);
        const DecimalResult sum = add(a.value, b.value);
        // A sum that kept every digit subtracts back to the first operand.
        const auto exact = ref::add_values(a.exact, b.exact, false);
        if (sum.ok() && exact && std::max(a.exact.scale, b.exact.scale) == exact->scale) {
            const DecimalResult back = subtract(sum.value, b.value);
            ASSERT_TRUE(back.ok());
            EXPECT_EQ(back.value, a.value) << ref::text(a.exact) << " + " << ref::text(b.exact);
            ++exact_sums;
        }
        // A product that kept every digit divides back exactly.
        const DecimalResult product = multiply(a.value, b.value);
        if (product.ok() && !b.value.is_zero() &&
            product.value.scale() == a.value.scale() + b.value.scale()) {
            const DecimalResult back = divide(product.value, b.value);
            ASSERT_TRUE(back.ok());
            EXPECT_EQ(back.value, a.value) << ref::text(a.exact) << " * " << ref::text(b.exact);
            ++exact_products;
        }
    }
    EXPECT_GT(exact_sums, 100);
    EXPECT_GT(exact_products, 100);
}

// The decimal text of a wide integer, through the reference arithmetic.
std::string wide_text(const detail::WideUint& w) {
    std::string out = "0";
    for (int i = w.size() - 1; i >= 0; --i) {
        out = ref::add(ref::mul(out, "4294967296"), std::to_string(w.limb(i)));
    }
    return out;
}

detail::WideUint wide_of(const std::vector<std::uint32_t>& limbs_high_first) {
    detail::WideUint w;
    for (const std::uint32_t limb : limbs_high_first) {
        w.mul_small(65536);
        w.mul_small(65536);
        w.add_small(limb);
    }
    return w;
}

TEST(WideUintDivision, QuotientTimesDivisorPlusRemainderGivesBackTheDividend) {
    std::mt19937_64 random(11);
    std::vector<std::pair<std::vector<std::uint32_t>, std::vector<std::uint32_t>>> cases = {
        // Estimates that must be corrected, including the rare add-back step.
        {{0x7fffffff, 0x80000000, 0, 0}, {0x80000000, 0, 1}},
        {{0x00008000, 0x0000fffe, 0}, {0x00008000, 0, 0x0000ffff}},
        {{0x80000000, 0, 0, 0}, {0x80000000, 0xffffffff}},
        {{0xffffffff, 0xffffffff, 0xffffffff}, {0xffffffff, 0xffffffff}},
        {{1, 0, 0, 0, 0}, {0xffffffff, 0xffffffff, 0xffffffff}},
        {{5}, {7, 0}},
    };
    for (int i = 0; i < 3000; ++i) {
        std::vector<std::uint32_t> n(1 + random() % 9);
        std::vector<std::uint32_t> d(1 + random() % 6);
        for (auto& limb : n) {
            limb = random() % 3 == 0 ? (random() % 2 ? 0xffffffffU : 0U)
                                     : static_cast<std::uint32_t>(random());
        }
        for (auto& limb : d) {
            limb = random() % 3 == 0 ? (random() % 2 ? 0xffffffffU : 0x80000000U)
                                     : static_cast<std::uint32_t>(random());
        }
        d[0] |= 1U;  // never zero
        cases.emplace_back(n, d);
    }
    for (const auto& [n_limbs, d_limbs] : cases) {
        const detail::WideUint n = wide_of(n_limbs);
        const detail::WideUint d = wide_of(d_limbs);
        detail::WideUint q;
        detail::WideUint r;
        detail::WideUint::divmod(n, d, q, r);
        const std::string ns = wide_text(n);
        const std::string ds = wide_text(d);
        const std::string rs = wide_text(r);
        EXPECT_EQ(ref::add(ref::mul(wide_text(q), ds), rs), ns) << ns << " / " << ds;
        EXPECT_LT(ref::compare(rs, ds), 0) << ns << " / " << ds;
    }
}

}  // namespace
}  // namespace orvane
