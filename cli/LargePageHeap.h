#pragma once

// Converting a big city touches tens of megabytes of fresh memory. On 4 KB pages each page
// costs a fault, a large share of the run; huge pages cost one fault in 512.
void placeHeapOnLargePages();
