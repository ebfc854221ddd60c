#pragma once
// A main frame with the exchange block and the turn token, and requests sent to it as the
// diagnostic program sends them: write the frame, send WM_APP+0x6EF, take the token for the answer.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "../frame/FrameFixture.h"
#include "ExchangeBuffer.h"
#include "MakerView.h"
#include "SharedHandles.h"

namespace {

class ScreenTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        SetExchangeToken(CreateSemaphoreW(nullptr, 1, 1, nullptr));
        ASSERT_TRUE(frame->MakerView().CreateSharedMemory());
        block = frame->MakerView().SharedView();
    }

    // Writes a request (command code, then the payload from byte 4) and sends it.
    void Send(uint8_t command, const std::string& payload)
    {
        const std::string bytes = std::string{0, 0, static_cast<char>(command), 0} + payload;
        std::memcpy(block, bytes.data(), bytes.size());
        frame->SendMsg(WM_APP + 0x6EF);
    }

    bool TokenFree()
    {
        if (WaitForSingleObject(ExchangeToken(), 0) != WAIT_OBJECT_0)
            return false;
        ReleaseSemaphore(ExchangeToken(), 1, nullptr);
        return true;
    }
    // The answer bytes, once the screen gave the token back; the token is then ours until
    // ReturnTurn.
    std::string TakeAnswer(size_t bytes)
    {
        EXPECT_EQ(WaitForSingleObject(ExchangeToken(), 0), WAIT_OBJECT_0) << "no answer yet";
        return std::string(reinterpret_cast<const char*>(block), bytes);
    }
    void ReturnTurn() { ReleaseSemaphore(ExchangeToken(), 1, nullptr); }
    // A one-byte answer: 00 05, the request's command and option, the code.
    static std::string KeyAnswer(uint8_t command, uint8_t code)
    {
        return std::string{0, 5, static_cast<char>(command), 0, static_cast<char>(code)};
    }

    uint8_t* block = nullptr;
};

}  // namespace
