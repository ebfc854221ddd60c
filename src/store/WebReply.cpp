#include "WebReply.h"

#include <json/json.h>

#include <exception>
#include <memory>
#include <optional>

#include "StringLines.h"

namespace web_reply {
namespace {


std::wstring TextFromUtf8(const std::string& bytes)
{
    return DecodeUtf8(bytes).value_or(std::wstring());
}

// The value as a text, or nothing: the service sends every value as a text.
std::optional<std::string> TextOf(const Json::Value& value)
{
    if (!value.isString())
        return std::nullopt;
    return value.asString();
}

// The body's root when it is a JSON object, as every reply of the service is.
std::optional<Json::Value> ParseObject(std::string_view body)
{
    if (body.empty() || body.size() > kMaxBodyBytes)
        return std::nullopt;
    Json::CharReaderBuilder builder;
    builder["allowComments"] = true;
    builder["stackLimit"] = 64;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value root;
    std::string errors;
    try {
        if (!reader->parse(body.data(), body.data() + body.size(), &root, &errors) || !root.isObject())
            return std::nullopt;
    } catch (const std::exception&) {  // nesting beyond the stack limit
        return std::nullopt;
    }
    return root;
}

bool IsAccepted(const Json::Value& root)
{
    return TextOf(root.get("result", Json::Value())) == "1";
}

std::optional<Json::Value> ParseAcceptedRoot(std::string_view body)
{
    auto root = ParseObject(body);
    if (!root || !IsAccepted(*root))
        return std::nullopt;
    return root;
}

ProductRecord ReadRecord(const Json::Value& element)
{
    ProductRecord record;
    if (!element.isObject())
        return record;
    for (size_t i = 0; i < ProductRecord::kFieldCount; ++i) {
        if (const auto text = TextOf(element.get(ProductRecord::kKeys[i], Json::Value())))
            record.Field(i) = TextFromUtf8(*text);
    }
    return record;
}

}  // namespace

std::string ProductListQuery(std::string_view serialNumber, std::string_view languageCode, int type)
{
    return "sn=" + std::string(serialNumber) + "&LanguageCode=" + std::string(languageCode) +
           "&iType=" + std::to_string(type);
}

std::string TextQuery(std::string_view softwareUploadId, std::string_view flag)
{
    return "swuID=" + std::string(softwareUploadId) + "&flag=" + std::string(flag);
}

std::vector<ProductRecord> ParseProductList(std::string_view body)
{
    return ReadProductList(body).value_or(std::vector<ProductRecord>());
}

std::optional<std::vector<ProductRecord>> ReadProductList(std::string_view body)
{
    const auto root = ParseObject(body);
    if (!root)
        return std::nullopt;
    std::vector<ProductRecord> records;
    const Json::Value& list = (*root)["productList"];
    if (!IsAccepted(*root) || !list.isArray())
        return records;
    for (Json::ArrayIndex i = 0; i < list.size(); ++i)
        records.push_back(ReadRecord(list[i]));
    return records;
}

std::wstring ParseText(std::string_view body)
{
    const auto root = ParseAcceptedRoot(body);
    if (!root)
        return {};
    const Json::Value& content = (*root)["txtContent"];
    if (!content.isArray() || content.empty() || !content[0].isObject())
        return {};
    const auto text = TextOf(content[0].get("txtContent", Json::Value()));
    return text ? TextFromUtf8(*text) : std::wstring();
}

}  // namespace web_reply
