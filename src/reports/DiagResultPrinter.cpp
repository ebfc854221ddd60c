#include "DiagResultPrinter.h"

#include "MainFrame.h"
#include "MultiCtrl.h"
#include "ProcessValues.h"
#include "RepairInfoView.h"
#include "StringResources.h"

namespace {

// The menu items chosen on the way to this screen, joined with "-".
std::wstring FunctionPathText()
{
    const CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return L"";
    const std::vector<std::wstring> items = frame->RepairInfoView().ChosenTexts();
    std::wstring text;
    for (size_t i = 0; i < items.size(); ++i)
        text.append(i > 0 ? L"-" : L"").append(items[i]);
    return text;
}

}  // namespace

CDiagResultPrinter::CDiagResultPrinter()
{
    const std::wstring title = ResGetString(0x10001102);
    SetTitle(title.empty() ? L"Vehicle model selection" : title);
}

int CDiagResultPrinter::SetTable(const CMultiCtrl* engine)
{
    if (!engine)
        return 0;
    m_pTable = engine;
    m_bLoaded = false;
    return 1;
}

int CDiagResultPrinter::BodyRowCount() const
{
    return m_pTable ? m_pTable->GetRowCount() + 1 : 0;
}

int CDiagResultPrinter::PrintBody(HDC dc, HFONT font, const RECT& area, int firstRow)
{
    if (!m_pTable)
        return 0;
    // Every job starts at row 0, on a context of its own: a printer that lives on (the replay's)
    // lays each job out afresh.
    if (!m_bLoaded || firstRow == 0) {
        m_tablePrinter.SetDC(dc);
        m_tablePrinter.SetOption(Layout().unit);
        m_tablePrinter.SetFont(font);
        m_tablePrinter.SetPageRect(area);
        m_tablePrinter.SetTitle(Title());
        m_bLoaded = m_tablePrinter.LoadTable(m_pTable) != 0;
    }
    return m_tablePrinter.PrintRow(firstRow);
}

int CDiagResultPrinter::PrintInfoTable()
{
    return PrintLabelTable(Layout().infoTable, L"STRID_PRINT_DIAG_INFO",
                           {{L"STRID_PRINT_DIAG_TIME", DateTime()},
                            {L"STRID_PRINT_DIAG_VEHICLE", ResGetMakerName()},
                            {L"STRID_PRINT_DIAG_SYS", FunctionPathText()},
                            {L"STRID_PRINT_DIAG_FUNC", Title()}});
}
