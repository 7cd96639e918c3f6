#pragma once

#include "platform/gui/ddx.h"
#include "platform/gui/dialogbuilder.h"
#include "platform/gui/wnd.h"

class CDocument;
class CFrameWnd;

// A view shows the document inside the frame's client area.
class CView : public CWnd
{
public:
    CDocument* GetDocument() const { return m_pDocument; }
    CFrameWnd* GetParentFrame() const { return m_pFrame; }

    // Creates the view's window as a child of parent.
    virtual QWidget* Create(QWidget* parent) = 0;
    virtual void OnInitialUpdate() {}

    // Sends a command along the frame's route (this view first).
    void SendCommand(UINT nID);

    CDocument* m_pDocument = nullptr;
    CFrameWnd* m_pFrame = nullptr;
};

// A view laid out from a dialog template, with data exchange. It scrolls when the
// frame's client area is smaller than the form.
class CFormView : public CView
{
public:
    explicit CFormView(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}

    QWidget* Create(QWidget* parent) override;
    QWidget* GetDlgItem(int nID) const { return m_builder.Item(nID); }
    QWidget* GetFormWidget() const { return m_pForm; }

    // False when a control's text was rejected; rows after it are skipped.
    bool UpdateData(bool bSaveAndValidate = true);
    virtual void DoDataExchange(CDataExchange*) {}

    void OnInitialUpdate() override;

    // The form's size in pixels.
    QSize GetTotalSize() const { return m_builder.Size(); }
    // Shrinks the frame in each dimension where its client area is larger than the form.
    void ResizeParentToFit(bool bShrinkOnly = true);

protected:
    UINT m_nIDTemplate;
    CDialogBuilder m_builder;
    QWidget* m_pForm = nullptr;
};
