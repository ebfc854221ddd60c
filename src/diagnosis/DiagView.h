#pragma once
// The base of every screen the diagnostic program can ask for. It holds the screen's drawing
// engine, the command the screen serves, the maker's logo and the turn: between ShowRequest and
// SendAnswer the screen holds the exchange token, and it hands it back exactly once.
#include <cstdint>
#include <memory>
#include <string>

#include "ExchangeBuffer.h"
#include "FormViewEx.h"
#include "MultiCtrl.h"

class CDiagView : public CFormViewEx {
public:
    explicit CDiagView(int viewId);
    ~CDiagView() override;

    void OnShowView() override;
    void OnBack() override;
    void OnPageUp() override;
    void OnPageDown() override;
    void OnPrint() override {}

    // Reads the request in the exchange block and draws it; the turn stays with the screen.
    virtual void ShowRequest() = 0;
    // Writes the answer and hands the turn back.
    virtual void SendAnswer() = 0;

    // The frame hands the screen a request: the screen holds the turn until it answers.
    void TakeTurn() { m_holdsTurn = true; }
    bool HoldsTurn() const { return m_holdsTurn; }

    // Page keys by the engine's page, print and accept off: a screen enables those itself.
    void UpdateNavButtons();
    // Page up unless on the first page, page down unless on the last; nothing else changes.
    void UpdatePageKeys();
    HBITMAP GetLogo() const { return m_hLogo; }
    void LoadLogo();

    CMultiCtrl* Engine() const { return m_pMultiCtrl.get(); }
    int Command() const { return m_nCommand; }

protected:
    // Gives the turn back to the diagnostic program, once: a second call does nothing.
    bool HandTurnBack();
    // The exchange block while the screen holds the turn, else nothing: no byte of the frame area is
    // written after the turn went back.
    std::optional<ExchangeBlock> AnswerBlock() const;
    // The request being served (also after the turn went back, for reading).
    std::optional<ExchangeBlock> RequestBlock() const;
    // Prints the screen's table under `title`, holding the print lock for the job.
    void PrintTable(const std::wstring& title);

    bool OnPaint() override;

    std::unique_ptr<CMultiCtrl> m_pMultiCtrl;
    int m_nCommand = 0;
    HFONT m_pFont = nullptr;
    HBITMAP m_hLogo = nullptr;  // handed to the middle-left bar, which owns it
    int m_nKey = 255;

private:
    bool m_holdsTurn = false;
};

// Gives "hSemaphore" back by one, after the frame's exchange hook; the result of the release.
bool ReleaseDiagSemaphore();

// The logo file of a maker: program folder + "\LOGO\" + the maker folder's name + ".BMP".
std::wstring MakerLogoPath(const std::wstring& programFolder, const std::wstring& makerFolder);
