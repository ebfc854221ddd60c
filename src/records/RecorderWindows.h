#pragma once
// The window protocol of the screen recorder: WM_APP+0x6F1 to the top-level window titled
// "ScreenRecorder", wParam 0 start, 1 pause, 2 resume, 3 stop (the recorder closes its window).
// Every send has a reply bound, so a recorder that hangs never hangs the program.
#include <windows.h>

enum RECORDER_CONTROL : WPARAM { RecorderStart = 0, RecorderPause = 1, RecorderResume = 2, RecorderStop = 3 };

constexpr UINT kRecorderMessage = WM_APP + 0x6F1;

// Sends one control to the recorder window found by its title now; nowhere when there is none.
void SendRecorderControl(RECORDER_CONTROL control);
bool RecorderWindowExists();
// Asks every recorder window to stop until none is left, in a bounded number of rounds within the
// finish bound (a recorder that does not close its window on stop would keep an open-ended loop
// going), giving each round time to write its recording and close.
void StopRecorderWindows();
// Waits until no recorder window is left, at most `boundMs`; whether none is left.
bool WaitForRecorderWindowsGone(DWORD boundMs);
// How long a recorder is given to finish writing its recording after a stop (tests shorten it).
DWORD RecorderFinishBound();
void SetRecorderFinishBound(DWORD boundMs);
// Ends the recorder process the program started, if it still holds one: one that has ended by
// itself shortly after closing its window is left to end, any other is terminated.
void TerminateKeptRecorder();
