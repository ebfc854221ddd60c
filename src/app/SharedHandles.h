#pragma once
// Kernel handles shared by the whole process: the exchange token and the processes the program
// started. Each setter takes over the handle; a handle replaced or cleared is closed.
#include <windows.h>

HANDLE ExchangeToken();  // the semaphore "hSemaphore"
void SetExchangeToken(HANDLE semaphore);

HANDLE DiagProgramProcess();  // the running diagnostic program, or null
void SetDiagProgramProcess(HANDLE process);

HANDLE RecorderProcess();  // the screen recorder the program started, or null
void SetRecorderProcess(HANDLE process);
