#pragma once

#include "platform/doctemplate.h"
#include "platform/gui/frame.h"

#include <functional>
#include <memory>

class CDocument;
class CView;

// One document, one frame and one view, re-used for every New and Open.
class CSingleDocTemplate : public CDocTemplate
{
public:
    using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
    using FrameFactory = std::function<std::unique_ptr<CFrameWnd>()>;
    using ViewFactory = std::function<std::unique_ptr<CView>()>;

    CSingleDocTemplate(UINT nIDResource, DocumentFactory document, FrameFactory frame,
                       ViewFactory view);
    ~CSingleDocTemplate() override;

    CDocument* OpenDocumentFile(const QString& pathName, bool bMakeVisible = true) override;
    CDocument* GetDocument() const override { return m_pOnlyDoc.get(); }
    void CloseAllDocuments() override;
    QString GetDocString(DocStringIndex index) const override;

    CFrameWnd* GetFrame() const { return m_pFrame.get(); }
    void SetDefaultTitle(CDocument* pDocument);

private:
    UINT m_nIDResource;
    DocumentFactory m_makeDocument;
    FrameFactory m_makeFrame;
    ViewFactory m_makeView;
    QString m_strDocStrings;
    // The frame goes before the document: its view may still read the document.
    std::unique_ptr<CDocument> m_pOnlyDoc;
    std::unique_ptr<CFrameWnd> m_pFrame;
};

// Shows a wait cursor for the length of a scope.
class CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};
