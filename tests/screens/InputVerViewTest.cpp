// The value-input screen (command 70) and the version-list screen (command 50) in the main frame:
// requests written into the exchange block and sent as the diagnostic program sends them.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "../frame/FrameFixture.h"
#include "ExchangeBuffer.h"
#include "InputView.h"
#include "MakerView.h"
#include "ProcessValues.h"
#include "SharedHandles.h"
#include "VerView.h"
#include "resource.h"

namespace {

using namespace std::string_literals;
using Pairs = std::vector<std::pair<std::string, std::string>>;

class ValueScreensTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        SetExchangeToken(CreateSemaphoreW(nullptr, 1, 1, nullptr));
        ASSERT_TRUE(frame->MakerView().CreateSharedMemory());
        block = frame->MakerView().SharedView();
        SetModalAnswerer([this](const MODAL_BOX& box) -> std::optional<int> {
            boxes.push_back(box.text);
            return IDOK;
        });
    }

    void Send(uint8_t command, const std::string& payload)
    {
        // The diagnostic program takes the turn before it writes, as the shell takes it back.
        ASSERT_EQ(WaitForSingleObject(ExchangeToken(), 0), WAIT_OBJECT_0);
        ReleaseSemaphore(ExchangeToken(), 1, nullptr);
        const std::string bytes = "\0\0"s + static_cast<char>(command) + '\0' + payload;
        std::memcpy(block, bytes.data(), bytes.size());
        frame->SendMsg(WM_APP + 0x6EF);
    }
    void SendInput(const std::string& prompt, const std::string& title, const std::string& value,
                   const std::string& type, const std::string& minimum, const std::string& maximum)
    {
        Send(70, prompt + '\0' + title + '\0' + value + '\0' + type.substr(0, 1) + '\0' + minimum + '\0' + maximum +
                     '\0');
    }
    void SendVersions(const std::string& title, const Pairs& pairs, uint16_t count)
    {
        std::string payload = {static_cast<char>(count >> 8), static_cast<char>(count)};
        payload += title + '\0';
        for (const auto& [name, value] : pairs)
            payload += name + '\0' + value + '\0';
        Send(50, payload);
    }

    bool TokenFree()
    {
        if (WaitForSingleObject(ExchangeToken(), 0) != WAIT_OBJECT_0)
            return false;
        ReleaseSemaphore(ExchangeToken(), 1, nullptr);
        return true;
    }
    std::string Answer(size_t bytes) const { return std::string(reinterpret_cast<const char*>(block), bytes); }

    // Lets queued messages and timers run until `done` holds, for at most two seconds.
    template <typename Condition>
    bool PumpUntil(Condition done)
    {
        for (int i = 0; i < 400 && !done(); ++i) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&message);
            Sleep(5);
        }
        return done();
    }

    CInputView& Input() { return *static_cast<CInputView*>(frame->View(CInputView::kViewId)); }
    CVerView& Versions() { return *static_cast<CVerView*>(frame->View(CVerView::kViewId)); }
    std::wstring Cell(int row, int column)
    {
        const wchar_t* text = Versions().Engine()->GetCellText(row, column);
        return text ? text : L"";
    }

    uint8_t* block = nullptr;
    std::vector<std::wstring> boxes;
};

TEST_F(ValueScreensTest, AnInputRequestShowsPromptTitleValueAndRule)
{
    frame->TitleBar().SetTitle(L"Menu");
    SendInput("Enter the mileage", "Odometer", "12", "9", "10", "20");
    EXPECT_EQ(frame->CurrentViewId(), CInputView::kViewId);
    EXPECT_FALSE(TokenFree()) << "the screen holds the turn until the user answers";
    EXPECT_EQ(Input().PromptText(), L"Enter the mileage");
    EXPECT_EQ(Input().GetText(), L"Odometer");
    EXPECT_EQ(frame->TitleBar().GetTitle(), L"Odometer");
    EXPECT_EQ(Input().ValueField().GetText(), L"12");
    EXPECT_EQ(Input().ValueField().InputRule(), L"9");
    EXPECT_EQ(GetFocus(), Input().ValueField().Handle());
    EXPECT_EQ(Input().ValueField().SendMsg(EM_GETLIMITTEXT), 249) << "the answer's length byte holds 249 + 6";
    for (int id : {3002, 3003, 3005})
        EXPECT_EQ(Input().CommandEnableState(id), false) << id;
}

struct RangeCase {
    const char* type;
    std::string typed;
    bool answered;
};

class InputRangeViewTest : public ValueScreensTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(InputRangeViewTest, AcceptAnswersAValueInRangeAndReportsOneOutside)
{
    CMultiCtrl::SetGraphRowCount(5);
    SendInput("Value", "", "", GetParam().type, "10", "20");
    const std::string& typed = GetParam().typed;
    Input().ValueField().SetText(std::wstring(typed.begin(), typed.end()));
    frame->SendMsg(WM_COMMAND, 3004);
    if (!GetParam().answered) {
        EXPECT_EQ(boxes, std::vector<std::wstring>{L"Values over range!"});
        EXPECT_FALSE(TokenFree()) << "the user may correct the value";
        Input().ValueField().SetText(L"15");
        frame->SendMsg(WM_COMMAND, 3004);
    }
    ASSERT_TRUE(TokenFree());
    const std::string text = GetParam().answered ? typed : "15";
    EXPECT_EQ(Answer(6 + text.size()), "\0"s + static_cast<char>(text.size() + 6) + "\x46\0\x01"s + text + '\0');
    EXPECT_EQ(CMultiCtrl::GraphRowCount(), 300);
}

INSTANTIATE_TEST_SUITE_P(Cases, InputRangeViewTest, ::testing::Values(
    RangeCase{"9", "15", true}, RangeCase{"9", "25", false}, RangeCase{"9", "9", false},
    RangeCase{"9", "12ab", true}, RangeCase{"A", "abc", true}, RangeCase{"X", "FF", true}));

TEST_F(ValueScreensTest, BackAnswersTheFieldsTextOnceAndAnEmptyTitleStaysEmpty)
{
    Input().SetText(L"old title");
    SendInput("Code", "", "AB", "A", "", "");
    EXPECT_EQ(Input().GetText(), L"");
    Input().ValueField().SendMsg(WM_CHAR, 'c', 1);
    Input().ValueField().SendMsg(WM_CHAR, '7', 1);  // refused by the letters rule
    frame->SendMsg(WM_COMMAND, 3001);
    EXPECT_EQ(Answer(9), "\0\x09\x46\0\x02" "cAB\0"s);  // typed at the caret, which a new text puts first
    std::memset(block, 0x5A, 16);  // the diagnostic program's next bytes
    frame->SendMsg(WM_COMMAND, 3001);
    frame->SendMsg(WM_COMMAND, 3004);
    EXPECT_EQ(Answer(2), "\x5A\x5A"s) << "nothing is written after the answer";
    EXPECT_TRUE(TokenFree());
}

constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);   // code page 1252
constexpr LANGID kChinese = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);  // code page 936

// Sets the thread's locale, and with it the thread's ANSI code page, for one test.
class ScopedThreadLocale {
public:
    explicit ScopedThreadLocale(LANGID language) : m_previous(GetThreadLocale())
    {
        SetThreadLocale(MAKELCID(language, SORT_DEFAULT));
    }
    ~ScopedThreadLocale() { SetThreadLocale(m_previous); }
    ScopedThreadLocale(const ScopedThreadLocale&) = delete;
    ScopedThreadLocale& operator=(const ScopedThreadLocale&) = delete;

private:
    LCID m_previous;
};

std::string Repeated(const std::string& text, size_t times)
{
    std::string all;
    for (size_t i = 0; i < times; ++i)
        all += text;
    return all;
}

std::wstring Repeated(const std::wstring& text, size_t times)
{
    std::wstring all;
    for (size_t i = 0; i < times; ++i)
        all += text;
    return all;
}

// The answer carries the typed text in the thread's ANSI code page, whatever the requests' text,
// in at most 249 bytes. The field lets in only what fits whole, so the answer is never cut inside a
// character and holds exactly what the user sees.
struct TypingCase {
    const char* name;
    LANGID threadLanguage;   // its code page is the answer's
    int dbFormat;            // the requests' text: 0 UTF-8, 1 the language's code page
    int codePage;            // the language's code page
    std::wstring character;  // typed as its UTF-16 units
    std::string narrow;      // its form in the thread's ANSI code page
    size_t kept;             // how many of 300 typed the field keeps
};

void PrintTo(const TypingCase& c, std::ostream* out)
{
    *out << c.name;
}

class InputTypingTest : public ValueScreensTest, public ::testing::WithParamInterface<TypingCase> {
protected:
    void SetUp() override
    {
        ValueScreensTest::SetUp();
        ASSERT_EQ(LANGIDFROMLCID(GetThreadLocale()), GetParam().threadLanguage);
        previousCodePage = ResGetCodePage();
        ResSetDbFormat(GetParam().dbFormat);
        ResSetCodePage(GetParam().codePage);
    }
    void TearDown() override
    {
        ResSetDbFormat(0);
        ResSetCodePage(previousCodePage);
        ValueScreensTest::TearDown();
    }
    // The character as a request carries it.
    static std::string RequestText(const std::wstring& character)
    {
        const UINT codePage = GetParam().dbFormat == 1 ? static_cast<UINT>(GetParam().codePage) : CP_UTF8;
        char bytes[16] = {};
        WideCharToMultiByte(codePage, 0, character.c_str(), -1, bytes, sizeof(bytes), nullptr, nullptr);
        return bytes;
    }
    void ExpectBackAnswers(size_t kept)
    {
        const std::string narrow = Repeated(GetParam().narrow, kept);
        ASSERT_LE(narrow.size(), 249u);
        EXPECT_EQ(Input().ValueField().GetText(), Repeated(GetParam().character, kept));
        frame->SendMsg(WM_COMMAND, 3001);
        ASSERT_TRUE(TokenFree());
        EXPECT_EQ(Answer(6 + narrow.size()),
                  "\0"s + static_cast<char>(narrow.size() + 6) + "\x46\0\x02"s + narrow + '\0');
    }

    ScopedThreadLocale threadLocale{GetParam().threadLanguage};
    int previousCodePage = 0;
};

TEST_P(InputTypingTest, TheFieldTakesWhatTheAnswerCarriesWhole)
{
    SendInput("Name", "", "", "A", "", "");
    for (int i = 0; i < 300; ++i) {
        for (wchar_t unit : GetParam().character)
            Input().ValueField().SendMsg(WM_CHAR, unit, 1);
    }
    ExpectBackAnswers(GetParam().kept);
}

TEST_P(InputTypingTest, ALongInitialValueIsCutBetweenCharacters)
{
    if (GetParam().kept == 0)
        GTEST_SKIP() << "the character has no form in the thread's code page";
    SendInput("Name", "", Repeated(RequestText(GetParam().character), 300), "A", "", "");
    ExpectBackAnswers(GetParam().kept);
    if (std::string(GetParam().name) == "one_byte")
        KeepSnapshot(L"input-long-value.png");
}

INSTANTIATE_TEST_SUITE_P(Cases, InputTypingTest, ::testing::Values(
    TypingCase{"ascii", kEnglish, 0, 1252, L"a", "a", 249},
    TypingCase{"one_byte", kEnglish, 0, 1252, L"\xE9", "\xE9", 249},
    TypingCase{"one_byte_whatever_the_language", kEnglish, 1, 936, L"\xE9", "\xE9", 249},
    TypingCase{"no_form_in_the_thread_code_page", kEnglish, 1, 936, L"\x4E2D", "", 0},
    TypingCase{"surrogate_pair_without_a_form", kEnglish, 0, 1252, L"\xD83D\xDE00", "", 0},
    TypingCase{"double_byte", kChinese, 0, 1252, L"\x4E2D", "\xD6\xD0", 124},
    TypingCase{"double_byte_latin", kChinese, 0, 1252, L"\xE9", "\xA8\xA6", 124},
    TypingCase{"double_byte_mixed_with_ascii", kChinese, 0, 1252, L"a\x4E2D", "a\xD6\xD0", 83},
    TypingCase{"double_byte_page_without_the_pair", kChinese, 0, 1252, L"\xD83D\xDE00", "", 0}),
    [](const ::testing::TestParamInfo<TypingCase>& param) { return std::string(param.param.name); });

// Text that comes in without being typed (pasted) is let in only when the answer carries it whole.
TEST_F(ValueScreensTest, APastedTextThatWouldNotFitIsNotLetIn)
{
    const ScopedThreadLocale chinese(kChinese);
    SendInput("Name", "", "", "A", "", "");
    CKeyEdit& field = Input().ValueField();
    for (int i = 0; i < 124; ++i)
        field.SendMsg(WM_CHAR, 0x4E2D, 1);  // two bytes each in code page 936: 248
    field.SendMsg(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\x4E2D"));
    EXPECT_EQ(field.GetText(), std::wstring(124, L'\x4E2D')) << "250 bytes do not fit";
    field.SendMsg(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"z"));
    EXPECT_EQ(field.GetText(), std::wstring(124, L'\x4E2D') + L"z") << "249 do";
    frame->SendMsg(WM_COMMAND, 3004);
    ASSERT_TRUE(TokenFree());
    EXPECT_EQ(Answer(255), "\0\xFF\x46\0\x01"s + Repeated("\xD6\xD0"s, 124) + "z\0"s);
}

TEST_F(ValueScreensTest, AVersionListIsDrawnAfterTheSwitchAndAnsweredByBack)
{
    SendVersions("Engine ECU", {{"Part number", "8E0 907"}, {"Software", "0030"}}, 2);
    EXPECT_EQ(frame->CurrentViewId(), CVerView::kViewId);
    ASSERT_TRUE(PumpUntil([&] { return Versions().Engine()->GetRowCount() == 2; }));
    EXPECT_EQ(Cell(0, 0), L"Part number");
    EXPECT_EQ(Cell(1, 1), L"0030");
    EXPECT_STREQ(Versions().Engine()->GetColumnTitle(0), L"Name");
    EXPECT_STREQ(Versions().Engine()->GetColumnTitle(1), L"Value");
    EXPECT_EQ(Versions().GetText(), L"Engine ECU");
    EXPECT_EQ(frame->TitleBar().GetTitle(), L"Engine ECU");
    EXPECT_EQ(Versions().CommandEnableState(3004), false);
    EXPECT_EQ(Versions().CommandEnableState(3003), false) << "one page only";
    EXPECT_FALSE(TokenFree());

    // The same count again: the rows stay and take the new texts; an empty title has its fallback.
    frame->SendMsg(WM_COMMAND, 3001);
    EXPECT_EQ(Answer(5), "\0\x05\x32\0\x01"s);
    SendVersions("", {{"Hardware", "H01"}, {"Coding", "0000"}}, 2);
    ASSERT_TRUE(PumpUntil([&] { return Cell(0, 0) == L"Hardware"; }));
    EXPECT_EQ(Cell(1, 1), L"0000");
    EXPECT_EQ(Versions().GetText(), L"Vehicle information");
    EXPECT_EQ(frame->TitleBar().GetTitle(), L"Vehicle information");
    frame->SendMsg(WM_COMMAND, 3001);
    EXPECT_TRUE(TokenFree());
}

TEST_F(ValueScreensTest, ALongVersionListIsCutAt255PairsAndPaged)
{
    Pairs pairs;
    for (int i = 0; i < 300; ++i)
        pairs.emplace_back("Name " + std::to_string(i), "Value " + std::to_string(i));
    SendVersions("Long", pairs, 300);
    ASSERT_TRUE(PumpUntil([&] { return Versions().Engine()->GetRowCount() == 255; }));
    EXPECT_EQ(Cell(254, 1), L"Value 254");
    EXPECT_EQ(Versions().CommandEnableState(3003), true);
    EXPECT_EQ(Versions().CommandEnableState(3002), false);
    frame->SendMsg(WM_COMMAND, 3003);
    EXPECT_EQ(Versions().CommandEnableState(3002), true);
    EXPECT_FALSE(TokenFree()) << "paging is the shell's own business";
    frame->SendMsg(WM_COMMAND, 3001);
    EXPECT_TRUE(TokenFree());
}

TEST_F(ValueScreensTest, BackBeforeTheListIsDrawnLeavesTheAnsweredBlockAlone)
{
    SendVersions("First", {{"a", "b"}}, 1);
    ASSERT_TRUE(PumpUntil([&] { return Versions().Engine()->GetRowCount() == 1; }));
    frame->SendMsg(WM_COMMAND, 3001);
    TokenFree();
    SendVersions("Second", {{"c", "d"}, {"e", "f"}}, 2);
    frame->SendMsg(WM_COMMAND, 3001);  // before the timer fires
    EXPECT_EQ(Answer(5), "\0\x05\x32\0\x01"s);
    Versions().DrawRequest();  // as the timer does when it fires
    EXPECT_EQ(Versions().Engine()->GetRowCount(), 1) << "an answered request is not drawn";
    EXPECT_EQ(Answer(5), "\0\x05\x32\0\x01"s);
}

}  // namespace
