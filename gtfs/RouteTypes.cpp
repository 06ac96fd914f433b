#include "gtfs/RouteTypes.h"

#include <cstddef>
#include <iterator>

namespace {

struct TypeName {
    int type;
    const char* name;
};

constexpr TypeName kBasicTypes[] = {
    {0, "有轨电车"}, {1, "地铁"},     {2, "铁路"},     {3, "公交"},      {4, "轮渡"},
    {5, "缆车"},     {6, "空中缆车"}, {7, "缆索铁路"}, {11, "无轨电车"}, {12, "单轨"},
};

// The extended types, each naming its hundred.
constexpr TypeName kExtendedTypes[] = {
    {100, "铁路"},      {200, "长途客车"}, {400, "城市轨道"}, {700, "公交"},  {800, "无轨电车"},
    {900, "有轨电车"},  {1000, "水运"},    {1100, "航空"},    {1200, "轮渡"}, {1300, "空中缆车"},
    {1400, "缆索铁路"}, {1500, "出租车"},  {1700, "其他"},
};

}  // namespace

const char* lineTypeOf(int routeType) {
    for (const TypeName& basic : kBasicTypes) {
        if (basic.type == routeType) {
            return basic.name;
        }
    }
    for (const TypeName& extended : kExtendedTypes) {
        if (routeType >= extended.type && routeType < extended.type + 100) {
            return extended.name;
        }
    }
    return nullptr;
}
