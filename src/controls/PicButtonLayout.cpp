#include "PicButtonLayout.h"

namespace {

constexpr int kWiden = 3;
constexpr int kPictureGap = 4;
constexpr int kPictureLeft = 2;

int Centred(int from, int to, int size)
{
    return from + (to - from - size) / 2;
}

}  // namespace

PIC_BUTTON_LAYOUT LayOutPicButton(PIC_RECT item, const PIC_BUTTON_PARTS& parts)
{
    PIC_RECT rect = {item.left - kWiden, item.top - kWiden, item.right + kWiden, item.bottom};
    PIC_BUTTON_LAYOUT layout;
    if (parts.hasIcon) {
        if (!parts.hasCaption) {
            layout.icon = {Centred(rect.left, rect.right, parts.icon.width), Centred(rect.top, rect.bottom, parts.icon.height)};
        } else if (parts.picturesAbove) {
            layout.icon = {(rect.right - parts.icon.width - rect.left) / 2, 0};
            rect.top += parts.icon.height;
        } else {
            layout.icon = {kPictureLeft, (rect.bottom - parts.icon.height - rect.top) / 2};
            rect.left += parts.icon.width + kPictureGap;
        }
    }
    if (parts.hasStrip) {
        const int width = parts.slice.width;
        const int height = parts.slice.height;
        if (!parts.hasCaption) {
            layout.slice = {Centred(rect.left, rect.right, width), Centred(rect.top, rect.bottom, height)};
        } else if (parts.picturesAbove) {
            layout.slice = {Centred(rect.left, rect.right, width) + (parts.pressed ? 1 : 0), 0};
            rect.top += height;
        } else if (parts.stripRight) {
            layout.slice = {rect.right - width + kWiden, Centred(rect.top, rect.bottom, height)};
            rect.right -= width + kPictureGap;
        } else {
            layout.slice = {kPictureLeft, Centred(rect.top, rect.bottom, height)};
            rect.left += width + kPictureGap;
        }
    }
    if (rect.left == 0)
        rect.left = kPictureLeft;
    layout.caption = rect;
    return layout;
}

int PicButtonSlice(bool checkBox, bool checked, bool disabled, bool pressed, bool focused)
{
    if (checkBox)
        return checked ? 0 : 1;
    if (disabled)
        return 3;
    if (pressed)
        return 2;
    return focused ? 1 : 0;
}
