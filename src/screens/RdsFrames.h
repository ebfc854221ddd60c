#pragma once
// The live-data screen's request and answer in the exchange block.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ExchangeBuffer.h"

namespace rds {
constexpr size_t kMaxItems = 300;
constexpr size_t kIdSize = 6;
constexpr uint8_t kTextFormNibble = 0x8;
constexpr uint8_t kPagedByProgram = 1;
constexpr uint8_t kGroupMode = 1;

// The keys an answer carries.
constexpr uint8_t kKeyRefresh = 255;
constexpr uint8_t kKeyPreviousGroup = 8;
constexpr uint8_t kKeyNextGroup = 9;
constexpr uint8_t kKeyLeave = 11;
constexpr uint8_t kKeyChannel = 12;
constexpr uint8_t kKeyNextPage = 14;
constexpr uint8_t kKeyPreviousPage = 15;
}  // namespace rds

using RDS_ID = std::array<uint8_t, rds::kIdSize>;

struct RDS_ITEM {
    RDS_ID id = {};      // id form
    RDS_ID second = {};  // id form, id layout 1
    std::string name;    // text form
    std::string value;
    std::string unit;    // text form
};

struct RDS_REQUEST {
    bool textForm = false;
    uint8_t pagingMode = 0;  // low nibble of the option byte; 1: the diagnostic program pages
    uint8_t mode = 0;        // 1: group mode
    uint8_t idLayout = 0;    // 0: one id per item; 1: an id and a second field
    uint16_t itemCount = 0;  // as the request says
    uint16_t total = 0;      // paging mode only
    uint16_t pageBase = 0;   // paging mode only: the absolute number of the first item
    std::string databaseName;
    std::string title;
    std::vector<RDS_ITEM> items;  // ending at the frame area and at absolute item 300
};

class CRequestReader;

// Reads one item at `offset` and moves past it: name, value and unit in the text form; an id, the
// second field for id layout 1, and the value in the id form. The actuator-test rows share it.
RDS_ITEM ReadRdsItem(const CRequestReader& reader, bool textForm, uint8_t idLayout, size_t& offset);

// Reads a live-data request. Items are taken while their absolute number stays below 300 and their
// bytes lie in the frame area; in the id form an id layout other than 0 and 1 takes no items.
RDS_REQUEST ParseRdsRequest(ExchangeBlock block);

// The absolute number of item `index` of a request: the diagnostic program's page base moves it
// when it pages the list itself.
size_t RdsAbsoluteItem(const RDS_REQUEST& request, size_t index);

// Whether the items carry the same ids (and second fields for id layout 1), in the same order, as
// the lists the screen keeps. The text form never counts as the same list.
bool IsSameRdsList(const RDS_REQUEST& request, const std::vector<RDS_ID>& ids, const std::vector<RDS_ID>& seconds);

// The answer: the key, and in paging mode the page base and the row count of the page asked for.
struct RDS_ANSWER {
    uint8_t key = rds::kKeyRefresh;
    bool paged = false;
    uint16_t pageBase = 0;
    uint8_t rows = 0;
};
void WriteRdsAnswer(ExchangeBlock block, const RDS_ANSWER& answer);

// The id's six bytes as a narrow text: up to the first zero byte.
std::string RdsIdText(const RDS_ID& id);
