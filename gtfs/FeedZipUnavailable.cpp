#include "gtfs/FeedFiles.h"
#include "gtfs/GtfsTexts.h"

std::unique_ptr<FeedFiles> openFeedZip(const std::string& /*path*/, std::string& problem) {
    problem = gtfsTexts::kZipUnavailable;
    return nullptr;
}
