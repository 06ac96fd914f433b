#pragma once

#include <string>
#include <vector>

#include "core/RouteDatabase.h"
#include "network/LintNotice.h"
#include "network/TransitNetwork.h"

// The report page of a network: one self-contained UTF-8 HTML file (its HTML, CSS and
// JavaScript are the files of network/report/, embedded at build time) with the network and
// lint's notices embedded as JSON. Its planner runs in the browser by the rules of
// findJourneys.
std::string reportPage(const RouteDatabase& database, const TransitNetwork& network,
                       const std::vector<LintNotice>& notices);

// True when bytes begin as a page reportPage wrote, so that writing a new one over it loses
// nothing of another program's.
bool isReportPage(const std::string& bytes);
