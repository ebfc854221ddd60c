#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RepairPageRules.h"

using namespace RepairPageRules;

namespace {

TEST(RepairPageRules, TheBrowserIsNotGivenRightButtonReleasesOrMouseMoves)
{
    const struct {
        unsigned message;
        const char* name;
        bool passes;
    } cases[] = {
        {0x0200, "mouse move", false},        {0x0205, "right button up", false},
        {0x0204, "right button down", true},  {0x0206, "right double click", true},
        {0x0201, "left button down", true},   {0x0202, "left button up", true},
        {0x0203, "left double click", true},  {0x020A, "wheel", true},
        {0x0208, "middle button up", true},   {0x0100, "key down", true},
        {0x00A0, "non-client move", true},    {0x007B, "context menu", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PassesToBrowser(c.message), c.passes) << c.name;
}

struct NameCase {
    const wchar_t* text;
    bool safe;
};

TEST(RepairPageRules, MenuTextsAreCheckedBeforeTheyNameAFolder)
{
    const NameCase cases[] = {
        {L"Engine", true},      {L"Read codes", true}, {L"ABS 2.0", true}, {L"发动机", true},
        {L"", false},           {L".", false},         {L"..", false},     {L"a\\b", false},
        {L"a/b", false},        {L"C:", false},        {L"x*", false},     {L"what?", false},
        {L"<b>", false},        {L"a|b", false},       {L"trail.", false}, {L"trail ", false},
        {L"CON", false},        {L"con.txt", false},   {L"COM1", false},   {L"lpt9", false},
        {L"CONSOLE", true},     {L"COMA", true},       {L"tab\tx", false}, {L"\"q\"", false},
    };
    for (const NameCase& c : cases)
        EXPECT_EQ(IsSafeName(c.text), c.safe) << std::wstring(c.text).size() << " chars";
}

struct FolderCase {
    std::vector<std::wstring> nodes;
    const wchar_t* expected;  // nullptr: no page folder
};

TEST(RepairPageRules, PageFolderHoldsEveryTextButTheLast)
{
    const std::wstring maker = L"c:\\shell\\vehicle\\demo\\";
    const FolderCase cases[] = {
        {{}, L"c:\\shell\\vehicle\\demo\\repair_info\\EN\\"},
        {{L"Engine"}, L"c:\\shell\\vehicle\\demo\\repair_info\\EN\\"},
        {{L"Engine", L"Live data"}, L"c:\\shell\\vehicle\\demo\\repair_info\\EN\\Engine\\"},
        {{L"Engine", L"Live data", L"Group 1"}, L"c:\\shell\\vehicle\\demo\\repair_info\\EN\\Engine\\Live data\\"},
        {{L"..", L"x"}, nullptr},
        {{L"Engine", L"..\\..\\..", L"x"}, nullptr},
        {{L"c:\\windows", L"x"}, nullptr},
        {{L"Engine", L"..\\evil"}, L"c:\\shell\\vehicle\\demo\\repair_info\\EN\\Engine\\"},  // last is no folder
    };
    for (const FolderCase& c : cases) {
        const auto folder = PageFolder(maker, L"EN", c.nodes);
        if (!c.expected)
            EXPECT_FALSE(folder.has_value()) << c.nodes.size();
        else
            EXPECT_EQ(folder.value_or(L"<none>"), c.expected);
    }
    EXPECT_EQ(PageFolder(L"c:\\m", L"EN", {}).value_or(L""), L"c:\\m\\repair_info\\EN\\");
    EXPECT_FALSE(PageFolder(maker, L"..", {}).has_value());
    EXPECT_FALSE(PageFolder(L"", L"EN", {}).has_value());
}

TEST(RepairPageRules, WorkingFolderMirrorsThePageFolderBelowTheWorkFolder)
{
    struct Case {
        const wchar_t* page;
        const wchar_t* app;
        const wchar_t* expected;
    } const cases[] = {
        {L"c:\\shell\\vehicle\\demo\\repair_info\\EN\\", L"c:\\shell\\", L"t:\\work\\vehicle\\demo\\repair_info\\EN\\"},
        {L"C:\\Shell\\vehicle\\x\\", L"c:\\shell\\", L"t:\\work\\vehicle\\x\\"},
        {L"d:\\elsewhere\\repair_info\\EN\\", L"c:\\shell\\", nullptr},
        {L"c:\\sh", L"c:\\shell\\", nullptr},
    };
    for (const Case& c : cases) {
        const auto folder = WorkingFolder(c.page, c.app, L"t:\\work");
        if (!c.expected)
            EXPECT_FALSE(folder.has_value()) << std::wstring(c.page).size();
        else
            EXPECT_EQ(folder.value_or(L"<none>"), c.expected);
    }
}

TEST(RepairPageRules, MainPageNameJoinsLanguageItemAndMain)
{
    EXPECT_EQ(MainPageName(L"EN", L"Live data").value_or(L""), L"EN_Live data_MAIN");
    EXPECT_FALSE(MainPageName(L"EN", L"..\\x").has_value());
    EXPECT_FALSE(MainPageName(L"EN", L"").has_value());
}

TEST(RepairPageRules, UnscrambleUndoesTheRollingOffsetAcrossTheWholeRange)
{
    std::vector<uint8_t> page;
    for (int i = 0; i < 700; ++i)
        page.push_back(static_cast<uint8_t>(i * 7));
    const std::vector<uint8_t> stored = Scramble(page);
    EXPECT_NE(stored, page);
    EXPECT_EQ(Unscramble(stored), page);
    // The offset starts at its first value and begins again after its last.
    const size_t span = kOffsetLast - kOffsetFirst + 1;
    EXPECT_EQ(stored[0], static_cast<uint8_t>(page[0] + kOffsetFirst));
    EXPECT_EQ(stored[span - 1], static_cast<uint8_t>(page[span - 1] + kOffsetLast));
    EXPECT_EQ(stored[span], static_cast<uint8_t>(page[span] + kOffsetFirst));
    EXPECT_TRUE(Unscramble({}).empty());
}

struct NavCase {
    const wchar_t* target;
    bool exists;
    NavigationDecision::Kind kind;
    const wchar_t* name;
};

TEST(RepairPageRules, BeforeNavigateDecision)
{
    const NavCase cases[] = {
        {L"t:\\work\\repair_info\\EN\\EN_Engine_MAIN.mht", true, NavigationDecision::Proceed, L""},
        {L"t:\\work\\repair_info\\EN\\Sensor.mht", false, NavigationDecision::OpenPage, L"Sensor"},
        {L"t:\\work\\repair_info\\EN\\Step.2.mht", false, NavigationDecision::OpenPage, L"Step.2"},
        {L"t:\\work\\repair_info\\EN\\page.mht#!top", false, NavigationDecision::Proceed, L""},
        {L"about:blank", false, NavigationDecision::Proceed, L""},
        {L"t:\\work\\noext", false, NavigationDecision::Proceed, L""},
        {L"t:\\work.d\\noext", false, NavigationDecision::Proceed, L""},
        {L"t:\\work\\CON.mht", false, NavigationDecision::Refuse, L""},
        {L"t:\\work\\..mht", false, NavigationDecision::Refuse, L""},
        {L"t:\\work\\.mht", false, NavigationDecision::Refuse, L""},
    };
    for (const NavCase& c : cases) {
        const NavigationDecision decision = DecideBeforeNavigate(c.target, c.exists);
        EXPECT_EQ(decision.kind, c.kind) << std::wstring(c.target).size();
        EXPECT_EQ(decision.pageName, c.name);
    }
}

TEST(RepairPageRules, FileAddressesBecomePaths)
{
    EXPECT_EQ(PathFromTarget(L"file:///C:/tmp/a%20b/Sensor.mht"), L"C:\\tmp\\a b\\Sensor.mht");
    EXPECT_EQ(PathFromTarget(L"about:blank"), L"about:blank");
    EXPECT_EQ(PathFromTarget(L"c:\\x.mht"), L"c:\\x.mht");
}

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST(RepairPageRules, PageTextOfArchives)
{
    struct Case {
        const char* name;
        std::string archive;
        std::wstring expected;
    } const cases[] = {
        {"quoted-printable",
         "MIME-Version: 1.0\r\nContent-Type: multipart/related; boundary=\"B\"\r\n\r\n--B\r\n"
         "Content-Type: text/html; charset=\"utf-8\"\r\nContent-Transfer-Encoding: quoted-printable\r\n\r\n"
         "<html><head><title>T</title></head><body><h1>Check the sensor</h1><p>Step 1: disconnect =\r\n"
         "the plug &amp; measure</p><p>Caf=C3=A9</p><script>x()</script></body></html>\r\n--B--\r\n",
         L"Check the sensor\nStep 1: disconnect the plug & measure\nCafé"},
        {"base64",
         "Content-Type: text/html\nContent-Transfer-Encoding: base64\n\nPGI+SGk8L2I+PGJyPnRoZXJl\n--B--\n",
         L"Hi\nthere"},
        {"plain html", "<html><body>Only <i>this</i></body></html>", L"Only this"},
        {"numeric entities", "<body><p>2.5 k&#8486; at 20 &#176;C, &#x3A9; &#X41;</p></body>",
         L"2.5 k\x2126 at 20 \xB0""C, \x3A9 A"},
        {"not characters", "<body>&#0; &#xD800; &#1114112; &#x; &#12a;</body>",
         L"&#0; &#xD800; &#1114112; &#x; &#12a;"},
        {"no html part", "Content-Type: image/png\r\n\r\n\x89PNG", L""},
        {"truncated", "Content-Type: text/html\r\nContent-Transfer-Encoding: quoted-printable\r\n\r\n<p>cut =C", L"cut =C"},
        {"broken utf-8", "<body>a\xC3</body>", L"a\xFFFD"},
        {"empty", "", L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PageText(Bytes(c.archive)), c.expected) << c.name;
}

}  // namespace
