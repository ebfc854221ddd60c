#include "SoftButtonCaptions.h"

#include <cstdint>

#include "StringResources.h"

namespace {

struct SOFT_BUTTON_CAPTION {
    int commandId;
    uint32_t textId;
    const wchar_t* english;  // null: none
};

const SOFT_BUTTON_CAPTION kCaptions[] = {
    {1, 0x10000000, L"OK"},
    {2, 0x10000001, L"Cancel"},
    {1005, 0x10080014, nullptr},
    {1088, 0x10000010, L"Group Up"},
    {1089, 0x10000011, L"Group Down"},
    {3001, 0x1000000D, L"Back"},
    {3002, 0x1000000A, L"PgUp"},
    {3003, 0x1000000B, L"PgDn"},
    {3004, 0x10080015, L"OK"},
    {3005, 0x1000000C, L"Print"},
    {3006, 0x10000004, L"Help"},
    {3007, 0x10000023, L"Home"},
    {3008, 0x10000012, L"Channel"},
    {3009, 0x10000918, L"Play"},
    {3010, 0x10000916, L"Wave"},
    {3011, 0x1000000F, L"Exit"},
    {3017, 0x10080029, nullptr},
    {3019, 0x10000015, L"Save"},
    {3021, 0x10000015, L"Record"},
    {3022, 0x10000016, L"Import"},
    {3025, 0x10000014, L"Select All"},
    {3026, 0x10000F03, L"Back"},
    {3027, 0x10000F04, L"Forward"},
    {9001, 0x10000011, nullptr},
    {9002, 0x10000010, nullptr},
};

}  // namespace

std::wstring SoftButtonCaption(int commandId)
{
    for (const SOFT_BUTTON_CAPTION& caption : kCaptions) {
        if (caption.commandId != commandId)
            continue;
        const std::wstring text = ResGetString(caption.textId);
        return !text.empty() || !caption.english ? text : caption.english;
    }
    return {};
}
