// One arithmetic exercise: two or three non-negative integers joined by one or two operations,
// optionally with one pair of brackets, and the value of the whole expression.
//
// A two-argument exercise is stored with a = 0 and op1 = kOpNone and reads "b op2 c".
// Evaluate() checks the exercise against the two number ranges the user chose; a broken rule
// is recorded in `invalid`, never raised.
#pragma once

#include <cstdint>
#include <type_traits>

namespace dudedur {

// Operation codes.
inline constexpr int32_t kOpNone = 0;  // the step yields its right operand unchanged
inline constexpr int32_t kOpAdd = 1;
inline constexpr int32_t kOpSub = 2;
inline constexpr int32_t kOpMul = 3;
inline constexpr int32_t kOpDiv = 4;

// Bracket modes.
inline constexpr int32_t kBracketsNone = 0;   // a op1 b op2 c, usual precedence
inline constexpr int32_t kBracketsLeft = 1;   // (a op1 b) op2 c
inline constexpr int32_t kBracketsRight = 2;  // a op1 (b op2 c)

// Factors, divisors and quotients never exceed this, whatever the multiplication range.
inline constexpr int32_t kMultiplicativeLimit = 10;

inline constexpr bool IsMultiplicative(int32_t op) { return op == kOpMul || op == kOpDiv; }

class DudedurZadanie {
  public:
    int32_t a = 0;
    int32_t b = 0;
    int32_t c = 0;
    int32_t op1 = kOpAdd;
    int32_t op2 = kOpAdd;
    int32_t bracketMode = kBracketsNone;
    int32_t result = 0;
    bool invalid = false;

    // True when "a op1 b" is computed first, false when "b op2 c" is.
    constexpr bool LeftFirst() const {
        if (bracketMode == kBracketsLeft) return true;
        if (bracketMode == kBracketsRight) return false;
        return !(IsMultiplicative(op2) && !IsMultiplicative(op1));
    }

    // Computes `result` and sets `invalid` when any step breaks a rule. Both steps always run.
    constexpr void Evaluate(int32_t addRange, int32_t mulRange) {
        invalid = false;
        if (LeftFirst()) {
            const int32_t t = Apply(a, b, op1, addRange, mulRange);
            result = Apply(t, c, op2, addRange, mulRange);
        } else {
            const int32_t t = Apply(b, c, op2, addRange, mulRange);
            result = Apply(a, t, op1, addRange, mulRange);
        }
    }

    // One step "x op y". Sets `invalid` when the step breaks a rule; never clears it.
    constexpr int32_t Apply(int32_t x, int32_t y, int32_t op, int32_t addRange, int32_t mulRange) {
        switch (op) {
            case kOpAdd: {
                const int64_t sum = int64_t{x} + y;
                if (sum > addRange || x > addRange || y > addRange) invalid = true;
                return static_cast<int32_t>(sum);
            }
            case kOpSub: {
                const int64_t difference = int64_t{x} - y;
                if (difference < 0 || difference > addRange || x > addRange || y > addRange)
                    invalid = true;
                return static_cast<int32_t>(difference);
            }
            case kOpMul: {
                const int64_t product = int64_t{x} * y;
                if (product > mulRange || x > kMultiplicativeLimit || y > kMultiplicativeLimit)
                    invalid = true;
                return static_cast<int32_t>(product);
            }
            case kOpDiv: {
                if (y == 0 || y > kMultiplicativeLimit || y == 1 || x > mulRange || y > mulRange) {
                    invalid = true;
                    return 0;
                }
                // 64-bit, so that INT32_MIN / -1 of a hand-made record stays defined.
                const int64_t quotient = int64_t{x} / y;
                if (int64_t{x} % y != 0 || quotient > kMultiplicativeLimit) invalid = true;
                return static_cast<int32_t>(quotient);
            }
            default:
                return y;
        }
    }
};

// A plain 32-byte value: the catalogue holds millions of them.
static_assert(sizeof(DudedurZadanie) == 32);
static_assert(std::is_trivially_copyable_v<DudedurZadanie>);

}  // namespace dudedur
