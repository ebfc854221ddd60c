#include "ConfigDocument.h"

#include "AtomicFile.h"

#include <utility>

namespace {

// Calls `visit` for each backslash-separated name of a path; stops early when it returns false.
template <typename Visit>
void ForEachPathName(std::string_view path, Visit visit)
{
    size_t start = 0;
    while (true) {
        const size_t end = path.find('\\', start);
        if (!visit(path.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start)))
            return;
        if (end == std::string_view::npos)
            return;
        start = end + 1;
    }
}

const TiXmlElement* FirstChildNamed(const TiXmlElement* parent, std::string_view name)
{
    for (const TiXmlElement* child = parent->FirstChildElement(); child; child = child->NextSiblingElement()) {
        if (child->ValueStr() == name)
            return child;
    }
    return nullptr;
}

}  // namespace

bool CConfigDocument::Load(const std::filesystem::path& file)
{
    m_document.Clear();
    m_file = file;
    FILE* stream = OpenFileForReading(file);
    if (!stream)
        return false;
    const bool parsed = m_document.LoadFile(stream, TIXML_DEFAULT_ENCODING);
    std::fclose(stream);
    if (!parsed || !m_document.RootElement()) {
        m_document.Clear();  // a half-parsed tree must not be mistaken for the configuration
        return false;
    }
    return true;
}

TiXmlElement* CConfigDocument::FindElement(std::string_view elementPath)
{
    return const_cast<TiXmlElement*>(std::as_const(*this).FindElement(elementPath));
}

const TiXmlElement* CConfigDocument::FindElement(std::string_view elementPath) const
{
    const TiXmlElement* root = m_document.RootElement();
    if (!root)
        return nullptr;
    if (root->ValueStr() == elementPath)
        return root;
    if (elementPath.find('\\') == std::string_view::npos)
        return nullptr;

    const TiXmlElement* element = root;
    ForEachPathName(elementPath, [&](std::string_view name) {
        element = FirstChildNamed(element, name);
        return element != nullptr;
    });
    return element;
}

std::optional<std::string> CConfigDocument::GetAttribute(std::string_view elementPath, std::string_view key) const
{
    const TiXmlElement* element = FindElement(elementPath);
    if (!element)
        return std::nullopt;
    const std::string* value = element->Attribute(std::string(key));
    if (!value)
        return std::nullopt;
    return *value;
}

bool CConfigDocument::SetAttribute(std::string_view elementPath, std::string_view key, std::string_view value)
{
    TiXmlElement* element = FindElement(elementPath);
    if (!element)
        return false;
    element->SetAttribute(std::string(key), std::string(value));
    return Save();
}

bool CConfigDocument::Save() const
{
    return WriteFileReplacing(m_file, [this](FILE* stream) { return m_document.SaveFile(stream); });
}
