#include "MultSelectFrames.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "ExchangeFrames.h"

namespace {

constexpr size_t kCountOffset = 4;
constexpr size_t kFirstRowOffset = 6;
constexpr size_t kTitleOffset = 8;
constexpr size_t kKindOffset = 4;
constexpr uint8_t kAccept = 1;
constexpr uint8_t kBack = 2;

bool BitOf(const CRequestReader& reader, size_t bitsOffset, size_t row)
{
    return (reader.U8(bitsOffset + row / 8) >> (7 - row % 8)) & 1;
}

size_t BitSetBytes(size_t rows)
{
    return std::max<size_t>((rows + 7) / 8, 1);
}

std::string Line(const std::string& text, size_t& at)
{
    const size_t end = text.find('\n', at);
    std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
    at = end == std::string::npos ? text.size() : end + 1;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

bool ReadNumber(const std::string& text, long& value)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 9)
        return false;
    value = std::strtol(text.c_str(), nullptr, 10);
    return true;
}

}  // namespace

MULTI_SELECT_REQUEST ParseMultiSelectRequest(ExchangeBlock block)
{
    const CRequestReader reader(block);
    MULTI_SELECT_REQUEST request;
    request.singleChoice = reader.Option() == 1;
    request.count = reader.BE16(kCountOffset);
    request.firstRow = reader.BE16(kFirstRowOffset);
    size_t offset = kTitleOffset;
    request.title = reader.Text(offset);
    const size_t count = std::min<size_t>(request.count, kMaxSelectRows);
    for (size_t i = 0; i < count && offset < exchange::kMailboxOffset; ++i) {
        std::string item = reader.Text(offset);
        if (item.size() > kMaxSelectItemBytes)
            item.resize(kMaxSelectItemBytes);
        request.items.push_back(std::move(item));
    }
    const size_t bits = offset;
    for (size_t row = 0; row < request.items.size(); ++row)
        request.preselected.push_back(BitOf(reader, bits, row));
    offset = bits + (request.items.size() + 7) / 8;
    request.maxPreselected = reader.BE16(offset);
    offset += 2;
    const size_t total = (static_cast<size_t>(block[0]) << 8) | block[1];
    if (offset < total)
        request.status = reader.Text(offset);
    return request;
}

std::vector<size_t> PreselectedRows(const MULTI_SELECT_REQUEST& request)
{
    std::vector<size_t> rows;
    for (size_t row = 0; row < request.preselected.size(); ++row) {
        if (!request.preselected[row])
            continue;
        if (rows.size() >= request.maxPreselected)
            break;
        rows.push_back(row);
    }
    return rows;
}

void WriteMultiSelectAccept(ExchangeBlock block, uint16_t firstRow, const std::vector<bool>& marked)
{
    // The count the request holds, but never more than a list can hold: the length is one byte.
    const size_t rows = std::min<size_t>((static_cast<size_t>(block[kCountOffset]) << 8) | block[kCountOffset + 1],
                                         kMaxSelectRows);
    const size_t bytes = BitSetBytes(rows);
    CAnswerWriter writer(block);
    writer.Header(static_cast<uint8_t>(7 + bytes));
    writer.U8(kKindOffset, kAccept);
    writer.BE16(kKindOffset + 1, firstRow);
    for (size_t i = 0; i < bytes; ++i) {
        uint8_t bits = 0;
        for (size_t bit = 0; bit < 8; ++bit) {
            const size_t row = i * 8 + bit;
            if (row < marked.size() && marked[row])
                bits |= static_cast<uint8_t>(0x80 >> bit);
        }
        writer.U8(7 + i, bits);
    }
}

void WriteMultiSelectBack(ExchangeBlock block)
{
    CAnswerWriter writer(block);
    writer.Header(7);
    writer.U8(kKindOffset, kBack);
}

void WriteSingleChoiceAccept(ExchangeBlock block, uint16_t chosenRow, uint16_t firstRow)
{
    CAnswerWriter writer(block);
    writer.Header(8);
    writer.U8(exchange::kOptionOffset, kAccept);
    writer.BE16(4, chosenRow);
    writer.BE16(6, firstRow);
}

void WriteSingleChoiceBack(ExchangeBlock block)
{
    CAnswerWriter writer(block);
    writer.Header(8);
    writer.U8(exchange::kOptionOffset, kBack);
}

SELECTION_RECORD ParseSelectionRecord(const std::string& text, const std::string& softwareFolder)
{
    SELECTION_RECORD record;
    size_t at = 0;
    if (Line(text, at) != softwareFolder) {
        record.result = SELECTION_RECORD_RESULT::WrongSoftware;
        return record;
    }
    long count = 0;
    if (!ReadNumber(Line(text, at), count) || count < 1 || count > static_cast<long>(kMaxSelectRows))
        return record;
    // The numbers, each ended by ";", up to the end of the file.
    size_t start = at;
    while (start < text.size()) {
        const size_t end = text.find(';', start);
        std::string field = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        field.erase(std::remove_if(field.begin(), field.end(), [](char c) { return c == '\r' || c == '\n' || c == ' '; }),
                    field.end());
        long row = 0;
        if (!field.empty()) {
            if (!ReadNumber(field, row) || row > static_cast<long>(kMaxSelectRows)) {
                record.result = SELECTION_RECORD_RESULT::BrokenRow;
                return record;
            }
            record.rows.push_back(static_cast<size_t>(row));
        }
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    record.result = SELECTION_RECORD_RESULT::Loaded;
    return record;
}

std::string SelectionRecordName(int year, int month, int day)
{
    char name[32] = {};
    std::snprintf(name, sizeof(name), "%4d%2d%2d", year % 10000, month % 100, day % 100);
    std::string text = name;
    std::replace(text.begin(), text.end(), ' ', '0');
    return text + ".txt";
}

bool MultiSelectAcceptAllowed(bool singleChoice, int chosenRow)
{
    return !singleChoice || chosenRow >= 0;
}
