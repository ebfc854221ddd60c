#include "MShowView.h"

int ShowReaderOpen = 0;
