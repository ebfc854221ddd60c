#include "MiddleLeftModel.h"

int ItemIndexOfCommand(int id)
{
    if (id < kFirstItemCommand || id > kLastItemCommand)
        return -1;
    return (id - kFirstItemCommand) % kMaxItemButtons;
}

ITEM_ACTION ItemActionFor(int viewId, bool returnFlag, bool indexChanged)
{
    using A = ITEM_ACTION;
    switch (viewId) {
    case 131:
        return A::ShowRegion;
    case 136:
        return returnFlag ? A::ShowRegionAndReturn : A::None;
    case 295:
        return A::ShowSettingsPage;
    case 445:
        return indexChanged ? A::RefreshInstalled : A::None;
    case 446:
        return indexChanged ? A::RefreshStore : A::None;
    case 476:
        return returnFlag ? A::ReturnToStore : A::None;
    case 491:
        return returnFlag ? A::CloseDocumentAndReturn : A::None;
    case 505:
        return A::ShowManualPanels;
    default:
        return A::None;
    }
}
