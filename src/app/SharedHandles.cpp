#include "SharedHandles.h"

#include "ScopedWin.h"

namespace {

struct SharedHandles {
    CScopedHandle exchangeToken;
    CScopedHandle diagProgram;
    CScopedHandle recorder;
};

SharedHandles& Handles()
{
    static SharedHandles handles;
    return handles;
}

}  // namespace

HANDLE ExchangeToken() { return Handles().exchangeToken.Get(); }
void SetExchangeToken(HANDLE semaphore) { Handles().exchangeToken.Reset(semaphore); }
HANDLE DiagProgramProcess() { return Handles().diagProgram.Get(); }
void SetDiagProgramProcess(HANDLE process) { Handles().diagProgram.Reset(process); }
HANDLE RecorderProcess() { return Handles().recorder.Get(); }
void SetRecorderProcess(HANDLE process) { Handles().recorder.Reset(process); }
