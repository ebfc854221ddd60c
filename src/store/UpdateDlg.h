#pragma once
// The settings' update page: asks the web service whether a newer version of this program is
// offered, shows its description, downloads it through the download pipeline with a progress bar,
// and opens the downloaded package, after which the settings view closes the program.
//
// Only a package this page's own batch downloaded in this run is opened, never a file that merely
// lies in "download\"; the opened package survives the program's exit, which its installer may
// still be reading it at. A failed download or open is said on the page.
#include <memory>
#include <optional>
#include <string>

#include "BmpBtn.h"
#include "ProductRecord.h"
#include "SetupPage.h"
#include "TextProgressCtrl.h"
#include "UpdateCheck.h"

class CUpdateDlg : public CSetupPage {
public:
    using UPDATE_STATE = update_check::UPDATE_STATE;
    static constexpr int kDownloadId = 1125;
    static constexpr int kProgressId = 1;
    // To the parent once the package has been opened: wParam 0 from the description, 1 after a batch.
    static constexpr UINT kCloseForUpdate = 0xBC3;
    // Posted by the description request and by the check when their answer is in (wParam: the ticket).
    static constexpr UINT kDescriptionFetched = WM_APP + 48;
    static constexpr UINT kOfferFetched = WM_APP + 49;
    static constexpr UINT_PTR kStepTimer = 1;

    explicit CUpdateDlg(HWND view);
    ~CUpdateDlg() override;

    // Asks the service, on a thread of its own, for the update offered to this device; the page says
    // it is checking until the answer is in, then shows whether a newer version is offered.
    void CheckForUpdates();
    // The download button (1125); also run by the page when its batch has finished.
    void OnDownload();
    void BeforeShow() override { CheckForUpdates(); }

    UPDATE_STATE State() const { return m_state; }
    const ProductRecord& Offered() const { return m_offered; }
    // The package file this page downloads to and opens; empty when the offered name is unusable.
    const std::wstring& PackageFile() const { return m_packageFile; }

    CWindow& MessageLabel() { return m_message; }
    CWindow& VersionLabel() { return m_version; }
    CWindow& StatusLabel() { return m_status; }
    CWindow& DescriptionBox() { return m_description; }
    CTextProgressCtrl& ProgressBar() { return m_progress; }
    CBmpBtn& DownloadButton() { return m_download; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnPaint() override;
    bool OnSize(UINT type, int width, int height) override;
    bool OnTimer(UINT_PTR id) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDestroy() override;

private:
    void SetState(UPDATE_STATE state);
    void ApplyLayout();
    void ShowDescription();
    void OpenOrDownload();
    void OpenAfterBatch();
    bool OpenPackage(WPARAM from);
    void StartDownload();
    void EnableFrameBars(bool enable);
    void Fail(const std::wstring& text);
    void OnDownloadMessage(unsigned code, LPARAM parameter);
    void OnUnpackMessage(unsigned code);
    void OnBatchFinished();
    void OnBatchReplaced();
    void OnDescriptionFetched(WPARAM ticket);
    void OnOfferFetched(WPARAM ticket);

    CWindow m_message;
    CWindow m_version;
    CWindow m_status;
    CWindow m_description;
    CTextProgressCtrl m_progress;
    CBmpBtn m_download;
    CScopedBitmap m_picture;

    ProductRecord m_offered;
    std::wstring m_serialNumber;
    std::wstring m_versionText;
    std::wstring m_packageFile;
    std::wstring m_failure;  // what went wrong last, shown on the page
    UPDATE_STATE m_state = UPDATE_STATE::Unchecked;
    bool m_barsDisabled = false;
    bool m_batchRunning = false;
    bool m_downloadFailed = false;
    bool m_unpacked = false;
    int m_step = 0;  // the bar's position while the archiver runs
    uint16_t m_batchNumber = 0;  // of the batch this page started last: only its reports count

    WPARAM m_ticket = 0;
    std::shared_ptr<std::wstring> m_descriptionRequest;
    std::shared_ptr<std::optional<ProductRecord>> m_offerRequest;  // nothing: the check failed
};
