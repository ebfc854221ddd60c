// The size bound of a download, against the loopback stand-in of the maker's server: a reply that
// announces no length ends only when the server closes, so a broken or hostile server could
// otherwise fill the disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "InternetDownload.h"
#include "InternetHandle.h"
#include "LoopbackWebServer.h"
#include "ScopedWin.h"
#include "TempFolder.h"

namespace {

constexpr uint64_t kBound = 1024 * 1024;

struct BOUND_CASE {
    const char* name;
    const char* suffix;  // the server's companion (LoopbackWebServer.h) that decides how it sends
    size_t bytes;        // of the file it sends (again and again when endless)
    bool whole;          // the download succeeds with the file's bytes
};

void PrintTo(const BOUND_CASE& c, std::ostream* out)
{
    *out << c.name;
}

class DownloadBoundTest : public ::testing::TestWithParam<BOUND_CASE> {};

TEST_P(DownloadBoundTest, ABodyBeyondTheBoundFailsAndLeavesNoFile)
{
    const BOUND_CASE& c = GetParam();
    CTempFolder site;
    CLoopbackWebServer server{site.Path()};
    std::string body(c.bytes, '\0');
    for (size_t i = 0; i < body.size(); ++i)
        body[i] = static_cast<char>('a' + i % 26);
    site.Write(std::string("pkg.bin") + c.suffix, body);
    const CInternetHandle session(InternetOpenW(nullptr, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    const CScopedHandle stop(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    const std::wstring url = L"http://127.0.0.1:" + std::to_wstring(server.Port()) + L"/pkg.bin";
    const auto target = site / "pkg.out";

    const bool done = DownloadUrlToFile(session.Get(), url, target.wstring(), stop.Get(), 10000, nullptr, kBound);

    EXPECT_EQ(done, c.whole);
    EXPECT_FALSE(std::filesystem::exists(site / "pkg.out.part"));
    if (c.whole)
        EXPECT_EQ(ReadFileBytes(target), body);
    else
        EXPECT_FALSE(std::filesystem::exists(target));
}

INSTANTIATE_TEST_SUITE_P(Cases, DownloadBoundTest, ::testing::Values(
    BOUND_CASE{"no length, within the bound", ".unsized", 300 * 1024, true},
    BOUND_CASE{"no length, exactly the bound", ".unsized", kBound, true},
    BOUND_CASE{"no length, one byte beyond the bound", ".unsized", kBound + 1, false},
    BOUND_CASE{"no length, never ending", ".endless", 64 * 1024, false},
    BOUND_CASE{"a length beyond the bound", "", 2 * kBound, false},
    BOUND_CASE{"a length within the bound", "", kBound, true}));

}  // namespace
