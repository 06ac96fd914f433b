#pragma once

// The line type of the input text for a GTFS route_type: the basic types 0 to 12, and the
// extended types by their hundreds (700 to 799 buses, 900 to 999 trams, ...). Null for a
// type that is neither.
const char* lineTypeOf(int routeType);
