#pragma once
// The list of screen recordings (view 494), given by the recording page's list command.
#include <string>
#include <vector>

#include "FormViewEx.h"

class CReplaygifView : public CFormViewEx {
public:
    static constexpr int kViewId = 494;
    CReplaygifView() : CFormViewEx(kViewId) {}

    void SetRecordings(std::vector<std::wstring> names) { m_recordings = std::move(names); }
    const std::vector<std::wstring>& Recordings() const { return m_recordings; }

private:
    std::vector<std::wstring> m_recordings;
};
