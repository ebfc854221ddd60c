#pragma once
// An enhanced metafile stands in for the printer: what is printed on it is read back as texts with
// their places, and page ends leave a comment in it, so a test sees the pages of a print job.
#include <windows.h>

#include <memory>
#include <utility>
#include <string>
#include <vector>

#include "DiagSystemPrinter.h"

namespace print_test {

struct PRINTED_TEXT {
    std::wstring text;
    int x = 0;
    int y = 0;
    int page = 0;
};

constexpr char kPageEnd[] = "page end";

// The metafile's device context; Finish closes it and reads what was drawn.
class CMetafileCapture {
public:
    CMetafileCapture() : m_dc(CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr)) {}
    ~CMetafileCapture()
    {
        if (m_dc)
            DeleteEnhMetaFile(CloseEnhMetaFile(m_dc));
    }
    CMetafileCapture(const CMetafileCapture&) = delete;
    CMetafileCapture& operator=(const CMetafileCapture&) = delete;

    HDC Dc() const { return m_dc; }
    void MarkPageEnd() { GdiComment(m_dc, sizeof kPageEnd, reinterpret_cast<const BYTE*>(kPageEnd)); }

    std::vector<PRINTED_TEXT> Finish()
    {
        const HENHMETAFILE metafile = CloseEnhMetaFile(m_dc);
        m_dc = nullptr;
        std::vector<PRINTED_TEXT> texts;
        int page = 0;
        std::pair<std::vector<PRINTED_TEXT>*, int*> context{&texts, &page};
        EnumEnhMetaFile(nullptr, metafile, &Collect, &context, nullptr);
        DeleteEnhMetaFile(metafile);
        return texts;
    }

private:
    static int CALLBACK Collect(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data)
    {
        auto* context = reinterpret_cast<std::pair<std::vector<PRINTED_TEXT>*, int*>*>(data);
        if (record->iType == EMR_EXTTEXTOUTW) {
            const auto* out = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
            const auto* chars = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) +
                                                                 out->emrtext.offString);
            context->first->push_back({std::wstring(chars, out->emrtext.nChars), out->emrtext.ptlReference.x,
                                       out->emrtext.ptlReference.y, *context->second});
        } else if (record->iType == EMR_GDICOMMENT) {
            const auto* comment = reinterpret_cast<const EMRGDICOMMENT*>(record);
            if (comment->cbData == sizeof kPageEnd &&
                std::string(reinterpret_cast<const char*>(comment->Data)) == kPageEnd)
                ++*context->second;
        }
        return 1;
    }

    HDC m_dc;
};

// A print job into a capture the test keeps.
class CCaptureSink : public IPrintSink {
public:
    CCaptureSink(CMetafileCapture& capture, std::wstring& documentName)
        : m_capture(capture), m_documentName(documentName)
    {
    }
    HDC Dc() const override { return m_capture.Dc(); }
    bool BeginDocument(const std::wstring& name) override
    {
        m_documentName = name;
        return true;
    }
    bool BeginPage() override { return true; }
    bool EndPage() override
    {
        m_capture.MarkPageEnd();
        return true;
    }
    void EndDocument(bool) override {}

private:
    CMetafileCapture& m_capture;
    std::wstring& m_documentName;
};

// A printer whose spooler refuses one step of the job.
enum class PRINT_STEP { None, BeginDocument, BeginPage, EndPage };

class CRefusingSink : public CCaptureSink {
public:
    CRefusingSink(CMetafileCapture& capture, std::wstring& documentName, PRINT_STEP refused)
        : CCaptureSink(capture, documentName), m_refused(refused)
    {
    }
    bool BeginDocument(const std::wstring& name) override
    {
        return CCaptureSink::BeginDocument(name) && m_refused != PRINT_STEP::BeginDocument;
    }
    bool BeginPage() override { return CCaptureSink::BeginPage() && m_refused != PRINT_STEP::BeginPage; }
    bool EndPage() override { return CCaptureSink::EndPage() && m_refused != PRINT_STEP::EndPage; }

private:
    PRINT_STEP m_refused;
};

inline std::vector<std::wstring> TextsOf(const std::vector<PRINTED_TEXT>& printed)
{
    std::vector<std::wstring> texts;
    for (const auto& item : printed)
        texts.push_back(item.text);
    return texts;
}

}  // namespace print_test
