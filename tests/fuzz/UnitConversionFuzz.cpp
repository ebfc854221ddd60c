// Any unit name and value text: conversion must neither crash nor overflow.
#include <cstdint>
#include <string>

#include "UnitConversion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    // First byte picks a unit from the table (or none), the rest is the value text.
    static const wchar_t* const kUnits[] = {L"kPa", L"hPa", L"cm", L"m", L"km/h", L"deg C",
                                            L"deg F", L"Bar", L"feet", L"mph", L"\u00B0", L"V"};
    const wchar_t* unit = kUnits[data[0] % std::size(kUnits)];
    std::wstring value;
    for (size_t i = 1; i < size; ++i)
        value.push_back(static_cast<wchar_t>(data[i]));
    for (int mode : {0, 1}) {
        ConvertValueByUnit(unit, value, mode);
        ConvertUnitName(value, mode);
    }
    return 0;
}
