#pragma once
// The host the reader's window is embedded in: it places the reader in the middle of the view, draws
// the frame around it and the page number below, and turns its scroll bars, keys, wheel and the
// page keys of the button row into reader commands.
#include <optional>

#include "Dialog.h"
#include "PdfScrollModel.h"
#include "ScopedWin.h"

class CShowPdfDlg : public CDialog {
public:
    static constexpr int kTemplateId = 495;
    explicit CShowPdfDlg(HWND parent) : CDialog(kTemplateId, parent) {}
    ~CShowPdfDlg() override;

    // Talks to the document view's reader when there is one, else to the manual view's; 0 with
    // neither.
    static LRESULT SendToReader(int code, LPARAM value);

    void SetSize(int width, int height);  // before creation
    void SetPageCount(int count) { m_pageCount = count; }
    void SetPage(int page);
    void ForwardKey(int virtualKey);
    void ScrollStep(int step);  // > 0 a line up, else a line down
    void CloseReader();
    void DestroyChildren();
    void PageUp();
    void PageDown();

    int CurrentPage() const { return m_currentPage; }
    int PageCount() const { return m_pageCount; }
    const CPdfScrollModel* Scroll() const { return m_scroll ? &*m_scroll : nullptr; }

protected:
    bool OnInitDialog() override;
    bool OnPaint() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;

private:
    static HWND EmbeddedReader();
    void CreateChildren();
    void SetUpScrollBars();
    void EmbedReader();
    void Send(const std::optional<READER_COMMAND>& command);
    bool HandleKey(int virtualKey);
    void OnVScroll(int request, int thumb);
    void OnHScroll(int request, int thumb);
    void OnPageEditChange();
    void PlaceChildren(int clientWidth, int clientHeight, int barHeight);
    void DrawReaderFrame(HDC dc, int clientWidth, int clientHeight, int barHeight);
    void PlaceReader(int clientWidth, int clientHeight);

    int m_width = 0;
    int m_height = 0;
    std::optional<CPdfScrollModel> m_scroll;
    int m_currentPage = 1;
    int m_pageCount = 1;
    HWND m_pageEdit = nullptr;
    HWND m_pageText = nullptr;
    CScopedBitmap m_pageBar;
};
