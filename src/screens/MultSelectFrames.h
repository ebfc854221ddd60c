#pragma once
// The selection screen's request (command 40), its answers, and the selection records it can load.
#include <cstdint>
#include <string>
#include <vector>

#include "ExchangeBuffer.h"

struct MULTI_SELECT_REQUEST {
    bool singleChoice = false;  // option byte 1
    uint16_t count = 0;         // as the request says
    uint16_t firstRow = 0;
    std::string title;
    std::vector<std::string> items;      // at most 300, each at most 999 bytes
    std::vector<bool> preselected;       // one per item
    uint16_t maxPreselected = 0;
    std::string status;                  // empty when there is none
};

constexpr size_t kMaxSelectRows = 300;
constexpr size_t kMaxSelectItemBytes = 999;

MULTI_SELECT_REQUEST ParseMultiSelectRequest(ExchangeBlock block);

// The rows the preselection selects: the set bits in row order, at most `maxPreselected` of them.
std::vector<size_t> PreselectedRows(const MULTI_SELECT_REQUEST& request);

// Accept in the multiple selection: the first visible row and the bit set of the marked rows, for
// the item count the request holds (bytes 4 and 5, read again; at most a full list).
void WriteMultiSelectAccept(ExchangeBlock block, uint16_t firstRow, const std::vector<bool>& marked);
void WriteMultiSelectBack(ExchangeBlock block);
// The single choice: 1 with the chosen row and its page's first row, or 2 for Back.
void WriteSingleChoiceAccept(ExchangeBlock block, uint16_t chosenRow, uint16_t firstRow);
void WriteSingleChoiceBack(ExchangeBlock block);

// Whether Accept may answer: the single choice answers a row, so it waits until one is chosen
// (chosenRow -1: none yet); the multiple selection may answer with no row marked.
bool MultiSelectAcceptAllowed(bool singleChoice, int chosenRow);

// A saved selection: the vehicle-software folder it belongs to, then the count and the rows.
// Broken: the count is not 1 to 300, nothing is read. BrokenRow: a row number is not one; the rows
// before it were read.
enum class SELECTION_RECORD_RESULT { Loaded, WrongSoftware, Broken, BrokenRow };

struct SELECTION_RECORD {
    SELECTION_RECORD_RESULT result = SELECTION_RECORD_RESULT::Broken;
    std::vector<size_t> rows;
};

SELECTION_RECORD ParseSelectionRecord(const std::string& text, const std::string& softwareFolder);

// The record's file name for a day: "%4d%2d%2d" with blanks as "0", and ".txt".
std::string SelectionRecordName(int year, int month, int day);
