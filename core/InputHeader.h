#pragma once

#include "core/InputLines.h"
#include "core/Route.h"

// Reads the header part of an input text into header, marker by marker, as parsing does, and
// leaves lines at the first data line. False when the text ended inside the header part, so
// that it has no data part.
bool readHeaderPart(InputLines& lines, DatabaseHeader& header);
