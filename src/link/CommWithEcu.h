#pragma once
// The command layer for talking to a vehicle's control unit through the vehicle interface: typed
// requests become command messages (EcuMessages.h), each sent as the data of one link frame; the
// interface's answer is decoded (EcuAnswers.h). Failures throw CEcuCommException by value; a
// message longer than one link frame is refused with code 6 before anything is sent. Commands may
// be collected between Begin and End and sent as one frame. The print lock "CANPRINT" is waited
// for at most kPrintWaitMs: any process may hold it for as long as it likes, and an exchange that
// did not get it goes on without it. User-interface thread.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "EcuAnswers.h"
#include "EcuMessages.h"
#include "LinkTransport.h"
#include "ScopedWin.h"

class CCommWithEcu {
public:
    static constexpr int kBufferSize = 65535;
    static constexpr int16_t kNoAnswer = -10;
    static constexpr int kProtocolRefused = -102;
    static constexpr DWORD kPrintWaitMs = 2000;    // as long as a reply may take

    enum Mode : int32_t { kModeNormal = 0, kModeRepeatedFrames = 1, kModeFlashCode = 3, kModeQuickFlash = 4 };

    CCommWithEcu();
    ~CCommWithEcu();
    CCommWithEcu(const CCommWithEcu&) = delete;
    CCommWithEcu& operator=(const CCommWithEcu&) = delete;

    bool Open();
    void Close();
    void SetTimeout(int32_t milliseconds);
    void LockPrinting();
    void UnlockPrinting();
    void Begin();
    EcuAnswerLists End();

    uint8_t GetStatus(uint8_t ui8StatusWay, uint8_t ucIoInputPort);
    ByteString FlashCode(uint16_t uiBitMaxInterval, uint16_t uiByteMaxInterval, uint16_t uiCodeMaxInterval,
                         uint16_t uiMaxCodeTime);
    int SetIoPort(uint8_t iIoOutputPort, uint8_t iIoInputPort, int8_t iOutputVoltage, uint16_t ui16IoSelectItem);
    int EnableOutputIoLine(uint8_t iIoOutputPort, bool bIsConnect);
    int SetBps(float fBps, int8_t iParityBit, int8_t iDataBit);
    void SetCommTime(int iMaxWaitReceivePacket, int iSendPacketMinWaitTime, float fSendByteMinWaitTime);
    int KeepLink(int16_t iKeepTime, const CSendFrame* pKeepLinkCommand);
    int AutoAnswer(const CFilterOrLengthRecognise& flrFilterCondition, CSendFrame sfSendToEcu);
    int SetAutoSendContinuedFrame(const CFilterOrLengthRecognise& flrFilterCondition, CSendFrame sfSendContinuedFrame);
    int BoschKeepLink(bool bEnableKeep);
    int VoltageHighLowTime(const std::vector<uint16_t>& highLowTimes);
    int VoltageHighLowTime(uint16_t uiVoltageKeepTime, uint16_t uiOverTime, uint8_t VoltageLevelStatus);
    int ProtocolSet(int16_t iProtocolWay, const CFilterOrLengthRecognise* pFilterOrLengthRecognise);
    int8_t SendCommand0D(uint8_t value);
    int8_t SendCommand0F(uint8_t value);
    EcuAnswerLists AddressCodeEnter(uint8_t ucAddressCode, uint16_t ui16Parameter, float fBps,
                                    int16_t i16ReverseKw2TimeInterval);
    EcuAnswerLists BoschEnter(uint8_t ucAddressCode, uint16_t ui16Parameter);
    EcuAnswerLists SendFramesAndReceive(const CSendFrame& frame, bool repeat);
    EcuAnswerLists ReceiveFrames(bool reset);
    EcuAnswerLists QuickFlash(uint16_t uiFlashType, bool bRepeat);

    bool IsCollecting() const { return m_collecting; }
    int32_t GetMode() const { return m_mode; }
    bool IsPrintLocked() const { return m_printLocked; }

private:
    enum class Clear { kHead, kAll };

    // False when the message could not be sent.
    bool Send(const EcuMessage& message);
    // Outside a batch: sends the message and reads the answer; nothing when no answer came.
    std::optional<std::span<const uint8_t>> Exchange(const EcuMessage& message, int room, Clear clear);
    std::optional<std::span<const uint8_t>> ReadAnswer(int room, Clear clear);
    // In a batch: appends the message and its record; true when it was collected.
    bool Collect(const EcuMessage& message, BatchRecord record);
    // A status command: collected, or sent with its status checked.
    int StatusCommand(const EcuMessage& message, const wchar_t* function, const std::wstring& parameters, int room = kBufferSize);
    int8_t SingleByteCommand(uint8_t command, uint8_t value);
    [[noreturn]] static void Fail(int code, const std::wstring& parameters, const wchar_t* function);
    // A message longer than one link frame carries is refused with code 6 before it is collected or sent.
    static void RefuseOversized(const EcuMessage& message, const std::wstring& parameters, const wchar_t* function);

    std::unique_ptr<LinkTransport> m_transport;
    bool m_collecting = false;
    int32_t m_mode = kModeNormal;
    std::vector<uint8_t> m_sendBuffer;
    std::vector<uint8_t> m_receiveBuffer;
    size_t m_cursor = 0;
    std::vector<BatchRecord> m_batchRecords;
    CScopedHandle m_printLock;
    bool m_printLocked = false;
};
