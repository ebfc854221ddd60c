// The control-unit command layer for real: CCommWithEcu over LinkTransport, the stand-in "Link.dll"
// and the simulator process, on the real clock. What each command sends, how its answer is read,
// the errors it raises, repeated commands, batches and the print lock.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <future>

#include "CommWithEcu.h"
#include "EcuCommException.h"
#include "EcuReportBox.h"
#include "EcuTestBytes.h"
#include "LinkProgramFolder.h"
#include "ModalSeam.h"
#include "ProcessValues.h"
#include "SimulatorRun.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

constexpr int32_t kShortTimeoutMs = 300;

template <typename Call>
CEcuCommException Raised(Call call)
{
    try {
        call();
    } catch (const CEcuCommException& error) {
        return error;
    }
    ADD_FAILURE() << "nothing raised";
    return {};
}

class CommWithEcuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PrepareLinkProgramFolder(program);
        ASSERT_TRUE(simulator.WaitUntilListening());
    }
    void TearDown() override { ecu.Close(); }

    // The simulator takes its behaviour when the link opens.
    void Open(const std::string& control = "")
    {
        simulator.SetControl(control);
        ASSERT_TRUE(ecu.Open());
    }

    // The data of every frame the simulator received, without the counter, in order.
    std::vector<std::string> SentFrames() const
    {
        std::vector<std::string> frames;
        for (const std::string& line : simulator.LogLines()) {
            if (line.rfind("frame ", 0) == 0 && line.size() > 9)
                frames.push_back(line.substr(9));
        }
        return frames;
    }

    CTempFolder root;
    fs::path program = root / "Program";
    CSimulatorRun simulator{root / "simulator"};
    CCommWithEcu ecu;
};

TEST_F(CommWithEcuTest, StatusCommandsSendTheirMessagesAndSucceed)
{
    Open();
    CSendFrame keep;
    keep.SetPiece(Piece({0x81, 0x3E}));
    CFilterOrLengthRecognise filter;
    const uint8_t byte = 0x48;
    filter.SetFilter(0, 1, &byte);
    EXPECT_EQ(ecu.SetIoPort(7, 8, 12, 0x03), 0);
    EXPECT_EQ(ecu.SetBps(10400.0f, 0, 8), 0);
    EXPECT_EQ(ecu.KeepLink(0, &keep), 0);
    EXPECT_EQ(ecu.AutoAnswer(filter, CSendFrame()), 0);
    // The answer to a frame with pieces is read with room for its status too.
    EXPECT_EQ(ecu.AutoAnswer(filter, keep), 0);
    EXPECT_EQ(ecu.ProtocolSet(3, nullptr), 0);
    EXPECT_EQ(ecu.ProtocolSet(7, nullptr), CCommWithEcu::kProtocolRefused);
    EXPECT_EQ(ecu.GetStatus(1, 15), 1);
    EXPECT_EQ(SentFrames(), (std::vector<std::string>{"010108070C03", "010328A00080", "02010003000000", "020A0000",
                                                      "020A0101030001480102813E01", "02070300010103000148",
                                                      "0206010F"}));
}

TEST_F(CommWithEcuTest, AnErrorStatusRaisesItsCodeWithFunctionAndParameters)
{
    Open("command-status -3\n");
    const CEcuCommException bps = Raised([&] { ecu.SetBps(9600.0f, 9, 8); });
    EXPECT_EQ(bps.GetErrorCode(), -3);
    EXPECT_EQ(bps.GetFunctionName(), L"CCommWithEcu::SetBps()");
    EXPECT_EQ(bps.GetParameterText(), L"W_FLOAT fBps = 9600.000000, \n  W_INT8 iParityBit = UNDEFINE,\n  W_INT8 iDataBit = 8 ");
    EXPECT_EQ(Raised([&] { ecu.BoschKeepLink(true); }).GetFunctionName(), L"BoschKeepLink ()");
    EXPECT_EQ(Raised([&] { ecu.GetStatus(0, 2); }).GetErrorCode(), -3);
    // These report no status.
    EXPECT_EQ(ecu.ProtocolSet(1, nullptr), 0);
    EXPECT_EQ(ecu.VoltageHighLowTime(10, 20, 2), 0);
    EXPECT_NO_THROW(ecu.SetCommTime(1000, 5, 1.5f));
    EXPECT_EQ(ecu.SendCommand0D(0x01), -3);
    // A flash-code answer without digits raises its status and ends the reading.
    EXPECT_EQ(Raised([&] { ecu.FlashCode(1, 2, 3, 4); }).GetErrorCode(), -3);
    EXPECT_EQ(ecu.GetMode(), CCommWithEcu::kModeNormal);
}

TEST_F(CommWithEcuTest, NoAnswerRaisesMinusTenOrGivesAnEmptyList)
{
    Open("fault silent\n");
    ecu.SetTimeout(kShortTimeoutMs);
    const CEcuCommException keep = Raised([&] { ecu.KeepLink(500, nullptr); });
    EXPECT_EQ(keep.GetErrorCode(), CCommWithEcu::kNoAnswer);
    EXPECT_EQ(keep.GetFunctionName(), L"CCommWithEcu::KeepLink()");
    EXPECT_EQ(keep.GetParameterText(), L"W_INT16 iKeepTime = 500 (ms),\n  CSendFrame *pKeepLinkCommand = NULL");
    EXPECT_EQ(Raised([&] { ecu.BoschKeepLink(false); }).GetFunctionName(), L"CCommWithEcu::BoschKeepLink ()");
    EXPECT_EQ(Raised([&] { ecu.ProtocolSet(2, nullptr); }).GetFunctionName(), L"CCommWithEcu::ProtocolSet ()");
    EXPECT_EQ(Raised([&] { ecu.BoschEnter(0x10, 0); }).GetErrorCode(), CCommWithEcu::kNoAnswer);
    CSendFrame request;
    request.SetPiece(Piece({0x10, 0x01}));
    EXPECT_TRUE(ecu.SendFramesAndReceive(request, false).empty());
    EXPECT_TRUE(ecu.ReceiveFrames(false).empty());
}

TEST_F(CommWithEcuTest, ListAnswersAreDecoded)
{
    Open();
    EXPECT_EQ(Plain(ecu.AddressCodeEnter(0x33, 0x01, 10400.0f, 40)), (Lists{{{0x55}, {0x01}, {0x8A}}}));
    EXPECT_EQ(Plain(ecu.BoschEnter(0x10, 0x0102)), (Lists{{{0x0F, 0x01}}}));
    CSendFrame request;
    request.SetPieces({Piece({0x10, 0x01}), Piece({0x05}), Piece({0x21, 0x01, 0x02}), Piece({0x05})});
    EXPECT_EQ(Plain(ecu.SendFramesAndReceive(request, false)), (Lists{{{0x50, 0x01}, {0x61, 0x01, 0x02}}}));
    EXPECT_EQ(Plain(ecu.QuickFlash(1, false)), (Lists{{{0x12, 0x34}}}));
    const ByteString digits = ecu.FlashCode(1, 2, 3, 4);
    EXPECT_EQ(Bytes(digits.GetData(), digits.GetData() + digits.GetLength()), (Bytes{0x01, 0x07}));
    const auto sent = SentFrames();
    ASSERT_EQ(sent.size(), 5u);
    EXPECT_EQ(sent[0], "02043328A00000010028");
    EXPECT_EQ(sent[2], "02080002021001050321010205");
}

TEST_F(CommWithEcuTest, RepeatedCommandsSendOnceUntilAnotherCommandRuns)
{
    Open();
    ecu.SetTimeout(kShortTimeoutMs);
    CSendFrame request;
    request.SetPiece(Piece({0x10, 0x01}));
    EXPECT_EQ(ecu.SendFramesAndReceive(request, true).size(), 1u);
    EXPECT_EQ(ecu.GetMode(), CCommWithEcu::kModeRepeatedFrames);
    EXPECT_TRUE(ecu.SendFramesAndReceive(request, true).empty());  // only reads; nothing more comes
    EXPECT_EQ(ecu.FlashCode(1, 2, 3, 4).GetLength(), 2);
    EXPECT_EQ(ecu.GetMode(), CCommWithEcu::kModeFlashCode);
    EXPECT_EQ(ecu.SetBps(9600.0f, 0, 8), 0);
    EXPECT_EQ(ecu.GetMode(), CCommWithEcu::kModeNormal);
    EXPECT_EQ(ecu.SendFramesAndReceive(request, true).size(), 1u);
    const auto sent = SentFrames();
    EXPECT_EQ(std::count_if(sent.begin(), sent.end(), [](const std::string& s) { return s.rfind("0208", 0) == 0; }), 2);
}

TEST_F(CommWithEcuTest, BatchSendsEverythingAsOneFrameAtEnd)
{
    Open();
    ecu.Begin();
    EXPECT_EQ(ecu.SetBps(9600.0f, 0, 8), 0);
    EXPECT_TRUE(ecu.BoschEnter(0x10, 0x0102).empty());
    EXPECT_EQ(ecu.BoschKeepLink(true), 0);
    EXPECT_TRUE(SentFrames().empty());
    // A status query in between goes at once and leaves the collected messages alone.
    EXPECT_EQ(ecu.GetStatus(1, 15), 1);
    ecu.End();
    EXPECT_FALSE(ecu.IsCollecting());
    EXPECT_EQ(SentFrames(), (std::vector<std::string>{"0206010F", "0103258000800209100102020201"}));
}

TEST_F(CommWithEcuTest, PrintLockHoldsTheSemaphoreUntilUnlocked)
{
    Open();
    ecu.LockPrinting();
    EXPECT_TRUE(ecu.IsPrintLocked());
    CScopedHandle printer(CreateSemaphoreW(nullptr, 1, 1, L"CANPRINT"));
    ASSERT_TRUE(printer);
    EXPECT_EQ(WaitForSingleObject(printer.Get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    // Exchanges under the lock do not wait for it again (a wait would never end).
    ecu.SetTimeout(kShortTimeoutMs);
    EXPECT_TRUE(ecu.ReceiveFrames(false).empty());
    ecu.UnlockPrinting();
    EXPECT_FALSE(ecu.IsPrintLocked());
    ASSERT_EQ(WaitForSingleObject(printer.Get(), 0), static_cast<DWORD>(WAIT_OBJECT_0));
    ReleaseSemaphore(printer.Get(), 1, nullptr);
}

// What does not fit one link frame is refused with code 6 before anything is sent: never passed
// off as "no frames" or "no answer", and never leaving a repetition that reads for a request that
// did not go out.
TEST_F(CommWithEcuTest, OversizedRequestsAreRefusedBeforeAnythingIsSent)
{
    Open();
    ecu.SetTimeout(kShortTimeoutMs);
    CSendFrame oversized;
    oversized.SetPieces({Piece(Bytes(200, 0x22)), Piece({0x05}), Piece(Bytes(100, 0x23)), Piece({0x05})});
    const CEcuCommException frames = Raised([&] { ecu.SendFramesAndReceive(oversized, true); });
    EXPECT_EQ(frames.GetErrorCode(), 6);
    EXPECT_EQ(frames.GetFunctionName(), L"CSendFrame::PutCmdDataToBuffer");
    EXPECT_EQ(ecu.GetMode(), CCommWithEcu::kModeNormal);

    const CEcuCommException times = Raised([&] { ecu.VoltageHighLowTime(std::vector<uint16_t>(97, 25)); });
    EXPECT_EQ(times.GetErrorCode(), 6);
    EXPECT_EQ(times.GetFunctionName(), L"CCommWithEcu::VoltageHighLowTime()");
    EXPECT_TRUE(SentFrames().empty());

    // The next request is sent as usual.
    CSendFrame request;
    request.SetPiece(Piece({0x10, 0x01}));
    EXPECT_EQ(ecu.SendFramesAndReceive(request, true).size(), 1u);
    EXPECT_EQ(ecu.GetMode(), CCommWithEcu::kModeRepeatedFrames);
    EXPECT_EQ(ecu.VoltageHighLowTime(std::vector<uint16_t>(96, 25)), 0) << "96 times fill the frame";
    EXPECT_EQ(SentFrames().size(), 2u);
}

TEST_F(CommWithEcuTest, ABatchIsRefusedWhereItWouldPassOneFrame)
{
    Open();
    CSendFrame request;
    request.SetPiece(Piece(Bytes(200, 0x22)));
    ecu.Begin();
    EXPECT_TRUE(ecu.SendFramesAndReceive(request, false).empty());
    const CEcuCommException refused = Raised([&] { ecu.SendFramesAndReceive(request, false); });
    EXPECT_EQ(refused.GetErrorCode(), -12);
    EXPECT_EQ(refused.GetFunctionName(), L"CCommWithEcu::End()");
    EXPECT_TRUE(SentFrames().empty());
}

// Another process may hold the print lock for as long as it prints: the exchange waits for it a
// bounded while, then goes on without it, and never gives back a lock it did not take.
TEST_F(CommWithEcuTest, APrintLockHeldElsewhereDoesNotHoldTheExchange)
{
    Open();
    CScopedHandle printer(CreateSemaphoreW(nullptr, 1, 1, L"CANPRINT"));
    ASSERT_TRUE(printer);
    ASSERT_EQ(WaitForSingleObject(printer.Get(), 0), static_cast<DWORD>(WAIT_OBJECT_0));
    CSendFrame request;
    request.SetPiece(Piece({0x10, 0x01}));
    auto exchange = std::async(std::launch::async, [&] {
        const size_t lists = ecu.SendFramesAndReceive(request, false).size();
        ecu.LockPrinting();
        return lists;
    });
    // Bounded, so that a wait without end fails this test instead of hanging the run.
    const bool ended = exchange.wait_for(std::chrono::seconds(60)) == std::future_status::ready;
    EXPECT_TRUE(ended) << "the exchange still waits for the print lock";
    if (!ended)
        ReleaseSemaphore(printer.Get(), 1, nullptr);
    EXPECT_EQ(exchange.get(), 1u);
    if (!ended)
        return;
    EXPECT_FALSE(ecu.IsPrintLocked());
    ecu.UnlockPrinting();
    EXPECT_EQ(WaitForSingleObject(printer.Get(), 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "the lock is still the printer's";
    ReleaseSemaphore(printer.Get(), 1, nullptr);
}

TEST(EcuReportBoxTest, ReportGoesThroughTheModalSeam)
{
    std::vector<std::wstring> texts;
    const ModalAnswerer previousAnswerer = SetModalAnswerer([&](const MODAL_BOX& box) -> std::optional<int> {
        texts.push_back(box.text);
        return IDOK;
    });
    const EcuReportBox previousBox = SetEcuReportBox({});
    InstallEcuReportBox();
    EXPECT_EQ(CEcuCommException(-24, L"p", L"f").Report(), IDOK);
    SetEcuReportBox(previousBox);
    SetModalAnswerer(previousAnswerer);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], L"ErrorCode : -24\nWhat : NO PULSE FOUND\nFunction : \n  f\nParameter : \n  p");
}

}  // namespace
