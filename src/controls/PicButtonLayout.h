#pragma once
// Where a picture button puts its icon, the slice of its state strip and its caption. Plain
// arithmetic on the button's rectangle, so it is the same on every screen and testable anywhere.
struct PIC_RECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct PIC_SIZE {
    int width = 0;
    int height = 0;
};

struct PIC_POINT {
    int x = 0;
    int y = 0;
};

struct PIC_BUTTON_PARTS {
    bool hasIcon = false;
    PIC_SIZE icon;
    bool hasStrip = false;
    PIC_SIZE slice;         // one of the strip's four states
    bool hasCaption = false;
    bool picturesAbove = false;  // layout 1: pictures over the caption
    bool stripRight = false;     // the button's extended style asks for the strip on the right
    bool pressed = false;
};

struct PIC_BUTTON_LAYOUT {
    PIC_POINT icon;
    PIC_POINT slice;
    PIC_RECT caption;  // what is left for the caption
};

// `item` is the owner-draw rectangle; it is widened by 3 pixels to the left, top and right first.
PIC_BUTTON_LAYOUT LayOutPicButton(PIC_RECT item, const PIC_BUTTON_PARTS& parts);

// The strip's slice: for a check box 0 when checked and 1 when not; else 3 disabled, 2 pressed,
// 1 focused, 0 normal.
int PicButtonSlice(bool checkBox, bool checked, bool disabled, bool pressed, bool focused);
