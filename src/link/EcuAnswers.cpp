#include "EcuAnswers.h"

#include <cmath>
#include <optional>

namespace {

constexpr uint8_t kLongLengthEscape = 0xFF;

// Reads forward through one answer; once a read would pass the end the cursor stays exhausted.
class CAnswerCursor {
public:
    CAnswerCursor(std::span<const uint8_t> bytes, size_t position) : m_bytes(bytes), m_position(position) {}

    bool Exhausted() const { return m_exhausted; }
    std::optional<uint8_t> Byte()
    {
        if (m_exhausted || m_position >= m_bytes.size()) {
            m_exhausted = true;
            return std::nullopt;
        }
        return m_bytes[m_position++];
    }
    std::optional<size_t> Length(bool longForm)
    {
        const auto first = Byte();
        if (!first || !longForm || *first != kLongLengthEscape)
            return first;
        const auto high = Byte();
        const auto low = Byte();
        if (!high || !low)
            return std::nullopt;
        return size_t{*high} << 8 | *low;
    }
    std::optional<ByteString> Bytes(size_t count)
    {
        if (m_exhausted || count > m_bytes.size() - m_position || count > ByteString::kMaxLength) {
            m_exhausted = true;
            return std::nullopt;
        }
        ByteString bytes(m_bytes.data() + m_position, static_cast<int>(count));
        m_position += count;
        return bytes;
    }

private:
    std::span<const uint8_t> m_bytes;
    size_t m_position;
    bool m_exhausted = false;
};

enum class ZeroLength { kEndsList, kEndsListWhenAlone, kSkipped };

// `count` entries; what a zero length does depends on the layout.
EcuFrameList ReadEntries(CAnswerCursor& cursor, size_t count, bool longForm, ZeroLength zero)
{
    EcuFrameList entries;
    for (size_t i = 0; i < count; ++i) {
        const auto length = cursor.Length(longForm);
        if (!length)
            break;
        if (*length == 0) {
            if (zero == ZeroLength::kEndsList || (zero == ZeroLength::kEndsListWhenAlone && count == 1))
                break;
            if (zero == ZeroLength::kSkipped)
                continue;
        }
        auto bytes = cursor.Bytes(*length);
        if (!bytes)
            break;
        entries.push_back(std::move(*bytes));
    }
    return entries;
}

void AddIfNotEmpty(EcuAnswerLists& lists, EcuFrameList list)
{
    if (!list.empty())
        lists.push_back(std::move(list));
}

void ReadGroups(CAnswerCursor& cursor, EcuAnswerLists& lists, ZeroLength zero)
{
    const auto groups = cursor.Byte();
    for (size_t g = 0; groups && g < *groups && !cursor.Exhausted(); ++g) {
        const auto count = cursor.Byte();
        if (!count)
            break;
        AddIfNotEmpty(lists, ReadEntries(cursor, *count, true, zero));
    }
}

void ReadShortFirstStopList(CAnswerCursor& cursor, EcuAnswerLists& lists)
{
    if (const auto count = cursor.Byte())
        AddIfNotEmpty(lists, ReadEntries(cursor, *count, false, ZeroLength::kEndsListWhenAlone));
}

}  // namespace

EcuAnswerLists DecodeListAnswer(std::span<const uint8_t> answer, EcuListLayout layout)
{
    EcuAnswerLists lists;
    CAnswerCursor cursor(answer, 1);
    const auto count = cursor.Byte();
    if (!count)
        return lists;
    const ZeroLength zero = layout == EcuListLayout::kShort ? ZeroLength::kEndsList : ZeroLength::kEndsListWhenAlone;
    AddIfNotEmpty(lists, ReadEntries(cursor, *count, layout == EcuListLayout::kLong, zero));
    return lists;
}

EcuAnswerLists DecodeGroupedLongAnswer(std::span<const uint8_t> answer)
{
    EcuAnswerLists lists;
    CAnswerCursor cursor(answer, 1);
    ReadGroups(cursor, lists, ZeroLength::kEndsList);
    return lists;
}

EcuAnswerLists WalkBatchAnswer(std::span<const uint8_t> answer, const std::vector<BatchRecord>& records)
{
    EcuAnswerLists lists;
    CAnswerCursor cursor(answer, 1);
    for (const BatchRecord& record : records) {
        if (cursor.Exhausted())
            break;
        if (record.replyKind == kBatchStatusReply) {
            const auto status = cursor.Byte();
            if (!status || *status != 0)
                break;
        } else if (record.longLength != 0) {
            ReadGroups(cursor, lists, ZeroLength::kSkipped);
        } else {
            cursor.Byte();  // not interpreted
            ReadShortFirstStopList(cursor, lists);
        }
    }
    if (lists.size() == 1 && lists.front().size() == 1 && lists.front().front().GetLength() == 0)
        lists.clear();
    return lists;
}

std::array<uint8_t, 3> EncodeRate(float rate)
{
    if (!std::isfinite(rate) || rate <= 0.0f)
        return {0, 0, 0};
    float x = rate;
    int exponent = 0;
    while (x > 10.0f) {
        x = x / 10.0f;
        ++exponent;
    }
    while (x < 65535.0f) {
        x = x * 10.0f;
        --exponent;
    }
    const auto mantissa = static_cast<uint16_t>(x / 10.0f);
    return {static_cast<uint8_t>(mantissa >> 8), static_cast<uint8_t>(mantissa),
            static_cast<uint8_t>(static_cast<int8_t>(exponent + 1))};
}
