#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gtfs/FeedModel.h"
#include "gtfs/ImportReport.h"

// The input-text names of a feed's stops: the parent station's name where a stop has one,
// converted to GBK when first asked for, so that only stops in use are reported on.
class StopNames {
public:
    StopNames(const FeedModel& model, ImportReport& report);

    const std::string& of(std::uint32_t stop);

private:
    const FeedModel& model_;
    ImportReport& report_;
    std::vector<std::string> names_;
    std::vector<bool> converted_;
};
