#include "doc/rawcastdoc.h"

CRawcastDoc::~CRawcastDoc() = default;

void CRawcastDoc::Serialize(bool /*bStoring*/) {}

void CRawcastDoc::DeleteContents()
{
    m_files.clear();
    CDocument::DeleteContents();
}

bool CRawcastDoc::OnNewDocument()
{
    m_files.clear();
    return CDocument::OnNewDocument();
}

bool CRawcastDoc::OnOpenDocument(const QString& pathName)
{
    // The path is recorded, never opened: a missing or unreadable file is the output
    // job's concern.
    DeleteContents();
    m_files.append(pathName);
    return true;
}
