#pragma once
#include <string>

// The caption of a soft button by its command id: the text of its text id, else the English text;
// empty for ids without a caption of their own (the view sets one).
std::wstring SoftButtonCaption(int commandId);
