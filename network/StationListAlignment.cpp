#include "network/StationListAlignment.h"

#include <algorithm>

StationListAlignment alignStationLists(const std::vector<std::string>& before,
                                       const std::vector<std::string>& after) {
    const std::size_t rows = before.size();
    const std::size_t columns = after.size();
    // common[i][j]: length of the longest common subsequence of before[i..] and after[j..].
    std::vector<std::vector<int>> common(rows + 1, std::vector<int>(columns + 1, 0));
    for (std::size_t i = rows; i-- > 0;) {
        for (std::size_t j = columns; j-- > 0;) {
            common[i][j] = before[i] == after[j] ? common[i + 1][j + 1] + 1
                                                 : std::max(common[i + 1][j], common[i][j + 1]);
        }
    }
    StationListAlignment alignment{std::vector<int>(rows, -1), std::vector<int>(columns, -1)};
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < rows && j < columns) {
        if (before[i] == after[j]) {
            alignment.partnerOfBefore[i] = static_cast<int>(j);
            alignment.partnerOfAfter[j] = static_cast<int>(i);
            ++i;
            ++j;
        } else if (common[i + 1][j] >= common[i][j + 1]) {
            ++i;
        } else {
            ++j;
        }
    }
    return alignment;
}
