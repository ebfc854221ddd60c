#include "VehicleDataHost.h"

#include <utility>

namespace {

DbMessageShower& Shower()
{
    static DbMessageShower shower;
    return shower;
}

CodePageEncoder& Encoder()
{
    static CodePageEncoder encoder;
    return encoder;
}

}  // namespace

DbMessageShower SetDbMessageShower(DbMessageShower shower) { return std::exchange(Shower(), std::move(shower)); }

CodePageEncoder SetCodePageEncoder(CodePageEncoder encoder) { return std::exchange(Encoder(), std::move(encoder)); }

void ShowDbMessage(const std::wstring& text)
{
    if (Shower())
        Shower()(text);
}

std::optional<std::string> EncodeCodePage(const std::wstring& text, unsigned codePage)
{
    if (!Encoder())
        return std::nullopt;
    return Encoder()(text, codePage);
}
