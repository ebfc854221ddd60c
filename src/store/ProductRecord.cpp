#include "ProductRecord.h"

const std::array<const char*, ProductRecord::kFieldCount> ProductRecord::kKeys = {
    "SoftwareUploadid", "SerialNumber", "congName", "LanguageCode", "SoftwareCode", "Version",
    "FullPathFileName", "Function_FullPathFileName", "MainPath", "txtPathA", "txtPathB", "Region"};

std::wstring& ProductRecord::Field(size_t index)
{
    return const_cast<std::wstring&>(static_cast<const ProductRecord&>(*this).Field(index));
}

const std::wstring& ProductRecord::Field(size_t index) const
{
    const std::array<const std::wstring*, kFieldCount> fields = {
        &SoftwareUploadid, &SerialNumber, &congName, &LanguageCode, &SoftwareCode, &Version,
        &FullPathFileName, &Function_FullPathFileName, &MainPath, &txtPathA, &txtPathB, &Region};
    return *fields.at(index);
}
