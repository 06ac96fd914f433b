#pragma once

// The text of the help window: the input file format, where the generated files go, and the
// editor button. Lines are joined by "\r\n"; the last line has no line end.
extern const char kHelpText[];
