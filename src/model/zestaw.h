// One set of a worksheet: for every row, which catalogue problem it shows and which element the
// pupil fills in. It names problems by their place in the catalogue and holds no copies, so it
// means something only together with the catalogue it was drawn from.
#pragma once

#include <cstdint>
#include <vector>

namespace dudedur {

// Which element of a problem the pupil fills in: 1, 2 or 3 for that argument slot (a, b, c), or
// kBlankResult for the result.
using BlankPosition = int32_t;
inline constexpr BlankPosition kBlankResult = -1;

class Zestaw {
  public:
    std::vector<int32_t> itemIndexes;     // index of the problem within its group
    std::vector<int32_t> groupIndexes;    // index of the problem's group in the catalogue
    std::vector<int32_t> blankPositions;  // the row's BlankPosition

    void Clear() {
        itemIndexes.clear();
        groupIndexes.clear();
        blankPositions.clear();
    }
    void Add(int32_t group, int32_t index, BlankPosition blank) {
        groupIndexes.push_back(group);
        itemIndexes.push_back(index);
        blankPositions.push_back(blank);
    }
    int32_t RowCount() const { return static_cast<int32_t>(itemIndexes.size()); }
    int32_t GroupAt(int32_t k) const { return groupIndexes.at(k); }
    int32_t IndexAt(int32_t k) const { return itemIndexes.at(k); }
    BlankPosition BlankAt(int32_t k) const { return blankPositions.at(k); }
};

}  // namespace dudedur
