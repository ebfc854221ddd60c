#pragma once
// Every modal box of the program (question box, message boxes, print and file dialogs) asks this
// seam before it shows itself. Normally nobody answers and the box is shown to the user; a test
// installs an answerer and the box returns that answer without a window.
#include <functional>
#include <optional>
#include <string>

struct MODAL_BOX {
    int templateId;        // dialog template, or 0 for boxes that have none
    std::wstring text;     // what the box says to the user
};

using ModalAnswerer = std::function<std::optional<int>(const MODAL_BOX&)>;

// Installs (or, with an empty function, removes) the answerer; returns the previous one.
ModalAnswerer SetModalAnswerer(ModalAnswerer answerer);

// The answer for a box about to be shown, or nothing when the box must be shown.
std::optional<int> AnswerModalBox(const MODAL_BOX& box);
