#include "bench/SyntheticCity.h"

#include <algorithm>
#include <random>
#include <vector>

namespace {

const char* const kSyllables[] = {
    "东", "西", "南", "北", "中", "新", "老", "大", "小", "长", "青", "红", "白", "金", "银",
    "山", "水", "河", "湖", "江", "桥", "门", "街", "路", "巷", "村", "镇", "园", "场", "城",
    "花", "林", "石", "龙", "凤", "安", "平", "和", "兴", "华", "光", "明", "文", "武", "春",
    "秋", "云", "月", "星", "阳", "海", "泉", "松", "柳", "梅", "竹", "家", "口", "坝", "湾"};
constexpr int kSyllableCount = sizeof kSyllables / sizeof kSyllables[0];
const char* const kSuffixes[] = {"站", "路口", "小区", "公交站", "广场", "医院", "学校", "市场"};
constexpr int kSuffixCount = sizeof kSuffixes / sizeof kSuffixes[0];

std::string stationName(int index) {
    std::string name;
    int rest = index;
    for (int i = 0; i < 3; ++i) {
        name += kSyllables[rest % kSyllableCount];
        rest /= kSyllableCount;
    }
    return name + kSuffixes[(index / 7) % kSuffixCount];
}

}  // namespace

std::string syntheticCityText(const SyntheticCitySize& size, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<std::string> names;
    names.reserve(size.stations);
    for (int i = 0; i < size.stations; ++i) {
        names.push_back(stationName(i));
    }

    std::string text =
        "[city]\n合成市\n[date]\n2026-12-01\n[author]\n基准测试\n[memo]\n按数据文件上限生成\n"
        "[datasection]\n";
    // Every station is used by some line: the stops of all lines walk through a shuffled
    // sequence of all stations, reshuffled whenever it is used up.
    std::vector<int> order(size.stations);
    for (int i = 0; i < size.stations; ++i) {
        order[i] = i;
    }
    std::shuffle(order.begin(), order.end(), random);
    std::size_t next = 0;
    std::vector<int> stops;
    for (int line = 0; line < size.lines; ++line) {
        stops.clear();
        while (static_cast<int>(stops.size()) < size.stops) {
            if (next == order.size()) {
                std::shuffle(order.begin(), order.end(), random);
                next = 0;
            }
            const int station = order[next++];
            if (std::find(stops.begin(), stops.end(), station) == stops.end()) {
                stops.push_back(station);
            }
        }
        const std::string& first = names[stops.front()];
        const std::string& last = names[stops.back()];
        text += std::to_string(line + 1) + "路," + first + ",6:00,22:00," + last + ",6:30,22:30," +
                (line % 3 == 0 ? "空调" : "普通") + ",";
        for (std::size_t i = 0; i < stops.size(); ++i) {
            text += (i ? "-" : "") + names[stops[i]];
        }
        text += ",";
        for (std::size_t i = stops.size(); i-- > 0;) {
            text += names[stops[i]] + (i ? "-" : "");
        }
        text += ",票价2元\n";
    }
    return text;
}
