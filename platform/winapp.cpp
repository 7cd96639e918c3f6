#include "platform/winapp.h"

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
    m_hDevNames = GlobalFree(m_hDevNames);
    m_hDevMode = GlobalFree(m_hDevMode);
    if (currentApp() == this)
        currentApp() = nullptr;
}

CWinApp* AfxGetApp()
{
    return currentApp();
}
