// Turns per second between a diagnostic program and the shell, each figure beside a bare ping-pong
// of two processes over the same kind of window message and semaphore, measured just before it in
// the same run, so that a loaded machine slows both.
//
//   bench_exchange.exe <folder holding Display.exe and its Config.xml> [part of a figure's name]
//
// With a part of a name, only the figures whose name holds it are measured (for a profiler's run).
// It starts the shell there, shows the maker chooser (which makes the exchange block), then plays
// the diagnostic program: text requests (0xFD, answered by the frame at once), 300-item menus
// answered by a click on the menu screen, live-data turns (a full page of 20 items whose values
// change every turn, one row drawn as a graph), and the screens that answer every request at once
// (progress, short test, status list with no key pressed). The live-data turn is measured again
// with the shell started in British units. The ping-pong partner is this program started again
// with --partner. Each figure prints its ratio of time per turn to the ping-pong's, and its limit.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr UINT kRequest = WM_APP + 0x6EF;
constexpr size_t kBlockSize = 0x10000;
constexpr int kTurns = 2000;
constexpr int kMenuTurns = 200;
constexpr int kLiveDataTurns = 500;
constexpr int kActivePane = 0xE900;
constexpr DWORD kTurnTimeoutMs = 5000;

using Clock = std::chrono::steady_clock;
using Frame = std::vector<uint8_t>;

double Seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::wstring OwnPath()
{
    wchar_t path[MAX_PATH] = {};
    return std::wstring(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
}

// What one repaint of a screen costs here, for reading the figures: 20 rows of text and their
// fills drawn into a bitmap and put on a window of the shell's size, as the table engine presents
// a page.
void PaintRows(HWND window)
{
    RECT area = {};
    GetClientRect(window, &area);
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, area.right, area.bottom);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    static int turn = 0;
    ++turn;
    for (int row = 0; row < 20; ++row) {
        RECT line = {0, row * 28, area.right, row * 28 + 28};
        SetBkColor(memory, row % 2 ? RGB(230, 236, 245) : RGB(255, 255, 255));
        const std::wstring text = L"Item " + std::to_wstring(row) + L"    " + std::to_wstring(turn * 7 + row);
        ExtTextOutW(memory, 4, line.top + 4, ETO_OPAQUE, &line, text.c_str(), static_cast<UINT>(text.size()), nullptr);
    }
    BitBlt(screen, 0, 0, area.right, area.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
}

// The partner of the bare ping-pong: a window that takes the token and gives it back, after one
// repaint when wParam asks for it.
LRESULT CALLBACK PartnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    static HANDLE token = OpenSemaphoreW(SEMAPHORE_ALL_ACCESS, FALSE, L"BenchToken");
    if (message == kRequest) {
        if (wParam == 1)
            PaintRows(window);
        WaitForSingleObject(token, 0);
        ReleaseSemaphore(token, 1, nullptr);
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int RunPartner()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = PartnerProc;
    windowClass.lpszClassName = L"BenchPartner";
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(L"BenchPartner", L"BenchPartner", WS_POPUP, 0, 0, 1024, 600, nullptr, nullptr,
                                nullptr, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}

PROCESS_INFORMATION Start(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder)
{
    std::wstring line = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                   folder.empty() ? nullptr : folder.c_str(), &startup, &process);
    return process;
}

HWND WaitForWindow(const wchar_t* title, bool visible)
{
    for (int i = 0; i < 600; ++i) {
        if (HWND window = FindWindowW(nullptr, title); window && (!visible || IsWindowVisible(window)))
            return window;
        Sleep(50);
    }
    return nullptr;
}

double PingPong(HWND partner, HANDLE token, int turns, bool repaint = false)
{
    const auto start = Clock::now();
    for (int i = 0; i < turns; ++i) {
        SendMessageW(partner, kRequest, repaint ? 1 : 0, 0);
        WaitForSingleObject(token, kTurnTimeoutMs);
        ReleaseSemaphore(token, 1, nullptr);
    }
    return turns / Seconds(start);
}

// Request frames: bytes 0-1 the total length, byte 2 the command, byte 3 the option byte.
class CFrameBuilder {
public:
    CFrameBuilder(uint8_t command, uint8_t option) : m_bytes{0, 0, command, option} {}
    CFrameBuilder& U8(uint8_t value)
    {
        m_bytes.push_back(value);
        return *this;
    }
    CFrameBuilder& U16(uint16_t value) { return U8(static_cast<uint8_t>(value >> 8)).U8(static_cast<uint8_t>(value)); }
    CFrameBuilder& Text(const std::string& text)
    {
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        return U8(0);
    }
    Frame Build() const
    {
        Frame frame = m_bytes;
        frame[0] = static_cast<uint8_t>(frame.size() >> 8);
        frame[1] = static_cast<uint8_t>(frame.size());
        return frame;
    }

private:
    Frame m_bytes;
};

Frame TextRequest(int) { return CFrameBuilder(0xFD, 0).U16(0x0002).Build(); }

Frame MenuOf(int items)
{
    // Menus carry no length: the frame is read up to its items.
    Frame frame = {0, 0, 0, 0, 0xFF, 0xFF, 0, 0, static_cast<uint8_t>(items >> 8), static_cast<uint8_t>(items), 0};
    for (int i = 0; i < items; ++i) {
        const std::string item = "Menu item " + std::to_string(i);
        frame.insert(frame.end(), item.begin(), item.end());
        frame.push_back(0);
    }
    return frame;
}

Frame MenuRequest(int) { return MenuOf(300); }
Frame ShortMenuRequest(int) { return MenuOf(20); }

std::string Number(int value, int decimals)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value / 10.0);
    return text;
}

// A full page of live data in the text form: 20 items with metric units, every value new.
Frame LiveDataRequest(int turn)
{
    static const char* const kUnits[] = {"km/h", "\xC2\xB0" "C", "kPa", "V", "rpm", "km", "bar", "%", "cm", "m"};
    CFrameBuilder frame(20, 0x80);
    frame.U8(0).U8(0).U16(20).Text("").Text("Live data");
    for (int i = 0; i < 20; ++i)
        frame.Text("Item " + std::to_string(i)).Text(Number((turn * 7 + i * 13) % 2000, 1)).Text(kUnits[i % 10]);
    return frame.Build();
}

Frame ProgressRequest(int turn)
{
    return CFrameBuilder(80, 0).U8(static_cast<uint8_t>(turn % 101)).Text("Erasing block " + std::to_string(turn)).U8(0).Build();
}

Frame ShortTestRequest(int turn)
{
    CFrameBuilder frame(100, 0);
    frame.U16(10).Text("Quick test");
    for (int i = 0; i < 10; ++i)
        frame.Text("System " + std::to_string(i)).Text((turn + i) % 3 ? "OK" : "Testing");
    return frame.Build();
}

// Layout 5: four text fields, two soft keys and a table page of 10 rows.
Frame StatusListRequest(int turn)
{
    CFrameBuilder frame(120, 0);
    frame.U16(2).U16(5).Text("Status").Text("Module").Text(std::to_string(turn)).Text("Running").Text("");
    frame.Text("Start").U8(0x04).Text("Stop").U8(0x04);
    frame.U8(1).U16(10).U16(10).U16(0);
    for (int i = 0; i < 10; ++i)
        frame.Text("Signal " + std::to_string(i)).Text("V").Text(Number((turn * 3 + i) % 150, 1));
    return frame.Build();
}

// The shell of one run, with the exchange block and the turn token it made.
class CShell {
public:
    explicit CShell(const std::wstring& folder) : m_process(Start(folder + L"\\Display.exe", L"", folder))
    {
        m_main = WaitForWindow(L"Nuthawk", true);
        if (!m_main)
            return;
        SendMessageW(m_main, WM_COMMAND, 3007, 0);  // the maker chooser makes the exchange block
        m_mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, "DisplayDiagnoseData");
        if (m_mapping)
            m_block = static_cast<uint8_t*>(MapViewOfFile(m_mapping, FILE_MAP_ALL_ACCESS, 0, 0, kBlockSize));
        m_token = OpenSemaphoreW(SEMAPHORE_ALL_ACCESS, FALSE, L"hSemaphore");
    }
    ~CShell()
    {
        if (m_main)
            PostMessageW(m_main, WM_CLOSE, 0, 0);
        if (m_process.hProcess && WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0)
            TerminateProcess(m_process.hProcess, 1);
        if (m_block)
            UnmapViewOfFile(m_block);
        for (HANDLE handle : {m_process.hProcess, m_process.hThread, m_token, m_mapping})
            if (handle)
                CloseHandle(handle);
    }
    CShell(const CShell&) = delete;
    CShell& operator=(const CShell&) = delete;

    bool IsReady() const { return m_main && m_block && m_token; }
    HWND ActiveView() const { return GetDlgItem(m_main, kActivePane); }
    void Command(int id) const { SendMessageW(m_main, WM_COMMAND, static_cast<WPARAM>(id), 0); }

    // One request and its answer; `answer` plays the user where the screen waits for one.
    void Turn(const Frame& request, const std::function<void()>& answer = nullptr) const
    {
        memcpy(m_block, request.data(), request.size());
        SendMessageW(m_main, kRequest, 0, 0);
        if (answer)
            answer();
        WaitForSingleObject(m_token, kTurnTimeoutMs);
        ReleaseSemaphore(m_token, 1, nullptr);
    }

    double Turns(int turns, Frame (*request)(int), const std::function<void()>& answer = nullptr) const
    {
        std::vector<Frame> requests;
        for (int i = 0; i < turns; ++i)
            requests.push_back(request(i));
        const auto start = Clock::now();
        for (const Frame& frame : requests)
            Turn(frame, answer);
        return turns / Seconds(start);
    }

private:
    PROCESS_INFORMATION m_process;
    HWND m_main = nullptr;
    HANDLE m_mapping = nullptr;
    uint8_t* m_block = nullptr;
    HANDLE m_token = nullptr;
};

struct FIGURE {
    std::string name;
    double limit;  // at most this many ping-pong turns' time per turn; 0: no target, for reading the others
    double bare;   // ping-pong turns per second, measured just before
    double turns;  // the figure's turns per second
    std::string limitedBy;  // what stands between the figure and its limit when it misses
};

class CBench {
public:
    CBench(HWND partner, HANDLE token, std::string only) : m_partner(partner), m_token(token), m_only(std::move(only))
    {
    }

    bool Wants(const std::string& name) const { return name.find(m_only) != std::string::npos; }

    void Measure(const std::string& name, double limit, const std::function<double()>& turns, int pingPongTurns,
                 const std::string& limitedBy = "")
    {
        if (!Wants(name))
            return;
        const double bare = PingPong(m_partner, m_token, pingPongTurns);
        m_figures.push_back({name, limit, bare, turns(), limitedBy});
    }

    // The ping-pong with one repaint per turn, as a ratio to the bare one: the least a screen that
    // redraws at every request can cost here.
    void MeasureRepaint(int turns)
    {
        const double bare = PingPong(m_partner, m_token, turns);
        m_repaintRatio = bare / PingPong(m_partner, m_token, turns, true);
    }

    void Print() const
    {
        std::printf("%-34s %10s %10s %8s %8s\n", "figure", "turns/s", "bare/s", "ratio", "limit");
        for (const FIGURE& f : m_figures) {
            const double ratio = f.bare / f.turns;
            const bool within = ratio <= f.limit;
            if (f.limit <= 0) {  // no target: measured for reading the others
                std::printf("%-34s %10.0f %10.0f %7.2fx\n", f.name.c_str(), f.turns, f.bare, ratio);
                continue;
            }
            std::printf("%-34s %10.0f %10.0f %7.2fx %7.1fx  %s\n", f.name.c_str(), f.turns, f.bare, ratio, f.limit,
                        within ? "met" : "MISSED");
            if (!within && !f.limitedBy.empty())
                std::printf("%36s%s\n", "", f.limitedBy.c_str());
        }
        if (m_repaintRatio > 0)
            std::printf("for reading them: a ping-pong whose partner repaints 20 rows per turn: %.2fx the bare one\n",
                        m_repaintRatio);
    }

private:
    HWND m_partner;
    HANDLE m_token;
    std::string m_only;
    std::vector<FIGURE> m_figures;
    double m_repaintRatio = 0;
};

// The live-data turn with one row drawn as a graph: the first request builds the page, a click
// chooses a row and the Wave key draws it.
double LiveDataTurns(const CShell& shell)
{
    shell.Turn(LiveDataRequest(0));
    SendMessageW(shell.ActiveView(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 60));
    SendMessageW(shell.ActiveView(), WM_LBUTTONUP, 0, MAKELPARAM(40, 60));
    shell.Command(3010);
    return shell.Turns(kLiveDataTurns, LiveDataRequest);
}

// Menus answered by a click on the first row. The user clicks on the screen in front; which window
// that is is asked once, after a first turn brought the menu up, since asking another process for
// a child window costs a round trip to the Wine server for each of the frame's many children.
double MenuTurns(const CShell& shell, Frame (*request)(int))
{
    const auto clickOn = [](HWND screen) { SendMessageW(screen, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 19)); };
    shell.Turn(request(0), [&] { clickOn(shell.ActiveView()); });
    const HWND menu = shell.ActiveView();
    return shell.Turns(kMenuTurns, request, [&] { clickOn(menu); });
}

// The folder's Config.xml with the unit mode set, given back as it was when the run ends.
class CUnitMode {
public:
    CUnitMode(const std::wstring& folder, int mode) : m_path(folder + L"\\Config.xml")
    {
        std::ifstream in(m_path, std::ios::binary);
        std::stringstream content;
        content << in.rdbuf();
        m_original = content.str();
        std::string changed = m_original;
        const std::string key = "UNITMODE=\"";
        const size_t at = changed.find(key);
        if (at == std::string::npos)
            return;
        changed[at + key.size()] = static_cast<char>('0' + mode);
        std::ofstream(m_path, std::ios::binary) << changed;
        m_changed = true;
    }
    ~CUnitMode()
    {
        if (m_changed)
            std::ofstream(m_path, std::ios::binary) << m_original;
    }
    bool IsSet() const { return m_changed; }

private:
    std::filesystem::path m_path;
    std::string m_original;
    bool m_changed = false;
};

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc > 1 && std::wstring(argv[1]) == L"--partner")
        return RunPartner();
    if (argc < 2) {
        std::printf("usage: bench_exchange <program folder>\n");
        return 2;
    }
    const std::wstring folder = argv[1];

    HANDLE benchToken = CreateSemaphoreW(nullptr, 1, 1, L"BenchToken");
    const PROCESS_INFORMATION partner = Start(OwnPath(), L"--partner", L"");
    const HWND partnerWindow = WaitForWindow(L"BenchPartner", false);
    if (!partnerWindow) {
        std::printf("the ping-pong partner did not show its window\n");
        return 1;
    }
    const std::wstring only = argc > 2 ? argv[2] : L"";
    CBench bench(partnerWindow, benchToken, std::string(only.begin(), only.end()));
    bool ready = true;
    {
        const CShell shell(folder);
        ready = shell.IsReady();
        if (ready) {
            bench.Measure("text request (0xFD)", 1.3, [&] { return shell.Turns(kTurns, TextRequest); }, kTurns);
            bench.Measure("300-item menu + click", 4, [&] { return MenuTurns(shell, MenuRequest); }, kTurns);
            bench.Measure("(20-item menu + click)", 0, [&] { return MenuTurns(shell, ShortMenuRequest); }, kTurns);
            bench.Measure("live data, 20 items, metric", 3, [&] { return LiveDataTurns(shell); }, kTurns);
            bench.Measure("progress screen", 1.3, [&] { return shell.Turns(kTurns, ProgressRequest); }, kTurns);
            bench.Measure("short test, no key", 1.3, [&] { return shell.Turns(kTurns, ShortTestRequest); }, kTurns);
            bench.Measure("status list, no key", 1.3, [&] { return shell.Turns(kTurns, StatusListRequest); }, kTurns);
        }
    }
    if (ready && bench.Wants("live data, 20 items, British")) {
        const CUnitMode british(folder, 1);
        const CShell shell(folder);
        ready = british.IsSet() && shell.IsReady();
        if (ready)
            bench.Measure("live data, 20 items, British", 3, [&] { return LiveDataTurns(shell); }, kTurns);
    }
    if (ready) {
        if (only.empty())
            bench.MeasureRepaint(kTurns);
        bench.Print();
    }
    else
        std::printf("the shell did not show its window, or the exchange block or the token is missing\n");

    TerminateProcess(partner.hProcess, 0);
    for (HANDLE handle : {partner.hProcess, partner.hThread, benchToken})
        CloseHandle(handle);
    return ready ? 0 : 1;
}
