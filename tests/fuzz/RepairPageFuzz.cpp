// Any bytes as a repair page archive or a navigation target: reading must neither crash, hang nor
// read out of bounds, and a target's page name is always safe to use as a file name.
#include <cstdint>
#include <string>
#include <vector>

#include "RepairPageRules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<uint8_t> bytes(data, data + size);
    const std::wstring text = RepairPageRules::PageText(bytes);
    if (text.size() > size)
        __builtin_trap();
    if (RepairPageRules::Unscramble(RepairPageRules::Scramble(bytes)) != bytes)
        __builtin_trap();
    const std::wstring target(bytes.begin(), bytes.end());
    const RepairPageRules::NavigationDecision decision = RepairPageRules::DecideBeforeNavigate(target, false);
    if (decision.kind == RepairPageRules::NavigationDecision::OpenPage && !RepairPageRules::IsSafeName(decision.pageName))
        __builtin_trap();
    RepairPageRules::PathFromTarget(target);
    return 0;
}
