#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "DbTextConversion.h"
#include "ProcessValues.h"
#include "TempFolder.h"
#include "VehicleDataHost.h"
#include "VehicleText.h"

// A vehicle-software folder below the temporary folder, set as the program sets it (a text ending
// in a backslash), with the language, the announced database version and DBFORMAT of a running
// diagnosis. Database messages are collected instead of shown.
class VehicleDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResSetSoftwareDir(SoftwareDir());
        ResSetLanguageCode(L"EN");
        ResSetLanguageCodeA("EN");
        SetGlobalFloat1(3.25f);
        ResSetDbFormat(0);
        m_previousShower = SetDbMessageShower([this](const std::wstring& text) { messages.push_back(text); });
        ClearVehicleTextCache();
    }

    void TearDown() override
    {
        SetDbMessageShower(m_previousShower);
        ClearVehicleTextCache();
        ResSetSoftwareDir(L"");
        ResSetLanguageCode(L"");
        ResSetLanguageCodeA("");
        SetGlobalFloat1(0);
        ResSetDbFormat(0);
    }

    std::wstring SoftwareDir() const { return folder.Path().wstring() + L"\\"; }

    // The program's narrow path of a file in the folder (UTF-8, backslash before the name).
    std::string NarrowPath(const std::string& name) const { return EncodeUtf8(folder.Path().wstring()) + "\\" + name; }

    std::filesystem::path Write(const std::string& name, const std::string& bytes) const { return folder.Write(name, bytes); }

    CTempFolder folder;
    std::vector<std::wstring> messages;

private:
    DbMessageShower m_previousShower;
};

inline std::string Bytes(const ByteString& s)
{
    return s.GetData() ? std::string(reinterpret_cast<const char*>(s.GetData()), static_cast<size_t>(s.GetLength()))
                       : std::string();
}

inline ByteString Key(const std::string& bytes)
{
    return ByteString(reinterpret_cast<const uint8_t*>(bytes.data()), static_cast<int>(bytes.size()));
}
