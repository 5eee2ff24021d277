// A fixed-capacity unsigned integer of up to 320 bits in 32-bit limbs, the scratch space of
// the decimal arithmetic: aligned sums, full products and scaled dividends all fit in it.
#pragma once

#include <array>
#include <cstdint>

namespace orvane::detail {

class WideUint {
  public:
    static constexpr int kLimbs = 10;

    constexpr WideUint() = default;
    static WideUint from96(std::uint32_t lo, std::uint32_t mid, std::uint32_t hi);
    static WideUint from64(std::uint64_t value);

    bool is_zero() const { return size_ == 0; }
    bool is_odd() const { return size_ > 0 && (limbs_[0] & 1U) != 0; }
    bool fits96() const { return size_ <= 3; }
    int size() const { return size_; }
    int bit_length() const;
    std::uint32_t limb(int index) const { return index < size_ ? limbs_[index] : 0; }

    // In-place operations; the caller keeps results within the capacity.
    void mul_small(std::uint32_t factor);
    void add_small(std::uint32_t addend);
    std::uint32_t divmod_small(std::uint32_t divisor);  // returns the remainder
    std::uint32_t divmod_pow10(int exponent);           // by 10^exponent, 0..9; the remainder
    void mul_pow10(int exponent);
    void add(const WideUint& other);
    void sub(const WideUint& other);  // requires *this >= other
    void shift_left1();

    static WideUint mul(const WideUint& a, const WideUint& b);
    static int compare(const WideUint& a, const WideUint& b);
    // quotient = numerator / divisor, remainder = numerator % divisor; divisor must not be 0.
    static void divmod(const WideUint& numerator, const WideUint& divisor, WideUint& quotient,
                       WideUint& remainder);

  private:
    void trim();
    template <std::uint32_t Divisor>
    std::uint32_t divmod_by();

    std::array<std::uint32_t, kLimbs> limbs_{};
    int size_ = 0;  // limbs in use; the top one is nonzero
};

// 10^n for n = 0..9.
inline constexpr std::array<std::uint32_t, 10> kPow10 = {
    1U, 10U, 100U, 1000U, 10000U, 100000U, 1000000U, 10000000U, 100000000U, 1000000000U};

}  // namespace orvane::detail
