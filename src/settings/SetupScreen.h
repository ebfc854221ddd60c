#pragma once
// The window size, stored and taken into use by a restart as soon as it is clicked; a click on the
// size already stored does nothing.
#include "SetupChoicePage.h"

class CSetupScreen : public CSetupChoicePage {
public:
    // Its own template: the log page already uses the number the other setup pages' scheme gives it.
    static constexpr int kTemplateId = 293;
    static constexpr int kFullScreen = 1093;
    static constexpr int kFixedScreen = 1094;
    explicit CSetupScreen(HWND parent);

protected:
    bool StartsWithSecond() const override;
    void OnChoice(int id) override;
};
