#include "numeric/wide_uint.h"

#include <algorithm>
#include <bit>

namespace orvane::detail {
namespace {

constexpr std::uint64_t kBase = 1ULL << 32;

std::uint32_t low32(std::uint64_t value) {
    return static_cast<std::uint32_t>(value);
}

}  // namespace

WideUint WideUint::from96(std::uint32_t lo, std::uint32_t mid, std::uint32_t hi) {
    WideUint w;
    w.limbs_[0] = lo;
    w.limbs_[1] = mid;
    w.limbs_[2] = hi;
    w.size_ = 3;
    w.trim();
    return w;
}

WideUint WideUint::from64(std::uint64_t value) {
    WideUint w;
    w.limbs_[0] = low32(value);
    w.limbs_[1] = low32(value >> 32);
    w.size_ = 2;
    w.trim();
    return w;
}

void WideUint::trim() {
    while (size_ > 0 && limbs_[size_ - 1] == 0) {
        --size_;
    }
}

int WideUint::bit_length() const {
    if (size_ == 0) {
        return 0;
    }
    return 32 * (size_ - 1) + (32 - std::countl_zero(limbs_[size_ - 1]));
}

void WideUint::mul_small(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (int i = 0; i < size_; ++i) {
        const std::uint64_t product = std::uint64_t{limbs_[i]} * factor + carry;
        limbs_[i] = low32(product);
        carry = product >> 32;
    }
    if (carry != 0 && size_ < kLimbs) {
        limbs_[size_++] = low32(carry);
    }
    trim();
}

void WideUint::add_small(std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (int i = 0; i < size_ && carry != 0; ++i) {
        const std::uint64_t sum = std::uint64_t{limbs_[i]} + carry;
        limbs_[i] = low32(sum);
        carry = sum >> 32;
    }
    if (carry != 0 && size_ < kLimbs) {
        limbs_[size_++] = low32(carry);
    }
}

std::uint32_t WideUint::divmod_small(std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (int i = size_ - 1; i >= 0; --i) {
        const std::uint64_t part = (remainder << 32) | limbs_[i];
        limbs_[i] = low32(part / divisor);
        remainder = part % divisor;
    }
    trim();
    return low32(remainder);
}

// A constant divisor lets the compiler replace the slow hardware division by a multiplication.
template <std::uint32_t Divisor>
std::uint32_t WideUint::divmod_by() {
    std::uint64_t remainder = 0;
    for (int i = size_ - 1; i >= 0; --i) {
        const std::uint64_t part = (remainder << 32) | limbs_[i];
        limbs_[i] = low32(part / Divisor);
        remainder = part % Divisor;
    }
    trim();
    return low32(remainder);
}

std::uint32_t WideUint::divmod_pow10(int exponent) {
    switch (exponent) {
        case 1:
            return divmod_by<10U>();
        case 2:
            return divmod_by<100U>();
        case 3:
            return divmod_by<1000U>();
        case 4:
            return divmod_by<10000U>();
        case 5:
            return divmod_by<100000U>();
        case 6:
            return divmod_by<1000000U>();
        case 7:
            return divmod_by<10000000U>();
        case 8:
            return divmod_by<100000000U>();
        case 9:
            return divmod_by<1000000000U>();
        default:
            return 0;  // 10^0
    }
}

void WideUint::mul_pow10(int exponent) {
    for (; exponent >= 9; exponent -= 9) {
        mul_small(kPow10[9]);
    }
    if (exponent > 0) {
        mul_small(kPow10[exponent]);
    }
}

void WideUint::add(const WideUint& other) {
    const int n = std::max(size_, other.size_);
    std::uint64_t carry = 0;
    for (int i = 0; i < n; ++i) {
        const std::uint64_t sum = std::uint64_t{limb(i)} + other.limb(i) + carry;
        limbs_[i] = low32(sum);
        carry = sum >> 32;
    }
    size_ = n;
    if (carry != 0 && size_ < kLimbs) {
        limbs_[size_++] = low32(carry);
    }
}

void WideUint::sub(const WideUint& other) {
    std::uint64_t borrow = 0;
    for (int i = 0; i < size_; ++i) {
        const std::uint64_t diff = std::uint64_t{limbs_[i]} - other.limb(i) - borrow;
        limbs_[i] = low32(diff);
        borrow = diff >> 63;
    }
    trim();
}

void WideUint::shift_left1() {
    std::uint32_t carry = 0;
    for (int i = 0; i < size_; ++i) {
        const std::uint32_t next = limbs_[i] >> 31;
        limbs_[i] = (limbs_[i] << 1) | carry;
        carry = next;
    }
    if (carry != 0 && size_ < kLimbs) {
        limbs_[size_++] = carry;
    }
}

WideUint WideUint::mul(const WideUint& a, const WideUint& b) {
    WideUint out;
    if (a.is_zero() || b.is_zero()) {
        return out;
    }
    for (int i = 0; i < a.size_; ++i) {
        std::uint64_t carry = 0;
        for (int j = 0; j < b.size_ && i + j < kLimbs; ++j) {
            const std::uint64_t t =
                std::uint64_t{a.limbs_[i]} * b.limbs_[j] + out.limbs_[i + j] + carry;
            out.limbs_[i + j] = low32(t);
            carry = t >> 32;
        }
        if (i + b.size_ < kLimbs) {
            out.limbs_[i + b.size_] = low32(carry);
        }
    }
    out.size_ = std::min(a.size_ + b.size_, kLimbs);
    out.trim();
    return out;
}

int WideUint::compare(const WideUint& a, const WideUint& b) {
    if (a.size_ != b.size_) {
        return a.size_ < b.size_ ? -1 : 1;
    }
    for (int i = a.size_ - 1; i >= 0; --i) {
        if (a.limbs_[i] != b.limbs_[i]) {
            return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
        }
    }
    return 0;
}

// Long division in base 2^32 with normalised divisor: each quotient limb is estimated from
// the top two limbs of the running remainder and corrected at most twice.
void WideUint::divmod(const WideUint& numerator, const WideUint& divisor, WideUint& quotient,
                      WideUint& remainder) {
    const int n = divisor.size_;
    const int m = numerator.size_;
    if (m < n) {
        quotient = WideUint{};
        remainder = numerator;
        return;
    }
    if (n == 1) {
        quotient = numerator;
        remainder = from64(quotient.divmod_small(divisor.limbs_[0]));
        return;
    }

    const int shift = std::countl_zero(divisor.limbs_[n - 1]);
    const int back = 32 - shift;  // 32 when shift is 0: shifting a 64-bit value is fine
    std::array<std::uint32_t, kLimbs> v{};
    std::array<std::uint32_t, kLimbs + 1> u{};
    for (int i = n - 1; i > 0; --i) {
        v[i] = (divisor.limbs_[i] << shift) | low32(std::uint64_t{divisor.limbs_[i - 1]} >> back);
    }
    v[0] = divisor.limbs_[0] << shift;
    u[m] = low32(std::uint64_t{numerator.limbs_[m - 1]} >> back);
    for (int i = m - 1; i > 0; --i) {
        u[i] =
            (numerator.limbs_[i] << shift) | low32(std::uint64_t{numerator.limbs_[i - 1]} >> back);
    }
    u[0] = numerator.limbs_[0] << shift;

    quotient = WideUint{};
    for (int j = m - n; j >= 0; --j) {
        const std::uint64_t top = (std::uint64_t{u[j + n]} << 32) | u[j + n - 1];
        std::uint64_t qhat = top / v[n - 1];
        std::uint64_t rhat = top % v[n - 1];
        while (qhat >= kBase || qhat * v[n - 2] > ((rhat << 32) | u[j + n - 2])) {
            --qhat;
            rhat += v[n - 1];
            if (rhat >= kBase) {
                break;
            }
        }
        std::uint64_t carry = 0;
        std::uint64_t borrow = 0;
        for (int i = 0; i < n; ++i) {
            const std::uint64_t product = qhat * v[i] + carry;
            carry = product >> 32;
            const std::uint64_t diff = std::uint64_t{u[i + j]} - low32(product) - borrow;
            u[i + j] = low32(diff);
            borrow = diff >> 63;
        }
        const std::uint64_t diff = std::uint64_t{u[j + n]} - carry - borrow;
        u[j + n] = low32(diff);
        if ((diff >> 63) != 0) {
            // The estimate was one too large: add the divisor back.
            --qhat;
            std::uint64_t c = 0;
            for (int i = 0; i < n; ++i) {
                const std::uint64_t sum = std::uint64_t{u[i + j]} + v[i] + c;
                u[i + j] = low32(sum);
                c = sum >> 32;
            }
            u[j + n] = low32(std::uint64_t{u[j + n]} + c);
        }
        quotient.limbs_[j] = low32(qhat);
    }
    quotient.size_ = m - n + 1;
    quotient.trim();

    remainder = WideUint{};
    for (int i = 0; i < n; ++i) {
        remainder.limbs_[i] = (u[i] >> shift) | low32(std::uint64_t{u[i + 1]} << back);
    }
    remainder.size_ = n;
    remainder.trim();
}

}  // namespace orvane::detail
