#include "platform/gui/wnd.h"

#include "platform/winapp.h"

#include <QDialog>
#include <utility>

CWnd::~CWnd()
{
    DestroyWindow();
}

void CWnd::DestroyWindow()
{
    if (QWidget* widget = m_hWnd.data()) {
        m_hWnd.clear();
        delete widget;
    }
}

void CWnd::SetWindowText(const QString& text)
{
    if (m_hWnd)
        m_hWnd->setWindowTitle(text);
}

QString CWnd::GetWindowText() const
{
    return m_hWnd ? m_hWnd->windowTitle() : QString();
}

CWnd* AfxGetMainWnd()
{
    CWinApp* app = AfxGetApp();
    return app ? app->m_pMainWnd : nullptr;
}

namespace {
ModalDialogHandler& modalHandler()
{
    static ModalDialogHandler handler;
    return handler;
}
} // namespace

ModalDialogHandler AfxSetModalDialogHandler(ModalDialogHandler handler)
{
    return std::exchange(modalHandler(), std::move(handler));
}

int AfxRunModal(QDialog& dialog)
{
    if (modalHandler()) {
        dialog.setModal(true);
        dialog.show();
        const int result = modalHandler()(dialog);
        dialog.hide();
        return result;
    }
    return dialog.exec();
}
