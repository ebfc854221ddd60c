#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <tinyxml.h>

// The program's XML configuration as bytes: element paths, attributes and saving. Texts here are the
// document's own bytes (UTF-8 as written by the program); the wide-text layer above converts them.
//
// An element path is a list of element names separated by backslashes, resolved below the root
// element: "COMMON\LANGUAGE" is the first LANGUAGE child of the first COMMON child of the root.
// A path equal to the root's own name gives the root. Names compare exactly.
class CConfigDocument {
public:
    // Reads and parses the file. On failure the document stays empty: every read gives no value and
    // every write fails, so a broken file can never be overwritten by a partial one.
    bool Load(const std::filesystem::path& file);

    bool IsLoaded() const { return m_document.RootElement() != nullptr; }

    // The attribute's text, or nothing when the document, the element or the attribute is missing.
    std::optional<std::string> GetAttribute(std::string_view elementPath, std::string_view key) const;

    // Sets (or adds) the attribute on an existing element and saves the whole file at once.
    // Elements are never created: a missing element gives false and changes nothing.
    // A failed save gives false; the value then stays changed in memory only.
    bool SetAttribute(std::string_view elementPath, std::string_view key, std::string_view value);

    // The element a path names, or null.
    const TiXmlElement* FindElement(std::string_view elementPath) const;

private:
    TiXmlElement* FindElement(std::string_view elementPath);
    bool Save() const;

    TiXmlDocument m_document;
    std::filesystem::path m_file;
};
