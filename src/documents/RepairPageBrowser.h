#pragma once
// What the repair viewer needs of whatever shows its pages: navigate to a file, report the request
// before it is carried out (so the viewer can restore a stored page and cancel the request) and
// report the page once loaded. The viewer's decisions never depend on which implementation runs.
#include <windows.h>

#include <string>

class IRepairPageEvents {
public:
    virtual ~IRepairPageEvents() = default;
    // True cancels the navigation.
    virtual bool OnBeforeNavigate(const std::wstring& target) = 0;
    virtual void OnNavigateComplete(const std::wstring& path) = 0;
};

class IRepairPageBrowser {
public:
    virtual ~IRepairPageBrowser() = default;
    virtual void Navigate(const std::wstring& target) = 0;
    virtual void Move(const RECT& area) = 0;
    virtual HWND Window() const = 0;
};
