#include "model/catalogue.h"

#include <cstddef>

#include "model/random.h"

namespace dudedur {

bool operator==(const DudedurZadanie& left, const DudedurZadanie& right) {
    return left.a == right.a && left.b == right.b && left.c == right.c && left.op1 == right.op1 &&
           left.op2 == right.op2 && left.bracketMode == right.bracketMode &&
           left.result == right.result && left.invalid == right.invalid;
}

bool operator==(const DudedurZadaniaOperacja& left, const DudedurZadaniaOperacja& right) {
    return left.op1 == right.op1 && left.op2 == right.op2 && left.problems == right.problems;
}

int32_t Dudedur::AddProblem(const DudedurZadanie& problem) {
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (groups[g].op1 == problem.op1 && groups[g].op2 == problem.op2) {
            groups[g].problems.push_back(problem);
            return static_cast<int32_t>(g);
        }
    }
    groups.push_back(DudedurZadaniaOperacja{problem.op1, problem.op2, {problem}});
    return GroupCount() - 1;
}

int64_t Dudedur::ProblemCount() const {
    int64_t count = 0;
    for (const auto& group : groups) count += static_cast<int64_t>(group.problems.size());
    return count;
}

Dudedur::Drawn Dudedur::RandomProblem() const {
    Drawn drawn;
    drawn.group = RandomInRange(0, GroupCount() - 1);
    drawn.index = RandomInRange(0, GroupSize(drawn.group) - 1);
    drawn.problem = ProblemAt(drawn.group, drawn.index);
    return drawn;
}

}  // namespace dudedur
