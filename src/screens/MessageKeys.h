#pragma once
// The five soft keys of the message screen as plain data: which keys a box type shows, with which
// caption and answer code, where the Print and Help keys go, and what a press of each key does.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

struct MESSAGE_KEY {
    uint32_t textId = 0;
    std::wstring english;  // the caption when the text id gives nothing
    uint8_t code = 0;      // 0: the key answers nothing
    bool shown = false;
};

enum class MESSAGE_KEY_ACTION { None, Answer, Print, Help };

struct MESSAGE_KEY_PRESS {
    MESSAGE_KEY_ACTION action = MESSAGE_KEY_ACTION::None;
    uint8_t code = 0;
    bool restorePath = false;  // Cancel or No on the second key: the menu path goes back first
};

class CMessageKeys {
public:
    static constexpr size_t kKeyCount = 5;
    static constexpr uint16_t kBoxTypeMask = 0xFF3F;
    static constexpr uint16_t kPrintBit = 0x40;
    static constexpr uint16_t kHelpBit = 0x80;

    // The message box knows box type 9, a polled OK; the picture screen's table has no such type.
    explicit CMessageKeys(bool polledOkType = true) : m_polledOkType(polledOkType) {}

    // Sets the keys up for a request's type word. Returns the code to answer with at once, or
    // nothing while the screen waits for the user.
    std::optional<uint8_t> Setup(uint16_t typeWord);
    // What pressing key `index` (0 to 4) does. A hidden key does nothing.
    MESSAGE_KEY_PRESS Press(size_t index);

    const std::array<MESSAGE_KEY, kKeyCount>& Keys() const { return m_keys; }
    uint16_t BoxType() const { return m_boxType; }
    int PrintKey() const { return m_printKey; }
    int HelpKey() const { return m_helpKey; }

private:
    bool SetUpTableKeys();
    // Puts a Print or Help key on the next free key; its position, or -1.
    int AddExtraKey(bool wanted, uint32_t textId, const wchar_t* english, int& nextFree);
    MESSAGE_KEY_PRESS CommandOf(size_t index) const;

    std::array<MESSAGE_KEY, kKeyCount> m_keys;
    uint16_t m_boxType = 0;
    int m_printKey = -1;
    int m_helpKey = -1;
    bool m_polledOkType = true;
};
