#pragma once
// When the message loop may paint. The diagnostic program can ask for a new screen state many
// hundred times a second; painting each one would put a repaint into every turn of the exchange
// while the screen only shows the last. So after a turn the loop holds paints while the next
// turn follows closely, and paints as soon as the program pauses for a moment or the hold grows
// long enough to be seen. Times are in microseconds of any steady clock. Platform-free.
#include <cstdint>

class CPaintPacer {
public:
    // A pause of the program this long lets the loop paint.
    static constexpr uint64_t kQuietUs = 4000;
    // Paints never wait longer than this behind a run of turns: the screen follows at 25 pictures a second.
    static constexpr uint64_t kLongestHoldUs = 40000;

    // A turn of the exchange was served at `now`.
    void NoteTurn(uint64_t now);
    // Whether paints wait at `now`; once they may go the hold is over until the next turn.
    bool HoldsPaints(uint64_t now);
    // How long paints may still wait at `now`, in whole milliseconds rounded up (0 when not held).
    uint32_t HoldLeftMs(uint64_t now) const;

private:
    bool m_holding = false;
    uint64_t m_holdSince = 0;
    uint64_t m_lastTurn = 0;
};
