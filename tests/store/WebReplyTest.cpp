#include <gtest/gtest.h>

#include "WebReply.h"

namespace {

const char* const kThreeProducts = R"({"result":"1","productList":[
  {"SoftwareUploadid":"11","SoftwareCode":"ALPHA","Version":"V1.10","Region":"EUROPE","LanguageCode":"EN"},
  {"SoftwareUploadid":"12","SoftwareCode":"BETA","MainPath":"D:\\Site\\pkg\\","Region":"ASIA"},
  {"SoftwareUploadid":"13","SoftwareCode":"GAMMA","FullPathFileName":"up\\GAMMA.7z","Region":"USA"}]})";

TEST(WebReplyTest, ProductListKeepsEveryRecordInReplyOrder)
{
    const auto records = web_reply::ParseProductList(kThreeProducts);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].SoftwareCode, L"ALPHA");
    EXPECT_EQ(records[0].Version, L"V1.10");
    EXPECT_EQ(records[0].LanguageCode, L"EN");
    EXPECT_EQ(records[1].MainPath, L"D:\\Site\\pkg\\");
    EXPECT_EQ(records[2].FullPathFileName, L"up\\GAMMA.7z");
    EXPECT_EQ(records[2].SoftwareUploadid, L"13");
}

TEST(WebReplyTest, EveryKeyFillsItsOwnField)
{
    std::string json = R"({"result":"1","productList":[{)";
    for (size_t i = 0; i < ProductRecord::kFieldCount; ++i)
        json += std::string(i ? "," : "") + "\"" + ProductRecord::kKeys[i] + "\":\"v" + std::to_string(i) + "\"";
    json += "}]}";
    const auto records = web_reply::ParseProductList(json);
    ASSERT_EQ(records.size(), 1u);
    for (size_t i = 0; i < ProductRecord::kFieldCount; ++i)
        EXPECT_EQ(records[0].Field(i), L"v" + std::to_wstring(i)) << ProductRecord::kKeys[i];
}

TEST(WebReplyTest, MissingKeyLeavesOnlyThatFieldEmpty)
{
    const auto records = web_reply::ParseProductList(
        R"({"result":"1","productList":[{"SoftwareCode":"ALPHA","congName":"Maker \u00c4"}]})");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Region, L"");
    EXPECT_EQ(records[0].SoftwareCode, L"ALPHA");
    EXPECT_EQ(records[0].congName, L"Maker \u00c4");
}

TEST(WebReplyTest, RepliesThatAreNotAcceptedGiveNothing)
{
    const char* const refused[] = {
        R"({"result":"0","productList":[{"SoftwareCode":"ALPHA"}]})",
        R"({"result":"1 ","productList":[{"SoftwareCode":"ALPHA"}]})",
        R"({"result":1,"productList":[{"SoftwareCode":"ALPHA"}]})",
        R"({"productList":[{"SoftwareCode":"ALPHA"}]})",
        R"({"result":"1","productList":{"SoftwareCode":"ALPHA"}})",
        R"(["result","1"])",
        R"({"result":"1","productList":[{"SoftwareCode":"ALPHA"})",
        "",
        "not json",
    };
    for (const char* body : refused)
        EXPECT_TRUE(web_reply::ParseProductList(body).empty()) << body;
}

// A reply of the service that offers nothing is an empty list; a body that is no reply of the
// service at all is nothing, so that a failed request is not shown as an empty offer.
TEST(WebReplyTest, OnlyABodyThatIsNoReplyReadsAsNoList)
{
    struct Case {
        const char* body;
        bool reply;
    };
    const Case cases[] = {
        {R"({"result":"1","productList":[]})", true},
        {R"({"result":"0","productList":[{"SoftwareCode":"ALPHA"}]})", true},
        {R"({"result":"1"})", true},
        {R"({"result":"1","productList":[{"SoftwareCode":"ALPHA"})", false},  // cut short
        {R"(["result","1"])", false},
        {"<html><body>Sign in to the network</body></html>", false},
        {"", false},
    };
    for (const Case& c : cases) {
        const auto list = web_reply::ReadProductList(c.body);
        EXPECT_EQ(list.has_value(), c.reply) << c.body;
        if (list) {
            EXPECT_TRUE(list->empty()) << c.body;
        }
    }
    EXPECT_EQ(web_reply::ReadProductList(kThreeProducts).value_or(std::vector<ProductRecord>()).size(), 3u);
}

TEST(WebReplyTest, LinesAndCommentsParseLikeOneLine)
{
    const auto records = web_reply::ParseProductList(
        "{\n  \"result\": \"1\", // accepted\n  \"productList\": [\n    {\"SoftwareCode\": \"ALPHA\"}\n  ]\n}\n");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].SoftwareCode, L"ALPHA");
}

TEST(WebReplyTest, TextIsTheFirstElementsContent)
{
    struct Case {
        const char* body;
        const wchar_t* text;
    };
    const Case cases[] = {
        {R"({"result":"1","txtContent":[{"txtContent":"first"},{"txtContent":"second"}]})", L"first"},
        {R"({"result":"1","txtContent":[]})", L""},
        {R"({"result":"0","txtContent":[{"txtContent":"first"}]})", L""},
        {R"({"result":"1","txtContent":"first"})", L""},
        {R"({"result":"1","txtContent":[{"other":"first"}]})", L""},
        {R"({"result":"1","txtContent":["first"]})", L""},
        {"{\"result\":\"1\",\"txtContent\":[{\"txtContent\":\"\xE4\xB8\xAD\"}]}", L"\u4e2d"},
        {"{\"result\":\"1\",\"txtContent\":[{\"txtContent\":\"\xC3\"}]}", L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(web_reply::ParseText(c.body), c.text) << c.body;
}

TEST(WebReplyTest, DeepNestingIsRefusedNotRecursedInto)
{
    const std::string deep =
        R"({"result":"1","productList":)" + std::string(100000, '[') + std::string(100000, ']') + "}";
    EXPECT_TRUE(web_reply::ParseProductList(deep).empty());
}

TEST(WebReplyTest, QueriesCarryTheirValuesAsTheyAre)
{
    EXPECT_EQ(web_reply::ProductListQuery("SN 01", "EN", 3), "sn=SN 01&LanguageCode=EN&iType=3");
    EXPECT_EQ(web_reply::TextQuery("42", "2"), "swuID=42&flag=2");
}

}  // namespace
