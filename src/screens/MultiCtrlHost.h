#pragma once
// What the table-and-graph engine needs to know of the screen around it. The program's host asks
// the main frame and the live-data screen; tests give their own.
#include <string>
#include <vector>

class IMultiCtrlHost {
public:
    virtual ~IMultiCtrlHost() = default;
    // The live-data screen is the active view: table drawing and paging paint nothing then.
    virtual bool IsLiveDataActive() const = 0;
    // The view id of the active view (the version-list and trouble-code screens rule their rows).
    virtual int ActiveViewId() const = 0;
    // The live-data screen's row limit, display mode and row names (display mode 3).
    virtual int LiveDataRowLimit() const = 0;
    virtual int LiveDataDisplayMode() const = 0;
    virtual const std::vector<std::wstring>* LiveDataRowNames() const = 0;
    // The wave key 3010 of the soft-button row: enabled state and caption.
    virtual void SetWaveKey(bool enabled, const std::wstring& caption) = 0;
    // The live-data screen pages through the diagnostic program (its display mode 1): the graph
    // form then draws the table row at each position of the page instead of the graph row itself.
    virtual bool LiveDataPagedByProgram() const { return LiveDataDisplayMode() == 1; }
};
