#include "DemoStore.h"

#include <json/json.h>

#include <system_error>

#include "DbFileWriter.h"
#include "ProductRecord.h"

namespace fs = std::filesystem;

namespace {

constexpr int kGermanUploadOffset = 1000;
// Not the program's built-in site folder: the demo's "Config.xml" names it (COMMON\WEBSERVER
// SITEFOLDER), as an installation for another server would.
const char* const kSiteFolder = "E:\\StoreSite\\packages\\";

std::string Ascii(const std::wstring& text)
{
    return std::string(text.begin(), text.end());  // the demo's codes and folders are plain ASCII
}

std::string OfferedVersion(const STORE_OFFER& offer)
{
    const std::string folder = offer.software.versions.back();
    return folder.substr(folder.find_first_not_of('V'));
}

bool Speaks(const STORE_OFFER& offer, const std::string& language)
{
    return language == "EN" || (language == "DE" && offer.software.german);
}

int UploadIdIn(const STORE_OFFER& offer, const std::string& language)
{
    return offer.uploadId + (language == "DE" ? kGermanUploadOffset : 0);
}

Json::Value Record(const STORE_OFFER& offer, const std::string& language)
{
    Json::Value record(Json::objectValue);
    for (const char* key : ProductRecord::kKeys)
        record[key] = "";  // every key present, as the service sends them
    record["SoftwareUploadid"] = std::to_string(UploadIdIn(offer, language));
    record["congName"] = Ascii(offer.software.folder);
    record["LanguageCode"] = language;
    record["SoftwareCode"] = Ascii(offer.software.folder);
    record["Version"] = OfferedVersion(offer);
    record["FullPathFileName"] = Ascii(PackageFileName(offer));
    record["MainPath"] = kSiteFolder;
    record["Region"] = Ascii(offer.software.region);
    return record;
}

std::string Reply(const Json::Value& root)
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "  ";
    return Json::writeString(builder, root) + "\r\n";
}

std::string ProductListReply(const std::vector<STORE_OFFER>& offers, int listType, const std::string& language)
{
    Json::Value root(Json::objectValue);
    root["result"] = "1";
    root["productList"] = Json::Value(Json::arrayValue);
    for (const STORE_OFFER& offer : offers) {
        if (offer.listType == listType && Speaks(offer, language))
            root["productList"].append(Record(offer, language));
    }
    return Reply(root);
}

std::string TextReply(const std::string& text)
{
    Json::Value content(Json::objectValue);
    content["txtContent"] = text;
    Json::Value root(Json::objectValue);
    root["result"] = "1";
    root["txtContent"].append(content);
    return Reply(root);
}

// The two texts of an offer's record in a language: flag 1 what it covers, flag 2 what is new.
std::string TextOf(const STORE_OFFER& offer, const std::string& language, int flag)
{
    const DEMO_ENTRY& software = offer.software;
    const std::string name = Ascii(software.folder);
    const std::string version = software.versions.back();
    if (language == "DE")
        return flag == 1 ? name + " Diagnosesoftware " + version + ".\r\nUmfang: " + software.germanText
                         : std::string("Neu in ") + version + ":\r\n" + offer.germanNews;
    return flag == 1 ? name + " diagnostic software " + version + ".\r\nCovers " + software.english
                     : std::string("New in ") + version + ":\r\n" + offer.news;
}

std::string WriteReply(const fs::path& webRoot, const std::string& name, const std::string& body)
{
    const fs::path file = webRoot / "Interface" / name;
    return WriteFixtureFile(file, body) ? std::string() : "cannot write " + file.string();
}

std::string WriteReplies(const fs::path& webRoot, const std::vector<STORE_OFFER>& offers)
{
    std::error_code error;
    fs::create_directories(webRoot / "Interface", error);
    fs::create_directories(webRoot / "packages", error);
    if (error)
        return "cannot make " + webRoot.string();
    std::string failure;
    for (const char* language : {"EN", "DE"}) {
        for (int type : {1, 2}) {
            const std::string name = "productList.aspx@LanguageCode=" + std::string(language) + "&iType=" +
                                     std::to_string(type);
            failure += WriteReply(webRoot, name, ProductListReply(offers, type, language));
        }
        for (const STORE_OFFER& offer : offers) {
            if (!Speaks(offer, language))
                continue;
            for (int flag : {1, 2}) {
                const std::string name = "getTxt.aspx@swuID=" + std::to_string(UploadIdIn(offer, language)) +
                                         "&flag=" + std::to_string(flag);
                failure += WriteReply(webRoot, name, TextReply(TextOf(offer, language, flag)));
            }
        }
    }
    return failure;
}

}  // namespace

std::vector<STORE_OFFER> DemoStoreOffers()
{
    return {
        {1, {L"EASTREACH", L"Tessaline", 40, true, "passenger cars and light vans.",
             "Personenwagen und leichte Transporter.", {"V2.05"}},
         101, "Faster reading of trouble codes.", "Schnelleres Lesen der Fehlerspeicher."},
        {1, {L"WESTMARCH", L"Brannoc", 30, true, "saloons, estates and sports cars.",
             "Limousinen, Kombis und Sportwagen.", {"V4.20"}},
         102, "The sports cars of the new model year.", "Die Sportwagen des neuen Modelljahres."},
        {1, {L"EASTREACH", L"Marrowick", 15, true, "city buses and coaches.", "Stadtbusse und Reisebusse.",
             {"V1.00"}},
         103, "First release: city buses of three model years.", "Erste Ausgabe: Stadtbusse dreier Modelljahre."},
        {1, {L"NORTHVALE", L"Tovaldi", 12, true, "motorcycles and scooters.", "Motorr\xC3\xA4" "der und Roller.",
             {"V2.30"}},
         104, "Scooters with electric drive.", "Roller mit Elektroantrieb."},
        {2, {L"PRO", L"LIGHTLINE", -1, true, "light commercial vehicles of every maker.",
             "leichte Nutzfahrzeuge aller Hersteller.", {"V2.10"}},
         105, "Delivery vans of two more makers.", "Lieferwagen zweier weiterer Hersteller."},
        {2, {L"PRO", L"ROADLINE", -1, true, "road maintenance and municipal vehicles.",
             "Stra\xC3\x9F" "enunterhalts- und Kommunalfahrzeuge.", {"V1.00"}},
         106, "First release: sweepers, gritters and refuse trucks.",
         "Erste Ausgabe: Kehrmaschinen, Streufahrzeuge und M\xC3\xBCllwagen."},
    };
}

std::wstring PackageFileName(const STORE_OFFER& offer)
{
    const std::string version = offer.software.versions.back();
    return offer.software.folder + (L"_" + std::wstring(version.begin(), version.end())) + L".7z";
}

std::string WriteDemoStore(const fs::path& webRoot, const fs::path& staging, const fs::path& makerProgram)
{
    const std::vector<STORE_OFFER> offers = DemoStoreOffers();
    std::string failure = WriteReplies(webRoot, offers);
    for (const STORE_OFFER& offer : offers) {
        if (!failure.empty())
            break;
        const fs::path package = staging / fs::path(PackageFileName(offer)).stem();
        failure = WriteSoftwareFolder(package, DemoSoftwareFolder(offer.software), makerProgram, kDemoDatabaseVersion);
    }
    return failure;
}
