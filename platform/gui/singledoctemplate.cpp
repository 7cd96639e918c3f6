#include "platform/gui/singledoctemplate.h"

#include "platform/document.h"
#include "platform/gui/view.h"
#include "platform/msgbox.h"
#include "platform/strings.h"
#include "res/resource.h"

#include <QApplication>

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, DocumentFactory document,
                                       FrameFactory frame, ViewFactory view)
    : m_nIDResource(nIDResource), m_makeDocument(std::move(document)),
      m_makeFrame(std::move(frame)), m_makeView(std::move(view)),
      m_strDocStrings(AfxLoadString(nIDResource))
{}

CSingleDocTemplate::~CSingleDocTemplate()
{
    CloseAllDocuments();
}

QString CSingleDocTemplate::GetDocString(DocStringIndex index) const
{
    return m_strDocStrings.section(QLatin1Char('\n'), index, index);
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    QString title = GetDocString(docName);
    if (title.isEmpty())
        title = AfxLoadString(AFX_IDS_UNTITLED);
    pDocument->SetTitle(title);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const QString& pathName, bool bMakeVisible)
{
    bool created = false;
    if (!m_pOnlyDoc) {
        m_pOnlyDoc = m_makeDocument();
        created = true;
    }
    if (!m_pFrame) {
        std::unique_ptr<CFrameWnd> frame = m_makeFrame();
        CCreateContext context{m_makeView, m_pOnlyDoc.get()};
        if (!frame ||
            !frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, &context)) {
            AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
            frame.reset();
            if (created)
                m_pOnlyDoc.reset();
            return nullptr;
        }
        m_pFrame = std::move(frame);
    }

    CDocument* document = m_pOnlyDoc.get();
    if (pathName.isNull()) {
        SetDefaultTitle(document);
        if (!document->OnNewDocument())
            return nullptr;
    } else {
        CWaitCursor wait;
        document->SetModifiedFlag(false);
        if (!document->OnOpenDocument(pathName))
            return nullptr;
        document->SetPathName(pathName);
    }
    m_pFrame->InitialUpdateFrame(document, bMakeVisible);
    return document;
}

void CSingleDocTemplate::CloseAllDocuments()
{
    if (m_pOnlyDoc)
        m_pOnlyDoc->DeleteContents();
    m_pFrame.reset();
    m_pOnlyDoc.reset();
}

CWaitCursor::CWaitCursor()
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

CWaitCursor::~CWaitCursor()
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::restoreOverrideCursor();
}
