// The problem catalogue: every valid problem of the last sweep, filed in groups by operation
// pair, and the sets of the last worksheet, which refer to catalogue problems by index.
#pragma once

#include <cstdint>
#include <vector>

#include "model/dudedur_zadanie.h"
#include "model/problem_list.h"
#include "model/zestaw.h"

namespace dudedur {

// An operation pair: the first and the second operation of a problem (op1 is kOpNone for
// two-argument problems).
struct OperType {
    int32_t op1 = kOpNone;
    int32_t op2 = kOpAdd;

    friend bool operator==(const OperType&, const OperType&) = default;
};

// One group of the catalogue: an operation pair and its problems in the order they were added.
// A group is never empty: it is created with its first problem.
struct DudedurZadaniaOperacja {
    int32_t op1 = kOpNone;
    int32_t op2 = kOpAdd;
    ProblemList problems;

    friend bool operator==(const DudedurZadaniaOperacja&, const DudedurZadaniaOperacja&);
};

// The model object: the catalogue (`groups`, at most one per operation pair, in order of first
// insertion) and the sets of the last worksheet (`sets`).
class Dudedur {
  public:
    std::vector<DudedurZadaniaOperacja> groups;
    std::vector<Zestaw> sets;

    // Removes every group and its problems; `sets` stay as they are.
    void ClearGroups() { groups.clear(); }

    // Files a copy of the problem in the group of its (op1, op2), creating the group at the end
    // when there is none yet. Returns the group's index.
    int32_t AddProblem(const DudedurZadanie& problem);

    int32_t GroupCount() const { return static_cast<int32_t>(groups.size()); }
    // The number of problems of a group; `group` must be below GroupCount().
    int32_t GroupSize(int32_t group) const {
        return static_cast<int32_t>(groups[group].problems.size());
    }
    // A copy of a problem; both indexes must be valid.
    DudedurZadanie ProblemAt(int32_t group, int32_t index) const {
        return groups[group].problems[index];
    }
    // The number of problems of all groups together.
    int64_t ProblemCount() const;

    // A problem drawn at random (a group first, then a problem of that group) with its indexes.
    // Needs at least one group.
    struct Drawn {
        DudedurZadanie problem;
        int32_t group = 0;
        int32_t index = 0;
    };
    Drawn RandomProblem() const;

    void ClearSets() { sets.clear(); }
    void AddSet(const Zestaw& zestaw) { sets.push_back(zestaw); }
    int32_t SetCount() const { return static_cast<int32_t>(sets.size()); }
    Zestaw SetAt(int32_t m) const { return sets.at(m); }
};

bool operator==(const DudedurZadanie& left, const DudedurZadanie& right);

}  // namespace dudedur
