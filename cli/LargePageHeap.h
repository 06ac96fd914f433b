#pragma once

// Converting a big city touches tens of megabytes of fresh memory. On 4 KB pages each page
// costs a fault, and the faults took a third of the whole process; huge pages cost one
// fault in 512.
void placeHeapOnLargePages();
