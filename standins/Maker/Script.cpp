#include "Script.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace {

std::string Trim(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// Hexadecimal byte pairs; false when a word is not one.
bool ParseHex(std::istream& in, std::vector<uint8_t>& bytes)
{
    std::string pair;
    while (in >> pair) {
        char* end = nullptr;
        const unsigned long value = std::strtoul(pair.c_str(), &end, 16);
        if (pair.size() > 2 || *end || value > 0xFF)
            return false;
        bytes.push_back(static_cast<uint8_t>(value));
    }
    return true;
}

std::u16string Utf16(const std::string& utf8)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(std::max(length, 1)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide.data(), length);
    wide.resize(wcslen(wide.c_str()));
    return std::u16string(wide.begin(), wide.end());
}

std::string Utf8(const std::u16string& text)
{
    const std::wstring wide(text.begin(), text.end());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(std::max(length, 1)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, utf8.data(), length, nullptr, nullptr);
    return utf8.c_str();
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

enum class LineResult { kGoOn, kStop, kMalformed };

LineResult Sent(bool sent) { return sent ? LineResult::kGoOn : LineResult::kStop; }

class CScriptRun {
public:
    explicit CScriptRun(CMaker& maker) : m_maker(maker) {}

    LineResult Run(const std::string& line);
    bool DiagnosisOpen() const { return m_diagnosisOpen; }

private:
    LineResult RunSession(const std::string& command, std::istringstream& args, const std::string& rest, const std::string& line);
    LineResult RunRequest(const std::string& command, std::istringstream& args, const std::string& rest, const std::string& line);
    LineResult RunCheck(const std::string& command, std::istringstream& args, const std::string& line);

    CMaker& m_maker;
    bool m_diagnosisOpen = false;
};

LineResult CScriptRun::Run(const std::string& line)
{
    std::istringstream in(line);
    std::string command;
    in >> command;
    std::string rest;
    std::getline(in, rest);
    rest = Trim(rest);
    std::istringstream args(rest);
    for (auto part : {&CScriptRun::RunSession, &CScriptRun::RunRequest}) {
        const LineResult result = (this->*part)(command, args, rest, line);
        if (result != LineResult::kMalformed || command.empty())
            return result;
    }
    return RunCheck(command, args, line);
}

// Commands that pace the run and touch the block without a request.
LineResult CScriptRun::RunSession(const std::string& command, std::istringstream& args, const std::string&,
                                  const std::string&)
{
    if (command == "wait-window") {
        int seconds = 30;
        args >> seconds;
        return m_maker.Connect(static_cast<DWORD>(seconds) * 1000) ? LineResult::kGoOn : LineResult::kStop;
    }
    if (command == "timeout" || command == "sleep") {
        int value = 0;
        if (!(args >> value) || value < 0)
            return LineResult::kMalformed;
        if (command == "timeout")
            m_maker.SetAnswerTimeout(static_cast<DWORD>(value) * 1000);
        else
            Sleep(static_cast<DWORD>(value));
        return LineResult::kGoOn;
    }
    if (command == "fill") {
        // fill <offset> <count> <hex byte>: bytes without terminators, up to the mailbox
        size_t offset = 0, count = 0;
        unsigned value = 0;
        if (!(args >> offset >> count >> std::hex >> value) || value > 0xFF)
            return LineResult::kMalformed;
        m_maker.Fill(offset, count, static_cast<uint8_t>(value));
        return LineResult::kGoOn;
    }
    return LineResult::kMalformed;
}

LineResult CScriptRun::RunRequest(const std::string& command, std::istringstream& args, const std::string& rest,
                                  const std::string& line)
{
    if (command == "start") {
        std::string a, version, b;
        if (!(args >> a >> version >> b))
            return LineResult::kMalformed;
        m_diagnosisOpen = true;
        return Sent(m_maker.Send(CRequest(0xFF).Text(a).Text(version).Text(b), line));
    }
    if (command == "end") {
        m_diagnosisOpen = false;
        return Sent(m_maker.Send(CRequest(0xFE), line));
    }
    if (command == "text") {
        unsigned id = 0;
        if (!(args >> std::hex >> id) || id > 0xFFFF)
            return LineResult::kMalformed;
        return Sent(m_maker.Send(CRequest(0xFD).BE16(static_cast<uint16_t>(id)), line));
    }
    if (command == "help")
        return Sent(m_maker.Send(CRequest(0x82).Text(rest), line));
    if (command == "question")
        return Sent(m_maker.Send(CRequest(101).BE16(0).Text(rest), line));
    if (command == "menu") {
        int selection = -1, firstRow = 0;
        std::string title;
        if (!(args >> selection >> firstRow >> title))
            return LineResult::kMalformed;
        std::vector<std::string> items;
        const size_t bar = rest.find('|');
        for (size_t start = bar; start != std::string::npos;) {
            const size_t next = rest.find('|', start + 1);
            items.push_back(Trim(rest.substr(start + 1, next == std::string::npos ? std::string::npos : next - start - 1)));
            start = next;
        }
        return Sent(m_maker.Send(MenuRequest(selection, firstRow, title == "-" ? "" : title, items), line));
    }
    if (command == "menu-numbered") {
        int selection = -1, firstRow = 0, count = 0;
        std::string prefix;
        if (!(args >> selection >> firstRow >> count >> prefix) || count < 0)
            return LineResult::kMalformed;
        std::vector<std::string> items;
        for (int i = 1; i <= count; ++i)
            items.push_back(prefix + " " + std::to_string(i));
        return Sent(m_maker.Send(MenuRequest(selection, firstRow, "", items), line));
    }
    if (command == "code") {
        unsigned code = 0;
        std::vector<uint8_t> payload;
        if (!(args >> std::hex >> code) || code > 0xFF || !ParseHex(args, payload))
            return LineResult::kMalformed;
        return Sent(m_maker.Send(CRequest(static_cast<uint8_t>(code)).Bytes(payload), line));
    }
    if (command == "raw") {
        std::vector<uint8_t> frame;
        if (!ParseHex(args, frame) || frame.empty())
            return LineResult::kMalformed;
        return Sent(m_maker.Send(CRequest::Raw(frame), line));
    }
    if (command == "repeat-until") {
        // repeat-until <offset> <hex byte> <most requests>
        size_t offset = 0;
        unsigned value = 0;
        int limit = 0;
        if (!(args >> offset >> std::hex >> value >> std::dec >> limit) || value > 0xFF)
            return LineResult::kMalformed;
        return Sent(m_maker.Repeat(offset, static_cast<uint8_t>(value), limit, line));
    }
    return LineResult::kMalformed;
}

// Checks on the last answer.
LineResult CScriptRun::RunCheck(const std::string& command, std::istringstream& args, const std::string& line)
{
    size_t offset = 0;
    if (command == "expect-key") {
        int key = 0;
        if (!(args >> key))
            return LineResult::kMalformed;
        m_maker.Expect(m_maker.TakeKey() == key, line);
        return LineResult::kGoOn;
    }
    if (!(args >> offset))
        return LineResult::kMalformed;
    if (command == "expect") {
        std::vector<uint8_t> expected;
        if (!ParseHex(args, expected) || expected.empty())
            return LineResult::kMalformed;
        m_maker.Expect(m_maker.AnswerBytes(offset, expected.size()) == expected, line);
        return LineResult::kGoOn;
    }
    std::string text;
    std::getline(args, text);
    text = Trim(text);
    if (command == "expect-utf16") {
        m_maker.Expect(m_maker.AnswerUtf16(offset) == Utf16(text), line);
        return LineResult::kGoOn;
    }
    if (command == "expect-text") {
        m_maker.Expect(m_maker.AnswerText(offset) == text, line);
        return LineResult::kGoOn;
    }
    if (command == "log-utf16") {
        m_maker.Log("text " + Utf8(m_maker.AnswerUtf16(offset)));
        return LineResult::kGoOn;
    }
    return LineResult::kMalformed;
}

}  // namespace

int RunScript(CMaker& maker, const std::wstring& script)
{
    std::ifstream in(std::filesystem::path(script), std::ios::binary);
    if (!in) {
        maker.Expect(false, "the script cannot be read");
        return kNoShell;
    }
    if (!maker.Connect(30000))
        return maker.Result();
    CScriptRun run(maker);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        line = Trim(line);
        if (line.empty() || line[0] == '#')
            continue;
        const LineResult result = run.Run(line);
        if (result == LineResult::kGoOn)
            continue;
        if (result == LineResult::kMalformed) {
            maker.Expect(false, "line " + std::to_string(number) + " is not a command this program knows: " + line);
            if (run.DiagnosisOpen())
                maker.Send(CRequest(0xFE), "end (after the malformed line)");
        }
        break;
    }
    return maker.Result();
}
