#include "ManualView.h"

int ManualReaderOpen = 0;
