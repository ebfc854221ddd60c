#pragma once
#include <array>
#include <string>

// One software package as the maker's web service describes it. The texts keep the order of the
// service's reply keys, so a record is read key by key (ProductRecord::kKeys).
struct ProductRecord {
    static constexpr size_t kFieldCount = 12;
    static const std::array<const char*, kFieldCount> kKeys;

    std::wstring SoftwareUploadid;
    std::wstring SerialNumber;
    std::wstring congName;
    std::wstring LanguageCode;
    std::wstring SoftwareCode;
    std::wstring Version;
    std::wstring FullPathFileName;
    std::wstring Function_FullPathFileName;
    std::wstring MainPath;
    std::wstring txtPathA;
    std::wstring txtPathB;
    std::wstring Region;

    // The text of the index-th key of kKeys.
    std::wstring& Field(size_t index);
    const std::wstring& Field(size_t index) const;

    bool operator==(const ProductRecord&) const = default;
};
