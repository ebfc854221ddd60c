#include "MessageBox.h"

#include "ModalSeam.h"

int ShowMessageBox(HWND parent, const std::wstring& text, const std::wstring& caption, UINT type)
{
    if (const auto answer = AnswerModalBox(MODAL_BOX{0, text}))
        return *answer;
    return MessageBoxW(parent, text.c_str(), caption.c_str(), type);
}
