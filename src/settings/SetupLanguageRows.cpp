#include "SetupLanguageRows.h"

int SetupLanguageRowCount(size_t codes)
{
    return static_cast<int>((codes + 1) / 2);
}

int NextSetupLanguageScroll(int position, int rows, int code, int thumb)
{
    switch (code) {
    case kScrollLineUp:
    case kScrollPageUp:
        return position > 0 ? position - 1 : 0;
    case kScrollLineDown:
    case kScrollPageDown:
        return position + 2 >= rows ? position : position + 1;
    case kScrollThumbPosition:
        if (thumb < 0)
            return 0;
        return thumb + 1 >= rows && thumb > 0 ? thumb - 1 : thumb;
    case kScrollTop:
        return 0;
    default:
        return position;
    }
}

bool SetupLanguageRowOnWhiteBand(int row, int position)
{
    return (row - position) % 2 != 0;
}
