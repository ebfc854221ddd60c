#pragma once
// The decisions a skinned button makes when it draws itself, as plain functions: which state image
// it shows, the colour of its caption, and where each caption placement goes.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

enum class BUTTON_IMAGE { Normal, Pressed, Disabled };

// The state image to show; a state whose own image is missing shows the normal image.
BUTTON_IMAGE ChooseButtonImage(bool disabled, bool selected, bool latched, bool hasPressedImage,
                               bool hasDisabledImage);

// Grey when disabled, else black; a custom colour wins in every state.
COLORREF CaptionColour(bool disabled, bool useCustomColour, COLORREF customColour);

// The width and height of one character in the button's font.
using CharacterMeasure = std::function<SIZE(wchar_t)>;

// Twice the height of the character at which a caption no longer fits on one line in
// width - 2 x margin, or 0 when it fits (and for an empty caption).
int TwoLineHeight(int width, const std::wstring& caption, int margin, const CharacterMeasure& measure);

struct CAPTION_PLACEMENT_FLAGS {
    bool centred = false;
    bool left = false;
    bool bottomWrapped = false;
    bool bottomCentred = false;
};

struct CAPTION_LAYOUT {
    RECT rect;
    UINT format;  // DrawText flags
};

// The rectangles and formats of every placement whose flag is set, in drawing order.
std::vector<CAPTION_LAYOUT> LayoutCaption(const CAPTION_PLACEMENT_FLAGS& flags, const RECT& item,
                                          const std::wstring& caption, const CharacterMeasure& measure);
