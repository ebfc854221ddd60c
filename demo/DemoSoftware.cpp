#include "DemoSoftware.h"

#include <cstdio>
#include <string>

#include "DemoVehicleData.h"

namespace {

// The records every demo version carries: system names and texts, trouble codes and live-data
// items (DemoVehicleData.h), in each language the software speaks.
const char* const kEnglishTexts =
    "00000001\tEngine\n"
    "00000002\tAutomatic transmission\n"
    "00000003\tAnti-lock brakes\n"
    "00000004\tAirbag\n"
    "00000005\tBody control\n"
    "00000101\tRead trouble codes\n"
    "00000102\tClear trouble codes\n"
    "00000103\tLive data\n"
    "00000104\tActuator test\n"
    "00000105\tVersion information\n";

const char* const kGermanTexts =
    "00000001\tMotor\n"
    "00000002\tAutomatikgetriebe\n"
    "00000003\tAntiblockiersystem\n"
    "00000004\tAirbag\n"
    "00000005\tKarosseriesteuerung\n"
    "00000101\tFehlerspeicher lesen\n"
    "00000102\tFehlerspeicher l\xC3\xB6schen\n"
    "00000103\tIstwerte\n"
    "00000104\tStellgliedtest\n"
    "00000105\tVersionsinformation\n";

// A six-byte key of the demo's databases, as "KEYHEX" digits.
std::string DemoKey(uint16_t id)
{
    char digits[16];
    std::snprintf(digits, sizeof(digits), "00000000%04X", id);
    return digits;
}

// "KEY<TAB>code<TAB>description" lines of the trouble-code database.
std::string TroubleCodeLines(bool german)
{
    std::string lines;
    for (const DEMO_TROUBLE_CODE& code : kDemoTroubleCodes)
        lines += DemoKey(code.key) + "\t" + code.code + "\t" + (german ? code.german : code.english) + "\n";
    return lines;
}

// "KEY<TAB>name<TAB>unit" lines of the data-stream database; an item without a unit has only its name.
std::string DataItemLines(bool german)
{
    std::string lines;
    auto add = [&](const DEMO_DATA_ITEM& item) {
        lines += DemoKey(item.id) + "\t" + (german ? item.german : item.english);
        if (*item.unit)
            lines += std::string("\t") + item.unit;
        lines += "\n";
    };
    for (const DEMO_DATA_ITEM& item : kDemoEngineItems)
        add(item);
    for (const DEMO_DATA_ITEM& item : kDemoFunctionItems)
        add(item);
    return lines;
}

std::vector<SOFTWARE_DATABASE> Databases(bool german)
{
    std::vector<SOFTWARE_DATABASE> databases = {
        {L"EN_TXT.DB", "EN", kEnglishTexts},
        {L"EN_DTC.DB", "EN", TroubleCodeLines(false)},
        {L"EN_DS.DB", "EN", DataItemLines(false)},
    };
    if (german) {
        databases.push_back({L"DE_TXT.DB", "DE", kGermanTexts});
        databases.push_back({L"DE_DTC.DB", "DE", TroubleCodeLines(true)});
        databases.push_back({L"DE_DS.DB", "DE", DataItemLines(true)});
    }
    return databases;
}

std::string Ascii(const wchar_t* text)
{
    std::string narrow;
    for (const wchar_t* c = text; *c; ++c)
        narrow += static_cast<char>(*c);  // the demo's folder names are plain ASCII
    return narrow;
}

}  // namespace

SOFTWARE_FOLDER DemoSoftwareFolder(const DEMO_ENTRY& entry)
{
    SOFTWARE_FOLDER software;
    software.region = entry.region;
    software.folder = entry.folder;
    if (entry.testCount >= 0)
        software.testCount = entry.testCount;
    const std::string name = Ascii(entry.folder);
    const std::string newest = entry.versions.back();
    software.languages.push_back({L"EN", newest + "\r\n" + name + ": " + entry.english + "\r\n"});
    if (entry.german)
        software.languages.push_back({L"DE", newest + "\r\n" + name + ": " + entry.germanText + "\r\n"});
    for (const char* version : entry.versions) {
        SOFTWARE_VERSION folder;
        folder.folder = std::wstring(version, version + std::char_traits<char>::length(version));
        folder.descriptions.push_back(
            {L"EN", std::string(version) + "\r\n" + name + " diagnostic software " + version + " (demonstration).\r\n" +
                        "Covers " + entry.english + "\r\n"});
        if (entry.german)
            folder.descriptions.push_back(
                {L"DE", std::string(version) + "\r\n" + name + " Diagnosesoftware " + version + " (Vorf\xC3\xBChrung).\r\n" +
                            "Umfang: " + entry.germanText + "\r\n"});
        folder.databases = Databases(entry.german);
        software.versions.push_back(std::move(folder));
    }
    return software;
}

std::vector<SOFTWARE_FOLDER> DemoSoftware()
{
    const DEMO_ENTRY entries[] = {
        {L"EASTREACH", L"Tessaline", 40, true, "passenger cars and light vans.",
         "Personenwagen und leichte Transporter.", {"V1.40", "V2.05"}},
        {L"EASTREACH", L"Orvimo", 25, true, "compact cars and their hybrid drives.",
         "Kleinwagen und ihre Hybridantriebe.", {"V3.10"}},
        {L"EASTREACH", L"Kalderra", 10, false, "off-road vehicles (English only).", "", {"V1.02"}},
        {L"WESTMARCH", L"Brannoc", 30, true, "saloons, estates and sports cars.",
         "Limousinen, Kombis und Sportwagen.", {"V4.00", "V4.12"}},
        {L"WESTMARCH", L"Quellway", 18, true, "delivery vans and minibuses.",
         "Lieferwagen und Kleinbusse.", {"V2.30"}},
        {L"WESTMARCH", L"Hollisand", 5, true, "classic models from 1995 on.",
         "klassische Modelle ab 1995.", {"V1.15"}},
        {L"NORTHVALE", L"Vikkelmor", 22, true, "trucks and tractor units.",
         "Lastwagen und Sattelzugmaschinen.", {"V5.01"}},
        {L"NORTHVALE", L"Sundrift", 8, true, "electric city cars.",
         "elektrische Stadtautos.", {"V1.00"}},
        {L"PRO", L"LIGHTLINE", -1, true, "light commercial vehicles of every maker.",
         "leichte Nutzfahrzeuge aller Hersteller.", {"V1.00", "V2.10"}},
        {L"PRO", L"HEAVYLINE", -1, true, "heavy trucks and buses of every maker.",
         "schwere Lastwagen und Busse aller Hersteller.", {"V3.02"}},
        {L"PRO", L"FIELDLINE", -1, true, "farm and construction machines.",
         "Land- und Baumaschinen.", {"V1.20"}},
    };
    std::vector<SOFTWARE_FOLDER> software;
    for (const DEMO_ENTRY& entry : entries)
        software.push_back(DemoSoftwareFolder(entry));
    return software;
}

std::vector<SOFTWARE_FOLDER> DemoMakers(size_t count)
{
    static const wchar_t* const kRegions[] = {L"EASTREACH", L"WESTMARCH", L"NORTHVALE"};
    std::vector<SOFTWARE_FOLDER> software;
    for (size_t i = 0; i < count; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "Bench%04zu", i + 1);
        const std::wstring folder(name, name + std::char_traits<char>::length(name));
        // Test counts repeat, so that ordering the makers meets equal counts too.
        const DEMO_ENTRY entry = {kRegions[i % std::size(kRegions)], folder.c_str(), static_cast<int>(i % 50), false,
                                  "vehicles of a generated maker.", "", {"V1.00"}};
        software.push_back(DemoSoftwareFolder(entry));
        software.back().versions.back().databases.clear();  // start-up reads none
    }
    return software;
}
