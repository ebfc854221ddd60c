#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ProductRecord.h"

// The web service's requests and its JSON replies. A reply counts only when its root's "result" is
// the text "1"; anything else (not JSON, another result, a missing array) reads as nothing.
namespace web_reply {

// Bodies above this size are not read further; no reply of the service comes near it.
constexpr size_t kMaxBodyBytes = 4 * 1024 * 1024;

std::string ProductListQuery(std::string_view serialNumber, std::string_view languageCode, int type);
std::string TextQuery(std::string_view softwareUploadId, std::string_view flag);

// Every record of "productList", in reply order.
std::vector<ProductRecord> ParseProductList(std::string_view body);
// The same, but nothing at all for a body that is no reply of the service (not a JSON object: an
// answer cut short, a page of something else between the program and the service), so the caller
// can tell a failed request from a list the service answered with nothing offered.
std::optional<std::vector<ProductRecord>> ReadProductList(std::string_view body);
// The "txtContent" of the first element of "txtContent".
std::wstring ParseText(std::string_view body);

}  // namespace web_reply
