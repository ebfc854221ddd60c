#pragma once
// The printed result of a diagnosis screen: the rows of its table under the report's header.
#include "DiagSystemPrinter.h"
#include "MultiCtrlPrinter.h"

class CMultiCtrl;

class CDiagResultPrinter : public CDiagSystemPrinter {
public:
    CDiagResultPrinter();

    // 0 for a null engine.
    int SetTable(const CMultiCtrl* engine);

    int PrintInfoTable() override;

protected:
    int PrintBody(HDC dc, HFONT font, const RECT& area, int firstRow) override;
    int BodyRowCount() const override;

private:
    const CMultiCtrl* m_pTable = nullptr;
    CMultiCtrlPrinter m_tablePrinter;
    bool m_bLoaded = false;
};
