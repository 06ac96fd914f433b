#include "cli/LargePageHeap.h"

void placeHeapOnLargePages() {}
