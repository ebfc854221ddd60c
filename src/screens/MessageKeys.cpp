#include "MessageKeys.h"

#include <vector>

namespace {

constexpr uint16_t kPollingOk = 9;
constexpr uint8_t kCancel = 2;
constexpr uint8_t kNo = 4;
constexpr uint8_t kOk = 1;

struct KEY_SPEC {
    uint32_t textId;
    const wchar_t* english;
    uint8_t code;
};

const KEY_SPEC kOkKey = {0x10000000, L"OK", 1};
const KEY_SPEC kCancelKey = {0x10000001, L"Cancel", 2};
const KEY_SPEC kYesKey = {0x10000002, L"Yes", 3};
const KEY_SPEC kNoKey = {0x10000003, L"No", 4};
const KEY_SPEC kRetryKey = {0x10000005, L"Retry", 5};
const KEY_SPEC kIgnoreKey = {0x10000007, L"Ignore", 6};
const KEY_SPEC kAbortKey = {0x10000006, L"Abort", 7};
const KEY_SPEC kPreviousKey = {0x10000008, L"Previous", 8};
const KEY_SPEC kNextKey = {0x10000009, L"Next", 9};
const KEY_SPEC kFinishKey = {0x1000000E, L"Finish", 10};

struct BOX_TYPE_KEYS {
    uint16_t boxType;
    std::vector<KEY_SPEC> keys;
};

const std::vector<BOX_TYPE_KEYS>& BoxTypeKeys()
{
    static const std::vector<BOX_TYPE_KEYS> table = {
        {1, {kOkKey}},
        {2, {kCancelKey}},
        {3, {kOkKey, kCancelKey}},
        {4, {kYesKey, kNoKey}},
        {5, {kYesKey, kNoKey, kCancelKey}},
        {6, {kRetryKey, kCancelKey}},
        {7, {kAbortKey, kRetryKey, kIgnoreKey}},
        {8, {kIgnoreKey, kAbortKey}},
        {0x16, {kNextKey, kCancelKey}},
        {0x17, {kPreviousKey, kNextKey, kCancelKey}},
        {0x19, {kPreviousKey, kFinishKey}},
    };
    return table;
}

const BOX_TYPE_KEYS* FindBoxType(uint16_t boxType)
{
    for (const BOX_TYPE_KEYS& entry : BoxTypeKeys()) {
        if (entry.boxType == boxType)
            return &entry;
    }
    return nullptr;
}

}  // namespace

std::optional<uint8_t> CMessageKeys::Setup(uint16_t typeWord)
{
    const uint16_t previousType = m_boxType;
    m_boxType = typeWord & kBoxTypeMask;
    m_printKey = m_helpKey = -1;
    for (MESSAGE_KEY& key : m_keys)
        key.shown = false;

    std::optional<uint8_t> answerAtOnce;
    int nextFree = 0;
    if (m_polledOkType && m_boxType == kPollingOk) {
        // The OK key keeps its code between requests of this type: a press arms it for the next
        // one. A code left by a message of another type (its Yes, its Cancel) is not an OK.
        if (previousType != kPollingOk)
            m_keys[0].code = 0;
        m_keys[0].textId = kOkKey.textId;
        m_keys[0].english = kOkKey.english;
        m_keys[0].shown = true;
        answerAtOnce = m_keys[0].code;
        nextFree = 1;
    } else if (SetUpTableKeys()) {
        for (const MESSAGE_KEY& key : m_keys)
            nextFree += key.shown ? 1 : 0;
    } else {
        // No keys (type 0), or a type this screen does not know: no key could ever answer it, so
        // the diagnostic program gets "no code" at once instead of waiting for ever.
        for (MESSAGE_KEY& key : m_keys)
            key.code = 0;
        answerAtOnce = 0;
    }
    m_printKey = AddExtraKey((typeWord & kPrintBit) != 0, 0x1000000C, L"Print", nextFree);
    m_helpKey = AddExtraKey((typeWord & kHelpBit) != 0, 0x10000004, L"Help", nextFree);
    return answerAtOnce;
}

bool CMessageKeys::SetUpTableKeys()
{
    const BOX_TYPE_KEYS* entry = FindBoxType(m_boxType);
    if (!entry)
        return false;
    for (size_t i = 0; i < m_keys.size(); ++i) {
        if (i < entry->keys.size())
            m_keys[i] = {entry->keys[i].textId, entry->keys[i].english, entry->keys[i].code, true};
        else
            m_keys[i].code = 0;  // hidden, and never answers
    }
    return true;
}

int CMessageKeys::AddExtraKey(bool wanted, uint32_t textId, const wchar_t* english, int& nextFree)
{
    if (!wanted || nextFree >= static_cast<int>(kKeyCount))
        return -1;
    m_keys[static_cast<size_t>(nextFree)] = {textId, english, 0, true};
    return nextFree++;
}

MESSAGE_KEY_PRESS CMessageKeys::CommandOf(size_t index) const
{
    MESSAGE_KEY_PRESS press;
    if (m_keys[index].code != 0) {
        press.action = MESSAGE_KEY_ACTION::Answer;
        press.code = m_keys[index].code;
    } else if (static_cast<int>(index) == m_helpKey) {
        press.action = MESSAGE_KEY_ACTION::Help;
    } else if (static_cast<int>(index) == m_printKey) {
        press.action = MESSAGE_KEY_ACTION::Print;
    }
    return press;
}

MESSAGE_KEY_PRESS CMessageKeys::Press(size_t index)
{
    if (index >= kKeyCount || !m_keys[index].shown)
        return {};
    if (index == 0 && m_polledOkType && m_boxType == kPollingOk) {
        m_keys[0].code = kOk;  // answered with the next request of this type
        return {};
    }
    MESSAGE_KEY_PRESS press = CommandOf(index);
    if (index == 0) {
        for (MESSAGE_KEY& key : m_keys)
            key.code = 0;
    }
    press.restorePath = index == 1 && (press.code == kCancel || press.code == kNo);
    return press;
}
