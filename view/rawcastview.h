#pragma once

#include "output/outputjob.h"
#include "platform/gui/controls.h"
#include "platform/gui/view.h"

class CRawcastDoc;

// The output form: the file list that Output sends, the target port, the block size
// and the progress of a running job.
class CRawcastView : public CFormView, private IOutputFileList, private IOutputProgress
{
public:
    CRawcastView();
    ~CRawcastView() override;

    CRawcastDoc* GetDocument() const;

    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitialUpdate() override;
    void UpdateTargetPort();

    void OnAdd();
    void OnIns();
    void OnDel();
    void OnOutput();
    void OnFilePrintSetup();
    void OnPrintOutput();
    // The command line's print switches: the list goes out as one job, to the printer the
    // command line names or else to the current one.
    void OnFilePrintDirect();

    CProgressCtrl m_progress;
    CListBox m_list;
    DWORD m_blockSize = 10;
    QString m_port;
    QString m_percent;

    // How the last job ended.
    OutputResult m_lastJob;

    DECLARE_MESSAGE_MAP()

private:
    // What the job reads and shows.
    int GetCount() const override;
    QString GetText(int index) const override;
    void SetPos(int position) override;
    void SetRange(int lower, int upper) override;
    void SetPercent(const QString& text) override;

    void RunJob(PrinterQuery query);
    void ShowLabel(int nID, const QString& text);
};
