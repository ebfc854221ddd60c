#include "FilterOrLengthRecognise.h"

#include <algorithm>
#include <cstring>

#include "EcuCommException.h"

namespace {

constexpr uint8_t kFilterRecord = 0x01;
constexpr uint8_t kPatternRecord = 0x02;
constexpr int kFilterHeadSize = 4;
constexpr int kRecordHeadSize = 2;  // type and size

}  // namespace

void CFilterOrLengthRecognise::Reset()
{
    m_length = 0;
    m_flag = 0;
    std::memset(m_data, 0, sizeof m_data);
}

void CFilterOrLengthRecognise::Replace(std::initializer_list<uint8_t> head)
{
    std::memset(m_data, 0, sizeof m_data);
    std::copy(head.begin(), head.end(), m_data);
    m_length = static_cast<uint16_t>(head.size());
    m_flag = 1;
}

void CFilterOrLengthRecognise::SetFilter(uint8_t position, int count, const uint8_t* bytes)
{
    if (count < 0 || count > kMaxFilterBytes)
        ThrowEcuNoRoom(L"CFilterOrLengthRecognise::SetFilter");
    if (count > 0 && !bytes)
        return;
    const auto n = static_cast<uint8_t>(count);
    Replace({kFilterRecord, static_cast<uint8_t>(count + 2), position, n});
    std::memcpy(m_data + kFilterHeadSize, bytes, n);
    m_length = static_cast<uint16_t>(kFilterHeadSize + count);
}

void CFilterOrLengthRecognise::AddPattern(const ByteString& pattern)
{
    const int size = pattern.GetLength();
    if (size != 2 && size != 4)
        return;
    if (m_data[0] == 0)
        Replace({kPatternRecord, 0x00});
    if (m_data[0] != kPatternRecord)
        return;
    if (m_length + 1 + size - kRecordHeadSize > kMaxRestSize)
        ThrowEcuNoRoom(L"CFilterOrLengthRecognise::AddPattern");
    m_data[m_length] = static_cast<uint8_t>(size);
    pattern.CopyTo(m_data + m_length + 1, 0, size);
    m_length = static_cast<uint16_t>(m_length + 1 + size);
    m_data[1] = static_cast<uint8_t>(m_length - 2);
}

void CFilterOrLengthRecognise::SetKind81(uint8_t a, uint8_t b, uint8_t c)
{
    Replace({0x81, 0x03, a, b, c});
}

void CFilterOrLengthRecognise::SetKind82()
{
    Replace({0x82, 0x00});
}
