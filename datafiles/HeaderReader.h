#pragma once

#include <string_view>

#include "core/LogSink.h"
#include "core/Route.h"

// Reads the four header texts from the bytes of readme.txt: the whole file is converted as one
// UTF-16LE text, the markers "[city]", "[date]", "[author]" and "[memo]" are found in this
// order, each value starts two bytes (the line break) after its marker and ends at the next
// marker or at the end of the text, and trailing ASCII white space is removed. When the four
// markers are not there in this order, header is left unchanged and a warning is logged.
void readHeaderTexts(std::string_view readme, DatabaseHeader& header, LogSink& log);
