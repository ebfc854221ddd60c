#include "CommWithEcu.h"

#include <algorithm>

#include "EcuCommException.h"
#include "EcuParameterTexts.h"
#include "LinkFrame.h"

namespace {

constexpr size_t kHeadClearSize = 100;
constexpr int kKeepLinkAnswerRoom = 2;
// The answer examined is byte 0 and the status, so the read needs room for both; a smaller room
// would refuse every answer as too long.
constexpr int kFilteredFrameAnswerRoom = 100;
constexpr const wchar_t* kPrintSemaphoreName = L"CANPRINT";
constexpr int16_t kBatchTooLong = -12;

// Printing waits on the named semaphore while frames are exchanged. Null when the lock was not
// taken in time: the exchange then goes on without holding it.
CScopedHandle TakePrintSemaphore()
{
    CScopedHandle semaphore(CreateSemaphoreW(nullptr, 1, 1, kPrintSemaphoreName));
    if (semaphore && WaitForSingleObject(semaphore.Get(), CCommWithEcu::kPrintWaitMs) != WAIT_OBJECT_0)
        semaphore.Reset();
    return semaphore;
}

void GivePrintSemaphore(CScopedHandle& semaphore)
{
    if (semaphore)
        ReleaseSemaphore(semaphore.Get(), 1, nullptr);
    semaphore.Reset();
}

class CPrintWait {
public:
    explicit CPrintWait(bool alreadyHeld)
    {
        if (!alreadyHeld)
            m_semaphore = TakePrintSemaphore();
    }
    ~CPrintWait() { GivePrintSemaphore(m_semaphore); }
    CPrintWait(const CPrintWait&) = delete;
    CPrintWait& operator=(const CPrintWait&) = delete;

private:
    CScopedHandle m_semaphore;
};

int8_t StatusOf(std::span<const uint8_t> answer)
{
    return answer.size() > 1 ? static_cast<int8_t>(answer[1]) : 0;
}

}  // namespace

CCommWithEcu::CCommWithEcu() = default;

CCommWithEcu::~CCommWithEcu()
{
    if (m_printLocked)
        UnlockPrinting();
    Close();
}

bool CCommWithEcu::Open()
{
    Close();
    m_transport = std::make_unique<LinkTransport>();
    m_sendBuffer.assign(kBufferSize, 0);
    m_receiveBuffer.assign(kBufferSize, 0);
    m_cursor = 0;
    return m_transport->LinkConnect();
}

void CCommWithEcu::Close()
{
    if (!m_transport)
        return;
    m_transport->LinkDisconnect();
    m_sendBuffer = {};
    m_receiveBuffer = {};
    m_transport.reset();
}

void CCommWithEcu::SetTimeout(int32_t milliseconds)
{
    if (m_transport)
        m_transport->LinkSetTimeout(milliseconds);
}

void CCommWithEcu::LockPrinting()
{
    if (m_printLock)
        return;
    m_printLock = TakePrintSemaphore();
    m_printLocked = static_cast<bool>(m_printLock);
}

void CCommWithEcu::UnlockPrinting()
{
    GivePrintSemaphore(m_printLock);
    m_printLocked = false;
}

void CCommWithEcu::Fail(int code, const std::wstring& parameters, const wchar_t* function)
{
    throw CEcuCommException(static_cast<int16_t>(code), parameters, function);
}

void CCommWithEcu::RefuseOversized(const EcuMessage& message, const std::wstring& parameters, const wchar_t* function)
{
    if (message.size() > kLinkFrameMaxData)
        Fail(kEcuNoRoomCode, parameters, function);
}

std::optional<std::span<const uint8_t>> CCommWithEcu::ReadAnswer(int room, Clear clear)
{
    if (!m_transport || m_receiveBuffer.empty())
        return std::nullopt;
    const size_t cleared = clear == Clear::kAll ? m_receiveBuffer.size() : kHeadClearSize;
    std::fill_n(m_receiveBuffer.begin(), cleared, uint8_t{0});
    const int length = m_transport->LinkReadFrame(m_receiveBuffer.data(), std::min(room, kBufferSize));
    if (length <= 0)
        return std::nullopt;
    return std::span<const uint8_t>(m_receiveBuffer.data(), static_cast<size_t>(length));
}

bool CCommWithEcu::Send(const EcuMessage& message)
{
    return m_transport && m_transport->LinkWriteFrame(message.data(), static_cast<int>(message.size())) >= 0;
}

std::optional<std::span<const uint8_t>> CCommWithEcu::Exchange(const EcuMessage& message, int room, Clear clear)
{
    // A message that cannot be sent gets no answer; waiting out the time-out would tell nothing more.
    if (!Send(message))
        return std::nullopt;
    return ReadAnswer(room, clear);
}

bool CCommWithEcu::Collect(const EcuMessage& message, BatchRecord record)
{
    if (!m_collecting)
        return false;
    // The batch goes as one link frame: what would not fit in it is refused now, not at End.
    if (message.size() > kLinkFrameMaxData - m_cursor || message.size() > m_sendBuffer.size() - m_cursor)
        Fail(kBatchTooLong, L"  ", L"CCommWithEcu::End()");
    std::copy(message.begin(), message.end(), m_sendBuffer.begin() + static_cast<std::ptrdiff_t>(m_cursor));
    m_cursor += message.size();
    m_batchRecords.push_back(record);
    return true;
}

int CCommWithEcu::StatusCommand(const EcuMessage& message, const wchar_t* function, const std::wstring& parameters,
                                int room)
{
    m_mode = kModeNormal;
    RefuseOversized(message, parameters, function);
    if (Collect(message, {kBatchStatusReply, 0}))
        return 0;
    const auto answer = Exchange(message, room, Clear::kHead);
    if (!answer)
        Fail(kNoAnswer, parameters, function);
    if (const int8_t status = StatusOf(*answer))
        Fail(status, parameters, function);
    return 0;
}

void CCommWithEcu::Begin()
{
    m_collecting = true;
    std::fill(m_sendBuffer.begin(), m_sendBuffer.end(), uint8_t{0});
    std::fill(m_receiveBuffer.begin(), m_receiveBuffer.end(), uint8_t{0});
    m_batchRecords.clear();
    m_mode = kModeNormal;
    m_cursor = 0;
}

EcuAnswerLists CCommWithEcu::End()
{
    m_collecting = false;
    m_mode = kModeNormal;
    const EcuMessage batch(m_sendBuffer.begin(), m_sendBuffer.begin() + static_cast<std::ptrdiff_t>(m_cursor));
    const std::vector<BatchRecord> records = std::move(m_batchRecords);
    m_batchRecords.clear();
    m_cursor = 0;
    const auto answer = Exchange(batch, kBufferSize, Clear::kAll);
    if (!answer)
        Fail(kNoAnswer, L"  ", L"CCommWithEcu::End()");
    return WalkBatchAnswer(*answer, records);
}

uint8_t CCommWithEcu::GetStatus(uint8_t ui8StatusWay, uint8_t ucIoInputPort)
{
    m_mode = kModeNormal;
    const auto answer = Exchange(GetStatusMessage(ui8StatusWay, ucIoInputPort), kBufferSize, Clear::kHead);
    const wchar_t* function = L"CCommWithEcu::GetStatus()";
    if (!answer)
        Fail(kNoAnswer, GetStatusParameters(ui8StatusWay, ucIoInputPort), function);
    // On an error status byte 2 holds no level: reporting it would pass the failure off as a value.
    if (const int8_t status = StatusOf(*answer))
        Fail(status, GetStatusParameters(ui8StatusWay, ucIoInputPort), function);
    return m_receiveBuffer[2];
}

ByteString CCommWithEcu::FlashCode(uint16_t uiBitMaxInterval, uint16_t uiByteMaxInterval, uint16_t uiCodeMaxInterval,
                                   uint16_t uiMaxCodeTime)
{
    const auto parameters = [&] {
        return FlashCodeParameters(uiBitMaxInterval, uiByteMaxInterval, uiCodeMaxInterval, uiMaxCodeTime);
    };
    std::optional<std::span<const uint8_t>> answer;
    if (m_mode != kModeFlashCode) {
        const EcuMessage message = FlashCodeMessage(uiBitMaxInterval, uiByteMaxInterval, uiCodeMaxInterval, uiMaxCodeTime);
        m_mode = kModeFlashCode;
        answer = Exchange(message, kBufferSize, Clear::kHead);
    } else {
        answer = ReadAnswer(kBufferSize, Clear::kHead);
    }
    if (!answer || answer->size() <= 2) {
        m_mode = kModeNormal;
        Fail(answer ? StatusOf(*answer) : kNoAnswer, parameters(), L"CCommWithEcu::FlashCode()");
    }
    const size_t count = std::min<size_t>((*answer)[1], answer->size() - 2);
    return ByteString(answer->data() + 2, static_cast<int>(count));
}

int CCommWithEcu::SetIoPort(uint8_t iIoOutputPort, uint8_t iIoInputPort, int8_t iOutputVoltage, uint16_t ui16IoSelectItem)
{
    return StatusCommand(SetIoPortMessage(iIoOutputPort, iIoInputPort, iOutputVoltage, ui16IoSelectItem),
                         L"CCommWithEcu::SetIoPort()",
                         SetIoPortParameters(iIoOutputPort, iIoInputPort, iOutputVoltage, ui16IoSelectItem));
}

int CCommWithEcu::EnableOutputIoLine(uint8_t iIoOutputPort, bool bIsConnect)
{
    return StatusCommand(EnableOutputIoLineMessage(iIoOutputPort, bIsConnect), L"CCommWithEcu::EnableOutputIoLine()",
                         EnableOutputIoLineParameters(iIoOutputPort, bIsConnect));
}

int CCommWithEcu::SetBps(float fBps, int8_t iParityBit, int8_t iDataBit)
{
    return StatusCommand(SetBpsMessage(fBps, iParityBit, iDataBit), L"CCommWithEcu::SetBps()",
                         SetBpsParameters(fBps, iParityBit, iDataBit));
}

void CCommWithEcu::SetCommTime(int iMaxWaitReceivePacket, int iSendPacketMinWaitTime, float fSendByteMinWaitTime)
{
    m_mode = kModeNormal;
    const EcuMessage message = SetCommTimeMessage(iMaxWaitReceivePacket, iSendPacketMinWaitTime, fSendByteMinWaitTime);
    if (!Collect(message, {kBatchStatusReply, 0}))
        Exchange(message, kBufferSize, Clear::kHead);  // the interface's answer is not looked at
}

int CCommWithEcu::KeepLink(int16_t iKeepTime, const CSendFrame* pKeepLinkCommand)
{
    return StatusCommand(KeepLinkMessage(iKeepTime, pKeepLinkCommand), L"CCommWithEcu::KeepLink()",
                         KeepLinkParameters(iKeepTime, pKeepLinkCommand != nullptr), kKeepLinkAnswerRoom);
}

int CCommWithEcu::AutoAnswer(const CFilterOrLengthRecognise& flrFilterCondition, CSendFrame sfSendToEcu)
{
    return StatusCommand(FilteredFrameMessage(0x0A, flrFilterCondition, sfSendToEcu), L"CCommWithEcu::AutoAnswer()",
                         L"CFilterOrLengthRecognise flrFilterCondition, CSendFrame sfSendToEcu",
                         kFilteredFrameAnswerRoom);
}

int CCommWithEcu::SetAutoSendContinuedFrame(const CFilterOrLengthRecognise& flrFilterCondition,
                                            CSendFrame sfSendContinuedFrame)
{
    return StatusCommand(FilteredFrameMessage(0x0E, flrFilterCondition, sfSendContinuedFrame),
                         L"CCommWithEcu::SetAutoSendContinuedFrame()",
                         L"CFilterOrLengthRecognise flrFilterCondition, CSendFrame sfSendContinuedFrame",
                         kFilteredFrameAnswerRoom);
}

int CCommWithEcu::BoschKeepLink(bool bEnableKeep)
{
    m_mode = kModeNormal;
    const EcuMessage message = BoschKeepLinkMessage(bEnableKeep);
    if (Collect(message, {kBatchStatusReply, 0}))
        return 0;
    const auto answer = Exchange(message, kBufferSize, Clear::kHead);
    if (!answer)
        Fail(kNoAnswer, BoschKeepLinkParameters(bEnableKeep), L"CCommWithEcu::BoschKeepLink ()");
    if (const int8_t status = StatusOf(*answer))
        Fail(status, BoschKeepLinkParameters(bEnableKeep), L"BoschKeepLink ()");
    return 0;
}

int CCommWithEcu::VoltageHighLowTime(const std::vector<uint16_t>& highLowTimes)
{
    return StatusCommand(VoltageHighLowTimesMessage(highLowTimes), L"CCommWithEcu::VoltageHighLowTime()",
                         VoltageHighLowTimesParameters(highLowTimes));
}

int CCommWithEcu::VoltageHighLowTime(uint16_t uiVoltageKeepTime, uint16_t uiOverTime, uint8_t VoltageLevelStatus)
{
    m_mode = kModeNormal;
    const EcuMessage message = VoltageKeepMessage(uiVoltageKeepTime, uiOverTime, VoltageLevelStatus);
    if (Collect(message, {kBatchStatusReply, 0}))
        return 0;
    if (!Exchange(message, kBufferSize, Clear::kHead))
        Fail(kNoAnswer, VoltageKeepParameters(uiVoltageKeepTime, uiOverTime, VoltageLevelStatus),
             L"CCommWithEcu::VoltageHighLowTime()");
    return 0;
}

int CCommWithEcu::ProtocolSet(int16_t iProtocolWay, const CFilterOrLengthRecognise* pFilterOrLengthRecognise)
{
    m_mode = kModeNormal;
    const auto message = ProtocolSetMessage(iProtocolWay, pFilterOrLengthRecognise);
    if (!message)
        return kProtocolRefused;
    if (Collect(*message, {kBatchStatusReply, 0}))
        return 0;
    if (!Exchange(*message, kBufferSize, Clear::kHead))
        Fail(kNoAnswer, ProtocolSetParameters(iProtocolWay, pFilterOrLengthRecognise != nullptr),
             L"CCommWithEcu::ProtocolSet ()");
    return 0;
}

int8_t CCommWithEcu::SingleByteCommand(uint8_t command, uint8_t value)
{
    const EcuMessage message = SingleByteCommandMessage(command, value);
    if (Collect(message, {kBatchStatusReply, 0}))
        return 0;
    // The receive buffer was cleared before the read, so no answer reads as status 0.
    const auto answer = Exchange(message, kBufferSize, Clear::kHead);
    return answer ? StatusOf(*answer) : 0;
}

int8_t CCommWithEcu::SendCommand0D(uint8_t value)
{
    return SingleByteCommand(0x0D, value);
}

int8_t CCommWithEcu::SendCommand0F(uint8_t value)
{
    return SingleByteCommand(0x0F, value);
}

EcuAnswerLists CCommWithEcu::AddressCodeEnter(uint8_t ucAddressCode, uint16_t ui16Parameter, float fBps,
                                              int16_t i16ReverseKw2TimeInterval)
{
    m_mode = kModeNormal;
    const EcuMessage message = AddressCodeEnterMessage(ucAddressCode, ui16Parameter, fBps, i16ReverseKw2TimeInterval);
    if (Collect(message, {kBatchListReply, 0}))
        return {};
    const auto answer = Exchange(message, kBufferSize, Clear::kAll);
    if (!answer)
        Fail(kNoAnswer, AddressCodeEnterParameters(ucAddressCode, ui16Parameter, fBps, i16ReverseKw2TimeInterval),
             L"CCommWithEcu::AddressCodeEnter()");
    return DecodeListAnswer(*answer, EcuListLayout::kShort);
}

EcuAnswerLists CCommWithEcu::BoschEnter(uint8_t ucAddressCode, uint16_t ui16Parameter)
{
    m_mode = kModeNormal;
    const EcuMessage message = BoschEnterMessage(ucAddressCode, ui16Parameter);
    if (Collect(message, {kBatchListReply, 0}))
        return {};
    const auto answer = Exchange(message, kBufferSize, Clear::kAll);
    if (!answer)
        Fail(kNoAnswer, BoschEnterParameters(ucAddressCode), L"CCommWithEcu::BoschEnter()");
    return DecodeListAnswer(*answer, EcuListLayout::kShortFirstStop);
}

EcuAnswerLists CCommWithEcu::SendFramesAndReceive(const CSendFrame& frame, bool repeat)
{
    if (m_collecting) {
        Collect(SendFramesMessage(frame, repeat), {kBatchListReply, 1});
        return {};
    }
    std::optional<EcuMessage> request;
    if (m_mode != kModeRepeatedFrames) {
        // Pieces that do not fit one frame are refused (code 6) before anything is sent, and
        // repetition runs only once its request went out: no later call reads for a request that
        // never left.
        m_mode = kModeNormal;
        request = SendFramesMessage(frame, repeat);
    }
    const CPrintWait printWait(m_printLocked);
    if (request) {
        if (!Send(*request))
            return {};
        m_mode = repeat ? kModeRepeatedFrames : kModeNormal;
    }
    const auto answer = ReadAnswer(kBufferSize, Clear::kHead);
    return answer ? DecodeGroupedLongAnswer(*answer) : EcuAnswerLists{};
}

EcuAnswerLists CCommWithEcu::ReceiveFrames(bool reset)
{
    const CPrintWait printWait(m_printLocked);
    if (reset && m_transport)
        m_transport->LinkReset();
    const auto answer = ReadAnswer(kBufferSize, Clear::kHead);
    return answer ? DecodeListAnswer(*answer, EcuListLayout::kLong) : EcuAnswerLists{};
}

EcuAnswerLists CCommWithEcu::QuickFlash(uint16_t uiFlashType, bool bRepeat)
{
    if (m_collecting) {
        Collect(QuickFlashMessage(uiFlashType, bRepeat), {kBatchListReply, 0});
        return {};
    }
    std::optional<std::span<const uint8_t>> answer;
    if (m_mode != kModeQuickFlash) {
        const EcuMessage message = QuickFlashMessage(uiFlashType, bRepeat);
        m_mode = kModeQuickFlash;
        answer = Exchange(message, kBufferSize, Clear::kAll);
    } else {
        answer = ReadAnswer(kBufferSize, Clear::kAll);
    }
    if (!answer)
        Fail(kNoAnswer, QuickFlashParameters(uiFlashType, bRepeat), L"CCommWithEcu::QuickFlash()");
    EcuAnswerLists lists = DecodeListAnswer(*answer, EcuListLayout::kLong);
    if (lists.empty())
        m_mode = kModeNormal;
    return lists;
}
