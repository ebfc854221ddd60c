#pragma once
#include <string>

// Conversion of measured values and unit names between the metric and the British system.
// The unit mode is 0 (metric) or 1 (British); the forms without it use the process-wide unit mode.

struct UNIT_CONVERSION_ROW {
    const wchar_t* metricName;
    const wchar_t* britishName;
    double factor;  // 0 marks a temperature row, converted by F = C * 9 / 5 + 32
};

// The conversion table, in the order in which rows are matched.
extern const UNIT_CONVERSION_ROW g_UnitTable[12];

// The value text converted into the other system when the unit has a row for it; otherwise (and
// when the value text does not start with a number) the value text as it came.
std::wstring ConvertValueByUnit(const std::wstring& unit, const std::wstring& value, int unitMode);
std::wstring ConvertValueByUnit(const std::wstring& unit, const std::wstring& value);

// The unit's name in the given system; names without a row have their degree signs spelled out.
std::wstring ConvertUnitName(const std::wstring& unit, int unitMode);
std::wstring ConvertUnitName(const std::wstring& unit);
