// Stand-in for the maker's diagnostic program: drives the shell through the exchange block, from a
// script or its built-in demo. See README.md beside this file.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr size_t kBlockSize = 0x10000;
constexpr size_t kMailboxOffset = 0xFFFC;
constexpr UINT kRequestMessage = WM_APP + 0x6EF;

enum ExitCode { kPassed = 0, kExpectationFailed = 1, kNoShell = 2, kNoAnswer = 3 };

std::wstring OwnFolder()
{
    wchar_t path[MAX_PATH] = {};
    const std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return self.substr(0, self.find_last_of(L'\\') + 1);
}

std::string Hex(const uint8_t* bytes, size_t count)
{
    std::string text;
    char pair[4];
    for (size_t i = 0; i < count; ++i) {
        std::snprintf(pair, sizeof(pair), "%02X", bytes[i]);
        text += pair;
        if (i + 1 < count)
            text += ' ';
    }
    return text;
}

std::vector<uint8_t> ParseHex(std::istream& in)
{
    std::vector<uint8_t> bytes;
    std::string pair;
    while (in >> pair)
        bytes.push_back(static_cast<uint8_t>(std::strtoul(pair.c_str(), nullptr, 16)));
    return bytes;
}

std::string Trim(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

class CShellLink {
public:
    ~CShellLink()
    {
        if (m_view)
            UnmapViewOfFile(m_view);
        if (m_mapping)
            CloseHandle(m_mapping);
        if (m_token)
            CloseHandle(m_token);
    }

    bool Connect(DWORD timeoutMs)
    {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < timeoutMs) {
            if (!m_mapping)
                m_mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, "DisplayDiagnoseData");
            if (m_mapping && !m_view)
                m_view = static_cast<uint8_t*>(MapViewOfFile(m_mapping, FILE_MAP_ALL_ACCESS, 0, 0, kBlockSize));
            if (!m_token)
                m_token = OpenSemaphoreW(SEMAPHORE_ALL_ACCESS, FALSE, L"hSemaphore");
            if (m_view && m_token) {
                const std::string caption(reinterpret_cast<const char*>(m_view), strnlen(reinterpret_cast<const char*>(m_view), 256));
                m_window = caption.empty() ? nullptr : FindWindowA(nullptr, caption.c_str());
                if (m_window)
                    return true;
            }
            Sleep(50);
        }
        return false;
    }

    // Sends one request frame (already in place) and waits for its answer.
    bool Exchange(DWORD timeoutMs)
    {
        SendMessageW(m_window, kRequestMessage, 0, 0);
        if (WaitForSingleObject(m_token, timeoutMs) != WAIT_OBJECT_0)
            return false;
        m_answer.assign(m_view, m_view + kMailboxOffset);
        ReleaseSemaphore(m_token, 1, nullptr);
        return true;
    }

    // Takes a key posted through the mailbox; 0 when none waits.
    int TakeKey()
    {
        volatile uint8_t* mailbox = m_view + kMailboxOffset;
        if (mailbox[0] == mailbox[1])
            return 0;
        const int key = mailbox[2];
        mailbox[1] = static_cast<uint8_t>(mailbox[1] + 1);
        return key;
    }

    uint8_t* Block() { return m_view; }
    const std::vector<uint8_t>& Answer() const { return m_answer; }

private:
    HANDLE m_mapping = nullptr;
    uint8_t* m_view = nullptr;
    HANDLE m_token = nullptr;
    HWND m_window = nullptr;
    std::vector<uint8_t> m_answer;
};

class CRequest {
public:
    explicit CRequest(uint8_t command, uint8_t option = 0) : m_bytes{0, 0, command, option} {}
    CRequest& Text(const std::string& text)
    {
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        m_bytes.push_back(0);
        return *this;
    }
    CRequest& BE16(uint16_t value)
    {
        m_bytes.push_back(static_cast<uint8_t>(value >> 8));
        m_bytes.push_back(static_cast<uint8_t>(value));
        return *this;
    }
    CRequest& Bytes(const std::vector<uint8_t>& bytes)
    {
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
        return *this;
    }
    // A frame given whole, its length field as it stands (true or not).
    static CRequest Raw(const std::vector<uint8_t>& bytes)
    {
        CRequest request(0);
        request.m_bytes = bytes;
        request.m_rawLength = true;
        return request;
    }
    // Writes the frame with its length into the block.
    void WriteTo(uint8_t* block) const
    {
        const size_t length = std::min(m_bytes.size(), kMailboxOffset);
        std::copy_n(m_bytes.begin(), length, block);
        if (m_rawLength)
            return;
        block[0] = static_cast<uint8_t>(length >> 8);
        block[1] = static_cast<uint8_t>(length);
    }

private:
    std::vector<uint8_t> m_bytes;
    bool m_rawLength = false;
};

class CMaker {
public:
    explicit CMaker(const std::wstring& transcript) : m_transcript(std::filesystem::path(transcript), std::ios::binary) {}

    int Result() const { return m_result; }

    bool Connect(DWORD timeoutMs)
    {
        if (m_link.Connect(timeoutMs))
            return true;
        Log("FAIL the shell's exchange block, token or window was not found");
        m_result = kNoShell;
        return false;
    }

    bool Send(const CRequest& request, const std::string& summary)
    {
        m_lastRequest = request;
        m_lastSummary = summary;
        request.WriteTo(m_link.Block());
        Log("> " + summary);
        if (!m_link.Exchange(m_answerTimeoutMs)) {
            Log("FAIL no answer in time");
            m_result = kNoAnswer;
            return false;
        }
        const auto& answer = m_link.Answer();
        const size_t length = std::min<size_t>(std::max<size_t>(answer[0] << 8 | answer[1], 8), 64);
        Log("< " + Hex(answer.data(), length));
        return true;
    }

    // Sends the last request again, as a program polling a screen does, until the answer's byte at
    // `offset` is `value`; at most `limit` more requests.
    bool Repeat(size_t offset, uint8_t value, int limit, const std::string& line)
    {
        for (int sent = 0; sent <= limit; ++sent) {
            if (AnswerBytes(offset, 1) == std::vector<uint8_t>{value}) {
                Expect(true, line);
                return true;
            }
            if (sent == limit || !m_lastRequest || !Send(*m_lastRequest, m_lastSummary))
                break;
        }
        Expect(false, line);
        return m_result != kNoAnswer;
    }

    void Expect(bool held, const std::string& what)
    {
        Log(std::string(held ? "ok " : "FAIL ") + what);
        if (!held && m_result == kPassed)
            m_result = kExpectationFailed;
    }

    std::vector<uint8_t> AnswerBytes(size_t offset, size_t count) const
    {
        const auto& answer = m_link.Answer();
        if (offset >= answer.size())
            return {};
        return std::vector<uint8_t>(answer.begin() + static_cast<ptrdiff_t>(offset),
                                    answer.begin() + static_cast<ptrdiff_t>(std::min(answer.size(), offset + count)));
    }

    std::u16string AnswerUtf16(size_t offset) const
    {
        std::u16string text;
        const auto& answer = m_link.Answer();
        for (size_t i = offset; i + 1 < answer.size(); i += 2) {
            const char16_t unit = static_cast<char16_t>(answer[i] | answer[i + 1] << 8);
            if (!unit)
                break;
            text.push_back(unit);
        }
        return text;
    }

    std::string AnswerText(size_t offset) const
    {
        std::string text;
        const auto& answer = m_link.Answer();
        for (size_t i = offset; i < answer.size() && answer[i]; ++i)
            text.push_back(static_cast<char>(answer[i]));
        return text;
    }

    int TakeKey() { return m_link.TakeKey(); }
    void Fill(size_t offset, size_t count, uint8_t value)
    {
        for (size_t i = offset; i < offset + count && i < kMailboxOffset; ++i)
            m_link.Block()[i] = value;
    }
    void SetAnswerTimeout(DWORD ms) { m_answerTimeoutMs = ms; }
    void Log(const std::string& line)
    {
        m_transcript << line << "\n";
        m_transcript.flush();
    }

private:
    CShellLink m_link;
    std::ofstream m_transcript;
    int m_result = kPassed;
    DWORD m_answerTimeoutMs = 60000;
    std::optional<CRequest> m_lastRequest;
    std::string m_lastSummary;
};

std::u16string Utf16(const std::string& utf8)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(std::max(length, 1)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide.data(), length);
    wide.resize(wcslen(wide.c_str()));
    return std::u16string(wide.begin(), wide.end());
}

CRequest MenuRequest(int selection, int firstRow, const std::string& title, const std::vector<std::string>& items)
{
    CRequest request(0);
    request.BE16(static_cast<uint16_t>(selection)).BE16(static_cast<uint16_t>(firstRow));
    request.BE16(static_cast<uint16_t>(items.size())).Text(title);
    for (const auto& item : items)
        request.Text(item);
    return request;
}

// One line of a script; false ends the run.
bool RunLine(CMaker& maker, const std::string& line)
{
    std::istringstream in(line);
    std::string command;
    in >> command;
    std::string rest;
    std::getline(in, rest);
    rest = Trim(rest);
    std::istringstream args(rest);

    if (command == "wait-window") {
        int seconds = 30;
        args >> seconds;
        return maker.Connect(static_cast<DWORD>(seconds) * 1000);
    }
    if (command == "timeout") {
        int seconds = 60;
        args >> seconds;
        maker.SetAnswerTimeout(static_cast<DWORD>(seconds) * 1000);
        return true;
    }
    if (command == "sleep") {
        int ms = 0;
        args >> ms;
        Sleep(static_cast<DWORD>(ms));
        return true;
    }
    if (command == "start") {
        std::string a, version, b;
        args >> a >> version >> b;
        return maker.Send(CRequest(0xFF).Text(a).Text(version).Text(b), line);
    }
    if (command == "end")
        return maker.Send(CRequest(0xFE), line);
    if (command == "text") {
        unsigned id = 0;
        args >> std::hex >> id;
        return maker.Send(CRequest(0xFD).BE16(static_cast<uint16_t>(id)), line);
    }
    if (command == "help")
        return maker.Send(CRequest(0x82).Text(rest), line);
    if (command == "question")
        return maker.Send(CRequest(101).BE16(0).Text(rest), line);
    if (command == "menu") {
        int selection = -1, firstRow = 0;
        std::string title;
        args >> selection >> firstRow >> title;
        std::vector<std::string> items;
        const size_t bar = rest.find('|');
        for (size_t start = bar; start != std::string::npos;) {
            const size_t next = rest.find('|', start + 1);
            items.push_back(Trim(rest.substr(start + 1, next == std::string::npos ? std::string::npos : next - start - 1)));
            start = next;
        }
        return maker.Send(MenuRequest(selection, firstRow, title == "-" ? "" : title, items), line);
    }
    if (command == "menu-numbered") {
        int selection = -1, firstRow = 0, count = 0;
        std::string prefix;
        args >> selection >> firstRow >> count >> prefix;
        std::vector<std::string> items;
        for (int i = 1; i <= count; ++i)
            items.push_back(prefix + " " + std::to_string(i));
        return maker.Send(MenuRequest(selection, firstRow, "", items), line);
    }
    if (command == "code") {
        unsigned code = 0;
        args >> std::hex >> code;
        return maker.Send(CRequest(static_cast<uint8_t>(code)).Bytes(ParseHex(args)), line);
    }
    if (command == "raw")
        return maker.Send(CRequest::Raw(ParseHex(args)), line);
    if (command == "fill") {
        // fill <offset> <count> <hex byte>: bytes without terminators, up to the mailbox
        size_t offset = 0, count = 0;
        unsigned value = 0;
        args >> offset >> count >> std::hex >> value;
        maker.Fill(offset, count, static_cast<uint8_t>(value));
        return true;
    }
    if (command == "repeat-until") {
        // repeat-until <offset> <hex byte> <most requests>
        size_t offset = 0;
        unsigned value = 0;
        int limit = 0;
        args >> offset >> std::hex >> value >> std::dec >> limit;
        return maker.Repeat(offset, static_cast<uint8_t>(value), limit, line);
    }
    if (command == "expect") {
        size_t offset = 0;
        args >> offset;
        const std::vector<uint8_t> expected = ParseHex(args);
        maker.Expect(maker.AnswerBytes(offset, expected.size()) == expected, line);
        return true;
    }
    if (command == "expect-utf16") {
        size_t offset = 0;
        args >> offset;
        std::string text;
        std::getline(args, text);
        maker.Expect(maker.AnswerUtf16(offset) == Utf16(Trim(text)), line);
        return true;
    }
    if (command == "expect-text") {
        size_t offset = 0;
        args >> offset;
        std::string text;
        std::getline(args, text);
        maker.Expect(maker.AnswerText(offset) == Trim(text), line);
        return true;
    }
    if (command == "log-utf16") {
        size_t offset = 0;
        args >> offset;
        const std::u16string text = maker.AnswerUtf16(offset);
        const std::wstring wide(text.begin(), text.end());
        const int length = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string utf8(static_cast<size_t>(std::max(length, 1)), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, utf8.data(), length, nullptr, nullptr);
        maker.Log("text " + std::string(utf8.c_str()));
        return true;
    }
    if (command == "expect-key") {
        int key = 0;
        args >> key;
        maker.Expect(maker.TakeKey() == key, line);
        return true;
    }
    maker.Expect(false, "unknown command: " + line);
    return false;
}

int RunScript(CMaker& maker, const std::wstring& script)
{
    std::ifstream in(std::filesystem::path(script), std::ios::binary);
    if (!in) {
        maker.Expect(false, "the script cannot be read");
        return kNoShell;
    }
    if (!maker.Connect(30000))
        return maker.Result();
    std::string line;
    while (std::getline(in, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == '#')
            continue;
        if (!RunLine(maker, line))
            break;
    }
    return maker.Result();
}

// The built-in demo: nested menus until Back on the top menu ends the diagnosis.
int RunDemo(CMaker& maker)
{
    if (!maker.Connect(30000))
        return maker.Result();
    const std::vector<std::string> systems = {"Engine", "Automatic transmission", "ABS", "Airbag", "Body control"};
    const std::vector<std::string> functions = {"Read trouble codes", "Clear trouble codes", "Live data",
                                                "Actuator test", "Version information"};
    if (!maker.Send(CRequest(0xFF).Text("DEMO").Text("3.25").Text("1.0"), "start"))
        return maker.Result();
    int system = -1;
    int top = -1;
    while (true) {
        const bool inSystem = system >= 0;
        if (!maker.Send(MenuRequest(-1, 0, "", inSystem ? functions : systems), inSystem ? systems[system] : "systems"))
            return maker.Result();
        const auto answer = maker.AnswerBytes(4, 2);
        const int chosen = answer.size() == 2 ? (answer[0] << 8 | answer[1]) : 0xFFFF;
        if (chosen == 0xFFFF) {
            if (!inSystem)
                break;
            system = -1;
        } else if (!inSystem && chosen < static_cast<int>(systems.size())) {
            system = top = chosen;
        }
    }
    (void)top;
    maker.Send(CRequest(0xFE), "end");
    return maker.Result();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    std::wstring script;
    std::wstring transcript = OwnFolder() + L"maker-transcript.txt";
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; arguments && i + 1 < count; ++i) {
        const std::wstring argument = arguments[i];
        if (argument == L"--script")
            script = arguments[++i];
        else if (argument == L"--transcript")
            transcript = arguments[++i];
    }
    LocalFree(arguments);
    if (script.empty() && GetFileAttributesW((OwnFolder() + L"maker-script.txt").c_str()) != INVALID_FILE_ATTRIBUTES)
        script = OwnFolder() + L"maker-script.txt";

    CMaker maker(transcript);
    return script.empty() ? RunDemo(maker) : RunScript(maker, script);
}
