#include "ButtonDrawing.h"

BUTTON_IMAGE ChooseButtonImage(bool disabled, bool selected, bool latched, bool hasPressedImage,
                               bool hasDisabledImage)
{
    if (disabled)
        return hasDisabledImage ? BUTTON_IMAGE::Disabled : BUTTON_IMAGE::Normal;
    if (selected || latched)
        return hasPressedImage ? BUTTON_IMAGE::Pressed : BUTTON_IMAGE::Normal;
    return BUTTON_IMAGE::Normal;
}

COLORREF CaptionColour(bool disabled, bool useCustomColour, COLORREF customColour)
{
    if (useCustomColour)
        return customColour;
    return disabled ? RGB(0x80, 0x80, 0x80) : RGB(0, 0, 0);
}

int TwoLineHeight(int width, const std::wstring& caption, int margin, const CharacterMeasure& measure)
{
    const int room = width - 2 * margin;
    int sum = 0;
    for (size_t i = 0; i < caption.size(); ++i) {
        const SIZE character = measure(caption[i]);
        if (sum + 2 * character.cx > room && i + 1 < caption.size())
            return 2 * character.cy;
        sum += character.cx;
    }
    return 0;
}

std::vector<CAPTION_LAYOUT> LayoutCaption(const CAPTION_PLACEMENT_FLAGS& flags, const RECT& item,
                                          const std::wstring& caption, const CharacterMeasure& measure)
{
    std::vector<CAPTION_LAYOUT> layouts;
    const int width = item.right - item.left;
    if (flags.centred) {
        const int h = TwoLineHeight(width, caption, 8, measure);
        if (h > 0 && h < item.bottom - item.top) {
            const int m = (item.bottom - h - item.top) / 2;
            layouts.push_back({RECT{item.left + 9, m, item.right - 9, item.bottom - m},
                               DT_CENTER | DT_WORDBREAK | DT_EDITCONTROL});
        } else {
            layouts.push_back({item, DT_CENTER | DT_VCENTER | DT_SINGLELINE});
        }
    }
    if (flags.left)
        layouts.push_back({RECT{item.left + 3, item.top, item.right + 3, item.bottom}, DT_VCENTER | DT_SINGLELINE});
    if (flags.bottomWrapped) {
        const int h = TwoLineHeight(width, caption, 10, measure);
        if (h > 0) {
            layouts.push_back({RECT{item.left + 10, item.bottom - h - item.top - 12, item.right - 10, item.bottom},
                               DT_WORDBREAK | DT_EDITCONTROL});
        } else {
            layouts.push_back({RECT{item.left + 10, item.bottom - item.top - 30, item.right - 10, item.bottom},
                               DT_SINGLELINE});
        }
    }
    if (flags.bottomCentred)
        layouts.push_back({item, DT_CENTER | DT_BOTTOM | DT_SINGLELINE});
    return layouts;
}
