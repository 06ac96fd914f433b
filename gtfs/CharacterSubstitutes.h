#pragma once

// Stand-ins, in GBK, for characters GBK lacks, tried before "?": null when there is none.

// A Latin letter with diacritics as its base letter (its Unicode decomposition without the
// marks), and the few letters without a decomposition as their usual spelling ("ø" o, "ß" ss).
const char* baseLetterOf(char32_t point);

// A symbol as the nearest GBK has: "・" as "·", an arrow as "－", a typographic quote as
// GBK's own.
const char* symbolSubstituteOf(char32_t point);
