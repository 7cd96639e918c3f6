#include "platform/document.h"

#include "platform/openpath.h"
#include "platform/winapp.h"

#include <utility>

CDocument::~CDocument() = default;

void CDocument::Serialize(bool /*bStoring*/) {}

void CDocument::DeleteContents() {}

bool CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.clear();
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnOpenDocument(const QString& /*pathName*/)
{
    DeleteContents();
    Serialize(false);
    SetModifiedFlag(false);
    return true;
}

void CDocument::OnCloseDocument()
{
    DeleteContents();
}

void CDocument::SetPathName(const QString& pathName, bool bAddToMRU)
{
    m_strPathName = pathName;
    SetTitle(AfxGetFileTitle(pathName));
    if (bAddToMRU) {
        if (CWinApp* app = AfxGetApp())
            app->AddToRecentFileList(pathName);
    }
}

void CDocument::SetTitle(const QString& title)
{
    m_strTitle = title;
    UpdateFrameTitle();
}

bool CDocument::OnCmdMsg(UINT /*nID*/, int /*nCode*/)
{
    return false;
}

CDocument::TitleHandler CDocument::SetTitleHandler(TitleHandler handler)
{
    return std::exchange(m_titleHandler, std::move(handler));
}

void CDocument::UpdateFrameTitle()
{
    if (m_titleHandler)
        m_titleHandler(*this);
}
