// The lock-key panes on a real X server (run under Xvfb): they follow the keyboard's
// lock state as XKB reports it.
#include "app_test.h"

#include "platform/gui/keystate.h"

#include <QGuiApplication>
#include <QTest>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace {

class KeyStateTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X server";
        m_display = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display();
        ASSERT_TRUE(Start());
    }
    void TearDown() override
    {
        if (m_display)
            Lock(LockMask | Mod2Mask, false);
        AppTest::TearDown();
    }
    void Lock(unsigned mask, bool on)
    {
        XkbLockModifiers(m_display, XkbUseCoreKbd, mask, on ? mask : 0);
        XSync(m_display, False);
    }
    // Any key seen by the window brings the panes up to date.
    QStringList PanesAfterAKey()
    {
        QTest::keyClick(Item(IDC_FILE_LIST), Qt::Key_Down);
        return {Frame()->m_wndStatusBar.GetPaneText(1), Frame()->m_wndStatusBar.GetPaneText(2),
                Frame()->m_wndStatusBar.GetPaneText(3)};
    }
    Display* m_display = nullptr;
};

TEST_F(KeyStateTest, ThePanesShowTheLockKeysThatAreOn)
{
    Lock(LockMask | Mod2Mask, false);
    EXPECT_TRUE(AfxGetKeyLockState().known);
    EXPECT_EQ(PanesAfterAKey(), (QStringList{"", "", ""}));
    Lock(LockMask, true);
    EXPECT_TRUE(AfxGetKeyLockState().caps);
    EXPECT_EQ(PanesAfterAKey(), (QStringList{"CAP", "", ""}));
    Lock(Mod2Mask, true);
    EXPECT_EQ(PanesAfterAKey(), (QStringList{"CAP", "NUM", ""}));
    Lock(LockMask, false);
    EXPECT_EQ(PanesAfterAKey(), (QStringList{"", "NUM", ""}));
}

} // namespace
