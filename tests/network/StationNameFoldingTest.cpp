#include <gtest/gtest.h>

#include "network/StationNameFolding.h"

TEST(StationNameFolding, SpellingsThatLookAlikeFoldTogether) {
    struct Case {
        const char* a;
        const char* b;
        bool same;
    };
    const Case cases[] = {
        {"人民广场（东）", "人民广场(东)", true},
        {"人民 广场", "人民广场", true},
        {"人民　广场", "人民广场", true},
        {"Ｋ１站", "K1站", true},
        {"火车站－东", "火车站-东", true},
        {"北站", "火车北站", false},
        {"k1站", "K1站", false},
        {"人民广场(东)", "人民广场(西)", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(foldStationName(c.a) == foldStationName(c.b), c.same) << c.a << " / " << c.b;
    }
    EXPECT_EQ(foldStationName("人民广场（东）"), "人民广场(东)");
}
