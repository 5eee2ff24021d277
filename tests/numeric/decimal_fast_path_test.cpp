// The 128-bit paths must give exactly what the general 320-bit arithmetic gives: the same
// coefficient, scale and sign, and the same overflow. Operands are aimed at the edges of the
// fast paths: 2^32, 2^64 and 2^96, scales 0 and 28, exact halves.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "numeric/decimal.h"
#include "numeric/decimal_fast_paths.h"
#include "numeric/decimal_general.h"

namespace orvane {
namespace {

struct Coefficient {
    std::uint32_t lo = 0;
    std::uint32_t mid = 0;
    std::uint32_t hi = 0;
};

Coefficient from64(std::uint64_t v, std::uint32_t hi = 0) {
    return {static_cast<std::uint32_t>(v), static_cast<std::uint32_t>(v >> 32), hi};
}

std::uint64_t pow10(int n) {
    std::uint64_t p = 1;
    while (n-- > 0) {
        p *= 10;
    }
    return p;
}

Coefficient random_coefficient(std::mt19937_64& random) {
    auto pick = [&random](std::uint64_t n) { return random() % n; };
    const std::uint64_t near = pick(2000);
    switch (pick(12)) {
        case 0:
            return from64(pick(1000));
        case 1:
            return from64(random());
        case 2:  // just below and above 2^64
            return near < 1000 ? from64(~std::uint64_t{0} - near) : from64(near - 1000, 1);
        case 3:  // just below 2^96
            return {static_cast<std::uint32_t>(~near), ~0U, ~0U};
        case 4:
            return {static_cast<std::uint32_t>(random()), static_cast<std::uint32_t>(random()),
                    static_cast<std::uint32_t>(random())};
        case 5: {  // powers of ten and halves of them: ties when digits are dropped
            const int n = static_cast<int>(pick(20));
            return from64(pow10(n) * (pick(2) == 0 ? 1 : 5) + (pick(3) == 0 ? near : 0));
        }
        case 6:  // around 2^32
            return from64((std::uint64_t{1} << 32) + near - 1000);
        case 7:  // 64-bit values whose products and quotients run close to 2^96
            return from64((~std::uint64_t{0} >> pick(40)) - near);
        case 8:  // 79228162514264337593543950335 with a few digits dropped
            return from64(7922816251426433759ULL / pow10(static_cast<int>(pick(19))) + near % 3);
        case 9:  // ends in 5 or 50..0: an exact half after rounding
            return from64(pick(1000000000ULL) * 10 * pow10(static_cast<int>(pick(8))) +
                          5 * pow10(static_cast<int>(pick(8))));
        case 10:  // the everyday operands of a calculator
            return from64(1 + pick(999999999));
        default:
            return from64(pick(std::uint64_t{1} << (1 + pick(63))));
    }
}

int random_scale(std::mt19937_64& random) {
    switch (random() % 5) {
        case 0:
            return 0;
        case 1:
            return 28;
        case 2:
            return static_cast<int>(random() % 6);
        default:
            return static_cast<int>(random() % 29);
    }
}

Decimal random_decimal(std::mt19937_64& random) {
    const Coefficient c = random_coefficient(random);
    return Decimal::from_parts(c.lo, c.mid, c.hi, random() % 2 == 0, random_scale(random));
}

std::string describe(const Decimal& d) {
    return d.text() + " (scale " + std::to_string(d.scale()) + ")";
}

// Same status, and for ok the same coefficient, scale and sign.
testing::AssertionResult same(const DecimalResult& got, const DecimalResult& want) {
    if (got.status != want.status) {
        return testing::AssertionFailure()
               << "status " << outcome_text(got) << " instead of " << outcome_text(want);
    }
    if (got.ok() && (got.value.lo() != want.value.lo() || got.value.mid() != want.value.mid() ||
                     got.value.hi() != want.value.hi() || got.value.scale() != want.value.scale() ||
                     got.value.is_negative() != want.value.is_negative())) {
        return testing::AssertionFailure()
               << describe(got.value) << " instead of " << describe(want.value);
    }
    return testing::AssertionSuccess();
}

struct Operation {
    const char* name;
    std::optional<DecimalResult> (*fast_op)(const Decimal&, const Decimal&);
    DecimalResult (*general_op)(const Decimal&, const Decimal&);
};

const Operation kOperations[] = {
    {"add", [](const Decimal& a, const Decimal& b) { return detail::fast_add(a, b, false); },
     [](const Decimal& a, const Decimal& b) { return detail::general_add(a, b, false); }},
    {"sub", [](const Decimal& a, const Decimal& b) { return detail::fast_add(a, b, true); },
     [](const Decimal& a, const Decimal& b) { return detail::general_add(a, b, true); }},
    {"mul", &detail::fast_multiply, &detail::general_multiply},
    {"div", &detail::fast_divide, &detail::general_divide},
};

void PrintTo(const Operation& op, std::ostream* os) {
    *os << op.name;
}

class FastPathTest : public testing::TestWithParam<Operation> {
  protected:
    // Compares the two paths where the fast one answers; counts how often it did.
    void check(const Decimal& a, const Decimal& b) {
        const Operation& op = GetParam();
        if (std::string(op.name) == "div" && (a.is_zero() || b.is_zero())) {
            return;  // answered before either path
        }
        const auto fast = op.fast_op(a, b);
        if (fast) {
            ++answered_;
            overflowed_ += fast->status == DecimalStatus::overflow ? 1 : 0;
            EXPECT_TRUE(same(*fast, op.general_op(a, b)))
                << describe(a) << " " << op.name << " " << describe(b);
        }
    }
    int answered_ = 0;
    int overflowed_ = 0;
};

TEST_P(FastPathTest, GivesWhatTheGeneralPathGivesOnEdgeOperands) {
    const Decimal max = Decimal::from_parts(~0U, ~0U, ~0U, false, 0);
    const Decimal two_to_64 = Decimal::from_parts(0, 0, 1, false, 0);
    const Decimal below_64 = Decimal::from_parts(~0U, ~0U, 0, true, 0);
    const Decimal one_at_28 = Decimal::from_parts(1, 0, 0, false, 28);
    const Decimal half = Decimal::from_parts(5, 0, 0, false, 1);
    const Decimal three = Decimal::from_int(3);
    const Decimal seven_at_28 = Decimal::from_parts(7, 0, 0, true, 28);
    const Decimal big_19 = Decimal::from_parts(0x89e7ffff, 0x8ac72304, 0, false, 19);
    const Decimal cases[] = {max,   two_to_64,   below_64, one_at_28, half,
                             three, seven_at_28, big_19,   Decimal{}, Decimal::from_int(-1)};
    for (const Decimal& a : cases) {
        for (const Decimal& b : cases) {
            check(a, b);
        }
    }
    EXPECT_GT(answered_, 20);
}

TEST_P(FastPathTest, GivesWhatTheGeneralPathGivesOnRandomOperands) {
    std::mt19937_64 random(std::hash<std::string>{}(GetParam().name));
    constexpr int kCases = 300000;
    for (int i = 0; i < kCases && !HasFailure(); ++i) {
        check(random_decimal(random), random_decimal(random));
    }
    // The operands must really exercise the fast path, its overflow included.
    EXPECT_GT(answered_, kCases / 3);
    if (std::string(GetParam().name) != "div") {
        EXPECT_GT(overflowed_, 100);
    }
}

INSTANTIATE_TEST_SUITE_P(Operations, FastPathTest, testing::ValuesIn(kOperations),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvane
