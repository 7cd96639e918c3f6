#pragma once

#include "platform/cmdtarget.h"

#include <QPointer>
#include <QString>
#include <QWidget>

// A window object over one Qt widget. The object owns its widget: destroying the
// object destroys the widget, unless Qt destroyed it first.
class CWnd : public CCmdTarget
{
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    QWidget* GetSafeHwnd() const { return m_hWnd.data(); }
    void Attach(QWidget* widget) { m_hWnd = widget; }
    void DestroyWindow();

    void SetWindowText(const QString& text);
    QString GetWindowText() const;

protected:
    QPointer<QWidget> m_hWnd;
};

// The window that owns dialogs and message boxes.
CWnd* AfxGetMainWnd();

// Shows a modal dialog. Tests install a handler that answers it without running a
// nested loop; the dialog is fully built and shown when the handler is called.
using ModalDialogHandler = std::function<int(QDialog& dialog)>;
ModalDialogHandler AfxSetModalDialogHandler(ModalDialogHandler handler);
int AfxRunModal(QDialog& dialog);
