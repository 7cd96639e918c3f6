#include "platform/winapp.h"

#include "platform/doctemplate.h"
#include "platform/recentfilelist.h"

#include <cassert>

namespace {
CWinApp*& currentApp()
{
    static CWinApp* app = nullptr;
    return app;
}
} // namespace

CWinApp::CWinApp()
{
    assert(!currentApp() && "one application object at a time");
    currentApp() = this;
}

CWinApp::~CWinApp()
{
    // The document's window and view still reach the application while they go.
    m_pDocTemplate.reset();
    m_hDevNames = GlobalFree(m_hDevNames);
    m_hDevMode = GlobalFree(m_hDevMode);
    if (currentApp() == this)
        currentApp() = nullptr;
}

CWinApp* AfxGetApp()
{
    return currentApp();
}
