#include "SetupPages.h"

namespace {

using P = SETUP_PAGE;

// clang-format off
const SETUP_PAGE_ENTRY kPages[kSetupPageCount] = {
    {P::Language,          0x10080008, L"Language",           true,  true,  false, false},
    {P::RunMode,           0x1008000A, L"Run Mode",           true,  false, false, false},
    {P::Units,             0x10080009, L"Unit Selection",     true,  false, false, false},
    {P::WindowSize,        0x10080034, L"Window Size",        true,  false, false, false},
    {P::Log,               0x10080037, L"log",                true,  false, false, false},
    {P::Update,            0x20000005, L"Update",             false, false, true,  false},
    {P::SystemInformation, 0x10080004, L"System Information", false, false, false, true},
};
// clang-format on

const SETUP_PAGE kCreationOrder[] = {P::SystemInformation, P::RunMode, P::Units, P::Language,
                                     P::WindowSize,        P::Log,     P::Update};

const SETUP_PAGE kApplyOrder[] = {P::RunMode, P::Units, P::Language, P::WindowSize, P::Log};

}  // namespace

std::span<const SETUP_PAGE_ENTRY> SetupPages()
{
    return kPages;
}

const SETUP_PAGE_ENTRY* SetupPageAt(int index)
{
    if (index < 0 || index >= kSetupPageCount)
        return nullptr;
    return &kPages[index];
}

int SetupPageIndex(SETUP_PAGE page)
{
    for (int i = 0; i < kSetupPageCount; ++i) {
        if (kPages[i].page == page)
            return i;
    }
    return -1;
}

std::span<const SETUP_PAGE> SetupPageCreationOrder()
{
    return kCreationOrder;
}

std::span<const SETUP_PAGE> SetupPageApplyOrder()
{
    return kApplyOrder;
}
