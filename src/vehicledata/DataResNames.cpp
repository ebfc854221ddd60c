#include "DataResNames.h"

#include <algorithm>
#include <cstring>

#include "VehicleDataPaths.h"
#include "VehicleDataTables.h"

namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char UpperOf(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Folding to lower case, as the C runtime's comparison without case does, decides where "_" sorts
// among letters.
char LowerOf(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

NAME_LANGUAGE GetNameLanguage(std::string_view path)
{
    const std::string_view name = path.substr(FileNameStart(path));
    const size_t dot = name.find_last_of('.');
    const std::string_view stem = name.substr(0, dot == std::string_view::npos ? name.size() : dot);
    NAME_LANGUAGE language;
    if (stem.size() < 3 || stem[stem.size() - 3] != '_' || !IsAsciiLetter(stem[stem.size() - 2]) ||
        !IsAsciiLetter(stem[stem.size() - 1]))
        return language;
    language.letters = std::string(stem.substr(stem.size() - 2));
    language.id = kUnknownNameLanguage;
    for (const auto& entry : g_DataResLanguages) {
        if (UpperOf(language.letters[0]) == entry.code[0] && UpperOf(language.letters[1]) == entry.code[1])
            language.id = entry.id;
    }
    return language;
}

std::string GetLanguageLetters(uint32_t id)
{
    for (const auto& entry : g_DataResLanguages) {
        if (entry.id == id)
            return entry.code;
    }
    return {};
}

std::string ContainerFileName(std::string_view containerName)
{
    std::string name = "DATA";
    if (IsPlainFileName(containerName))
        name += containerName;
    for (char& c : name)
        c = g_ContainerNameLetters[static_cast<unsigned char>(c)];
    return name;
}

std::string NameIndexFileName(std::string_view letters)
{
    return letters.empty() ? std::string("0000.cab") : "0000_" + std::string(letters) + ".cab";
}

int CompareNoCase(std::string_view a, std::string_view b, size_t limit)
{
    for (size_t i = 0; i < limit; ++i) {
        const int ca = i < a.size() ? static_cast<unsigned char>(LowerOf(a[i])) : 0;
        const int cb = i < b.size() ? static_cast<unsigned char>(LowerOf(b[i])) : 0;
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
    return 0;
}

std::string_view BoundedName(const uint8_t* field, size_t size)
{
    const auto* text = reinterpret_cast<const char*>(field);
    return std::string_view(text, static_cast<size_t>(std::find(text, text + size, '\0') - text));
}
