#include "model/sweep.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <span>

namespace dudedur {

std::vector<OperType> BuildOperationPairs(const GenerationOptions& options) {
    std::vector<OperType> pairs;
    if (!options.threeArguments) {
        if (options.subtraction) pairs.push_back({kOpNone, kOpSub});
        if (options.addition) pairs.push_back({kOpNone, kOpAdd});
        if (options.multiplication) pairs.push_back({kOpNone, kOpMul});
        if (options.division) pairs.push_back({kOpNone, kOpDiv});
        return pairs;
    }
    const bool chosen[5] = {false, options.addition, options.subtraction, options.multiplication,
                            options.division};
    for (int32_t op = kOpAdd; op <= kOpDiv; ++op) {
        if (chosen[op]) pairs.push_back({op, op});
    }
    for (int32_t first = kOpAdd; first <= kOpDiv; ++first) {
        for (int32_t second = first + 1; second <= kOpDiv; ++second) {
            if (chosen[first] && chosen[second]) {
                pairs.push_back({first, second});
                pairs.push_back({second, first});
            }
        }
    }
    return pairs;
}

namespace {

// An inclusive interval of candidate values; empty when lo > hi. 64-bit, so that bounds derived
// from ranges near the 32-bit limits cannot overflow.
struct Interval {
    int64_t lo;
    int64_t hi;
};

constexpr int64_t kUnbounded = int64_t{1} << 40;
constexpr Interval kAnything{-kUnbounded, kUnbounded};
constexpr Interval kNothing{1, 0};

// The values that a step may take as its left operand x.
Interval LeftOperands(int32_t op, int32_t addRange, int32_t mulRange) {
    switch (op) {
        case kOpAdd:
        case kOpSub:
            return {-kUnbounded, addRange};
        case kOpMul:
            return {-kUnbounded, kMultiplicativeLimit};
        case kOpDiv:
            return {-kUnbounded, mulRange};
        default:
            return kAnything;
    }
}

// A superset of the right operands y for which the step "x op y" is valid. Every candidate found
// through these intervals is still evaluated with the full rules; the intervals only skip
// candidates that are certain to fail.
Interval RightOperands(int32_t op, int64_t x, int32_t addRange, int32_t mulRange) {
    switch (op) {
        case kOpAdd:
            if (x > addRange) return kNothing;
            return {-kUnbounded, std::min<int64_t>(addRange, addRange - x)};
        case kOpSub:
            if (x > addRange) return kNothing;
            return {x - addRange, std::min<int64_t>(x, addRange)};
        case kOpMul:
            if (x > kMultiplicativeLimit || mulRange < 0) return kNothing;
            if (x > 0) return {-kUnbounded, std::min<int64_t>(kMultiplicativeLimit, mulRange / x)};
            return {-kUnbounded, kMultiplicativeLimit};
        case kOpDiv:
            if (x > mulRange) return kNothing;
            return {2, std::min<int64_t>(kMultiplicativeLimit, mulRange)};
        default:
            return kAnything;
    }
}

Interval Intersect(Interval x, Interval y) { return {std::max(x.lo, y.lo), std::min(x.hi, y.hi)}; }

// Division rounding down and up, for a positive divisor.
int64_t FloorDiv(int64_t x, int64_t y) { return x >= 0 ? x / y : -((-x + y - 1) / y); }
int64_t CeilDiv(int64_t x, int64_t y) { return x >= 0 ? (x + y - 1) / y : -(-x / y); }

// The candidates of one bracket mode for a fixed first argument and pair. The rules bound b and,
// once b is fixed, c; where both steps are additions, subtractions or multiplications with a
// known left operand the bound on c is exact, so every candidate in it is valid and its result
// is plain arithmetic. Elsewhere (divisions) the bound is a superset and each candidate is
// evaluated with the full rules.
class ModeSweep {
  public:
    ModeSweep() = default;
    ModeSweep(int32_t a, OperType pair, int32_t bracketMode, int32_t lower, int32_t addRange,
              int32_t mulRange)
        : addRange_(addRange), mulRange_(mulRange), sweepBounds_{lower, kSweepUpperBound} {
        problem_.a = a;
        problem_.op1 = pair.op1;
        problem_.op2 = pair.op2;
        problem_.bracketMode = bracketMode;
        leftFirst_ = problem_.LeftFirst();
        if (leftFirst_) {
            // a op1 b first; its value t is the left operand of op2.
            bs_ = Intersect(RightOperands(pair.op1, a, addRange, mulRange), sweepBounds_);
            exact_ = pair.op2 != kOpDiv;
            return;
        }
        // b op2 c first; its value t is the right operand of op1.
        const Interval as = LeftOperands(pair.op1, addRange, mulRange);
        ts_ = RightOperands(pair.op1, a, addRange, mulRange);
        if (a < as.lo || a > as.hi || ts_.lo > ts_.hi) {
            bs_ = kNothing;
            return;
        }
        bs_ = Intersect(LeftOperands(pair.op2, addRange, mulRange), sweepBounds_);
        exact_ = pair.op1 != kOpDiv && pair.op2 != kOpDiv;
    }

    // The values of b worth trying.
    Interval bs() const { return bs_; }
    bool exact() const { return exact_; }

    // Fixes b and returns the values of c worth trying; all of them are valid when exact().
    Interval FixB(int32_t b) {
        problem_.b = b;
        problem_.invalid = false;
        if (leftFirst_) {
            DudedurZadanie step;
            t_ = step.Apply(problem_.a, b, problem_.op1, addRange_, mulRange_);
            if (step.invalid) return kNothing;
            // result = t op2 c
            slope_ = problem_.op2 == kOpAdd ? 1 : problem_.op2 == kOpSub ? -1 : t_;
            offset_ = problem_.op2 == kOpMul ? 0 : t_;
            return Intersect(RightOperands(problem_.op2, t_, addRange_, mulRange_), sweepBounds_);
        }
        // Where exact, b op2 c is innerOffset + innerSlope * c, and so is the result.
        const int64_t innerOffset = problem_.op2 == kOpMul ? 0 : b;
        const int64_t innerSlope = problem_.op2 == kOpMul ? b : problem_.op2 == kOpSub ? -1 : 1;
        const int64_t a = problem_.a;
        switch (problem_.op1) {
            case kOpAdd:
                offset_ = a + innerOffset;
                slope_ = innerSlope;
                break;
            case kOpSub:
                offset_ = a - innerOffset;
                slope_ = -innerSlope;
                break;
            default:  // kOpMul
                offset_ = a * innerOffset;
                slope_ = a * innerSlope;
                break;
        }
        // c such that t = b op2 c is a valid right operand of op1.
        Interval cs = Intersect(RightOperands(problem_.op2, b, addRange_, mulRange_), sweepBounds_);
        switch (problem_.op2) {
            case kOpAdd:
                return Intersect(cs, {ts_.lo - b, ts_.hi - b});
            case kOpSub:
                return Intersect(cs, {b - ts_.hi, b - ts_.lo});
            case kOpMul:
                if (b == 0) return ts_.lo <= 0 && 0 <= ts_.hi ? cs : kNothing;
                return Intersect(cs, {CeilDiv(ts_.lo, b), FloorDiv(ts_.hi, b)});
            default:
                break;
        }
        return cs;
    }

    // Whether the problem with the fixed b and this c is valid.
    bool IsValid(int32_t c) {
        if (exact_) return true;
        problem_.c = c;
        problem_.Evaluate(addRange_, mulRange_);
        return !problem_.invalid;
    }

    // The problem with the fixed b and this c, for an exact mode.
    DudedurZadanie Exact(int64_t c) const {
        return DudedurZadanie{problem_.a,
                              problem_.b,
                              static_cast<int32_t>(c),
                              problem_.op1,
                              problem_.op2,
                              problem_.bracketMode,
                              static_cast<int32_t>(offset_ + slope_ * c),
                              false};
    }

    // Appends the problem with the fixed b and this c when it is valid.
    template <typename List>
    void AppendIfValid(int32_t c, List& out) {
        if (!exact_) {
            if (IsValid(c)) out.push_back(problem_);
            return;
        }
        out.push_back(Exact(c));
    }

    // The number of valid problems of this mode for the first argument.
    size_t Count() {
        size_t count = 0;
        for (int64_t b = bs_.lo; b <= bs_.hi; ++b) {
            const Interval cs = FixB(static_cast<int32_t>(b));
            if (exact_) {
                if (cs.lo <= cs.hi) count += static_cast<size_t>(cs.hi - cs.lo + 1);
                continue;
            }
            for (int64_t c = cs.lo; c <= cs.hi; ++c) {
                if (IsValid(static_cast<int32_t>(c))) ++count;
            }
        }
        return count;
    }

  private:
    int32_t addRange_ = 0;
    int32_t mulRange_ = 0;
    Interval sweepBounds_ = kNothing;
    DudedurZadanie problem_;
    bool leftFirst_ = true;
    bool exact_ = false;
    Interval bs_ = kNothing;
    Interval ts_ = kNothing;
    int64_t t_ = 0;
    // Where exact, the result is offset_ + slope_ * c once b is fixed.
    int64_t offset_ = 0;
    int64_t slope_ = 0;
};

// Appends, in (b, c, mode) order, every valid problem of the given modes (one or two, in mode
// order) for a fixed first argument and pair. The number of modes is fixed at compile time, so
// that the loops over them unroll.
template <size_t kModes, typename List>
void AppendFirstArgument(std::span<ModeSweep, kModes> modes, List& out) {
    Interval bs = kNothing;
    for (ModeSweep& mode : modes) {
        if (mode.bs().lo > mode.bs().hi) continue;
        bs = {std::min(bs.lo, mode.bs().lo), std::max(bs.hi, mode.bs().hi)};
        if (bs.lo > bs.hi) bs = mode.bs();
    }
    Interval cs[2] = {kNothing, kNothing};
    for (int64_t b = bs.lo; b <= bs.hi; ++b) {
        Interval all = kNothing;
        for (size_t m = 0; m < modes.size(); ++m) {
            const Interval modeBs = modes[m].bs();
            cs[m] = (b < modeBs.lo || b > modeBs.hi) ? kNothing
                                                     : modes[m].FixB(static_cast<int32_t>(b));
            if (cs[m].lo > cs[m].hi) continue;
            all = all.lo > all.hi
                      ? cs[m]
                      : Interval{std::min(all.lo, cs[m].lo), std::max(all.hi, cs[m].hi)};
        }
        if (all.lo > all.hi) continue;
        bool exact = true;
        for (size_t m = 0; m < modes.size(); ++m) {
            exact = exact && modes[m].exact();
        }
        if (exact) {
            // The common case, kept tight: every candidate is valid, so the run of a b is
            // written in place.
            const size_t at = out.size();
            size_t runLength = 0;
            for (size_t m = 0; m < modes.size(); ++m) {
                if (cs[m].lo <= cs[m].hi) runLength += static_cast<size_t>(cs[m].hi - cs[m].lo + 1);
            }
            out.resize(at + runLength);
            DudedurZadanie* next = out.data() + at;
            for (int64_t c = all.lo; c <= all.hi; ++c) {
                for (size_t m = 0; m < modes.size(); ++m) {
                    if (c >= cs[m].lo && c <= cs[m].hi) *next++ = modes[m].Exact(c);
                }
            }
            continue;
        }
        for (int64_t c = all.lo; c <= all.hi; ++c) {
            for (size_t m = 0; m < modes.size(); ++m) {
                if (c < cs[m].lo || c > cs[m].hi) continue;
                modes[m].AppendIfValid(static_cast<int32_t>(c), out);
            }
        }
    }
}

// The problems of one operation pair, gathered over the whole sweep.
struct PairProblems {
    OperType pair;
    ProblemList problems;
};

// Moves the gathered problems into the catalogue as AddProblem would have filed them one by one.
void FileInCatalogue(PairProblems& gathered, Dudedur& catalogue) {
    for (auto& group : catalogue.groups) {
        if (group.op1 == gathered.pair.op1 && group.op2 == gathered.pair.op2) {
            group.problems.insert(group.problems.end(), gathered.problems.begin(),
                                  gathered.problems.end());
            return;
        }
    }
    catalogue.groups.push_back(
        DudedurZadaniaOperacja{gathered.pair.op1, gathered.pair.op2, std::move(gathered.problems)});
}

// Two arguments: at most four pairs of 101 x 101 candidates, cheap enough to try one by one.
void SweepTwoArguments(const GenerationOptions& options, const std::vector<OperType>& pairs,
                       Dudedur& catalogue, const SweepProgress& progress) {
    const int32_t lower = SweepLowerBound(options);
    for (int32_t b = lower; b <= kSweepUpperBound; ++b) {
        if (progress) progress(b + 1, kSweepUpperBound);
        for (int32_t c = lower; c <= kSweepUpperBound; ++c) {
            for (const OperType& pair : pairs) {
                DudedurZadanie problem;
                problem.b = b;
                problem.c = c;
                problem.op1 = kOpNone;
                problem.op2 = pair.op2;
                problem.Evaluate(options.addRange, options.mulRange);
                if (!problem.invalid) catalogue.AddProblem(problem);
            }
        }
    }
}

// Three arguments: each pair is swept on its own, a first argument at a time, over the
// candidates that can pass (see ModeSweep). Within a group problems stay in (a, b, c, bracket
// mode) order; groups are created in the order in which the full sweep over (a, b, c, pair,
// mode) would meet their first problem.
//
// A first pass only counts, so that every group's memory is taken once at its final size: the
// catalogue can hold two million problems, and growing it step by step costs more than the sweep.
void SweepThreeArguments(const GenerationOptions& options, const std::vector<OperType>& pairs,
                         Dudedur& catalogue, const SweepProgress& progress) {
    const int32_t lower = SweepLowerBound(options);
    auto modesFor = [&](int32_t a, OperType pair, ModeSweep* modes) -> size_t {
        auto make = [&](int32_t mode) {
            return ModeSweep(a, pair, mode, lower, options.addRange, options.mulRange);
        };
        if (!options.brackets) {
            modes[0] = make(kBracketsNone);
            return 1;
        }
        modes[0] = make(kBracketsLeft);
        // (a + b) + c only: a + (b + c) would repeat it.
        if (pair.op1 == kOpAdd && pair.op2 == kOpAdd) return 1;
        modes[1] = make(kBracketsRight);
        return 2;
    };

    std::vector<PairProblems> gathered(pairs.size());
    for (size_t p = 0; p < pairs.size(); ++p) {
        gathered[p].pair = pairs[p];
        size_t count = 0;
        for (int32_t a = lower; a <= kSweepUpperBound; ++a) {
            ModeSweep modes[2];
            const size_t modeCount = modesFor(a, pairs[p], modes);
            for (size_t m = 0; m < modeCount; ++m) count += modes[m].Count();
        }
        gathered[p].problems.reserve(count);
    }

    std::vector<size_t> creationOrder;  // pair indexes, in the order their groups appear
    for (int32_t a = lower; a <= kSweepUpperBound; ++a) {
        if (progress) progress(a + 1, kSweepUpperBound);
        const size_t firstNew = creationOrder.size();
        for (size_t p = 0; p < pairs.size(); ++p) {
            ProblemList& out = gathered[p].problems;
            const size_t before = out.size();
            ModeSweep modes[2];
            const size_t modeCount = modesFor(a, pairs[p], modes);
            if (modeCount == 1) {
                AppendFirstArgument(std::span<ModeSweep, 1>(modes, 1), out);
            } else {
                AppendFirstArgument(std::span<ModeSweep, 2>(modes, 2), out);
            }
            if (before == 0 && !out.empty()) creationOrder.push_back(p);
        }
        // Groups first met at this a stand in the order of their first (b, c), then pair.
        std::stable_sort(creationOrder.begin() + static_cast<std::ptrdiff_t>(firstNew),
                         creationOrder.end(), [&](size_t x, size_t y) {
                             const DudedurZadanie& first = gathered[x].problems.front();
                             const DudedurZadanie& second = gathered[y].problems.front();
                             return first.b != second.b ? first.b < second.b : first.c < second.c;
                         });
    }
    for (size_t p : creationOrder) FileInCatalogue(gathered[p], catalogue);
}

}  // namespace

void SweepProblems(const GenerationOptions& options, const std::vector<OperType>& pairs,
                   Dudedur& catalogue, const SweepProgress& progress) {
    if (progress) progress(0, kSweepUpperBound);
    if (options.threeArguments) {
        SweepThreeArguments(options, pairs, catalogue, progress);
    } else {
        SweepTwoArguments(options, pairs, catalogue, progress);
    }
}

Status BuildCatalogue(const GenerationOptions& options, Dudedur& catalogue,
                      const SweepProgress& progress) {
    catalogue.ClearGroups();
    const std::vector<OperType> pairs = BuildOperationPairs(options);
    if (pairs.empty()) return Status::Error(kNoOperationMessage);
    SweepProblems(options, pairs, catalogue, progress);
    return Status::Ok();
}

}  // namespace dudedur
