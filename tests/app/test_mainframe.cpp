// The main window: fixed size and caption buttons, the bars, the status prompts, the View
// menu and the recent-file entries of the File menu.
#include "app_test.h"

#include "platform/strings.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolButton>

namespace {

class MainFrameTest : public AppTest
{
protected:
    QSize FormSize() const { return View()->GetTotalSize(); }
    QSize ClientSize() const { return Window()->centralWidget()->size(); }
    int PaneCount() const { return Frame()->m_wndStatusBar.GetCount(); }
};

TEST_F(MainFrameTest, TheWindowHasAFixedSizeAndOnlyTheCloseBox)
{
    ASSERT_TRUE(Start());
    const Qt::WindowFlags flags = Window()->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint) << "else the system adds its own buttons";
    EXPECT_FALSE(Frame()->m_dwStyle & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

    // Fitted to the form, and nothing can change that size.
    EXPECT_EQ(ClientSize(), FormSize());
    const QSize fitted = Window()->size();
    EXPECT_EQ(Window()->minimumSize(), fitted);
    EXPECT_EQ(Window()->maximumSize(), fitted);
    Window()->resize(fitted + QSize(200, 100));
    EXPECT_EQ(Window()->size(), fitted);
    Command(ID_FILE_NEW);
    EXPECT_EQ(Window()->size(), fitted);
    EXPECT_EQ(Window()->maximumSize(), fitted);
}

TEST_F(MainFrameTest, AStartRequestForMinimisedOrMaximisedIsHonoured)
{
    const struct
    {
        int show;
        Qt::WindowState state;
    } cases[] = {{SW_SHOWMINIMIZED, Qt::WindowMinimized},
                 {SW_SHOWMAXIMIZED, Qt::WindowMaximized},
                 {SW_SHOWNORMAL, Qt::WindowNoState}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.show);
        m_nCmdShow = c.show;
        ASSERT_TRUE(Start());
        EXPECT_EQ(Window()->windowState(), c.state);
        EXPECT_EQ(m_app->m_nCmdShow, -1) << "used for the first showing only";
        Command(ID_FILE_NEW);
        EXPECT_EQ(Window()->windowState(), c.state) << "later updates keep the show state";
        Exit();
        m_app.reset();
    }
}

TEST_F(MainFrameTest, TheToolbarHoldsNewOpenAGapAndPrintDockedAtTheTop)
{
    for (const ResourceLanguage language :
         {ResourceLanguage::English, ResourceLanguage::Japanese}) {
        SCOPED_TRACE(int(language));
        AfxSetResourceLanguage(language);
        ASSERT_TRUE(Start());
        const QList<QAction*> actions = ToolBar()->actions();
        ASSERT_EQ(actions.size(), 4);
        EXPECT_TRUE(actions[2]->isSeparator());
        QStringList tips;
        QList<UINT> ids;
        for (const int i : {0, 1, 3}) {
            tips << actions[i]->toolTip();
            ids << actions[i]->data().toUInt();
            EXPECT_FALSE(actions[i]->icon().isNull());
            EXPECT_TRUE(actions[i]->isEnabled());
        }
        EXPECT_EQ(ids, (QList<UINT>{ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_PRINT}));
        if (language == ResourceLanguage::English)
            EXPECT_EQ(tips, (QStringList{"New", "Open", "Print"}));
        else
            EXPECT_EQ(tips, (QStringList{"新規ﾌｧｲﾙ", "開く", "印刷"}));
        EXPECT_EQ(Window()->toolBarArea(ToolBar()), Qt::TopToolBarArea);
        EXPECT_EQ(ToolBar()->allowedAreas(), Qt::AllToolBarAreas);
        EXPECT_TRUE(ToolBar()->isMovable());
        EXPECT_TRUE(ToolBar()->isFloatable());
        EXPECT_TRUE(ToolBar()->isVisible());
        Exit();
        m_app.reset();
    }
}

TEST_F(MainFrameTest, HidingTheToolbarThenNewShrinksTheWindowForGood)
{
    ASSERT_TRUE(Start());
    const QSize fitted = Window()->size();
    const int toolbarHeight = ToolBar()->height();
    ASSERT_GT(toolbarHeight, 0);

    Command(ID_VIEW_TOOLBAR);
    EXPECT_FALSE(ToolBar()->isVisible());
    EXPECT_EQ(Window()->size(), fitted) << "hiding a bar keeps the window's size";
    EXPECT_EQ(ClientSize().height(), FormSize().height() + toolbarHeight);

    Command(ID_FILE_NEW);
    EXPECT_EQ(Window()->size(), fitted - QSize(0, toolbarHeight));
    EXPECT_EQ(ClientSize(), FormSize());

    Command(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(ToolBar()->isVisible());
    EXPECT_EQ(Window()->size(), fitted - QSize(0, toolbarHeight)) << "nothing grows it back";
    Command(ID_FILE_NEW);
    EXPECT_EQ(Window()->size(), fitted - QSize(0, toolbarHeight));
    // The form scrolls instead.
    EXPECT_LT(ClientSize().height(), FormSize().height());
    auto* scroll = qobject_cast<QScrollArea*>(Window()->centralWidget());
    ASSERT_NE(scroll, nullptr);
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
}

TEST_F(MainFrameTest, TheViewMenuChecksAndTogglesTheBars)
{
    ASSERT_TRUE(Start());
    const auto checks = [this] {
        Refresh(ViewMenu());
        return std::pair{MenuItem(ViewMenu(), ID_VIEW_TOOLBAR)->isChecked(),
                         MenuItem(ViewMenu(), ID_VIEW_STATUS_BAR)->isChecked()};
    };
    EXPECT_EQ(checks(), std::pair(true, true));
    MenuItem(ViewMenu(), ID_VIEW_STATUS_BAR)->trigger();
    EXPECT_FALSE(Window()->statusBar()->isVisible());
    EXPECT_EQ(checks(), std::pair(true, false));
    MenuItem(ViewMenu(), ID_VIEW_TOOLBAR)->trigger();
    EXPECT_FALSE(ToolBar()->isVisible());
    EXPECT_EQ(checks(), std::pair(false, false));
    MenuItem(ViewMenu(), ID_VIEW_STATUS_BAR)->trigger();
    MenuItem(ViewMenu(), ID_VIEW_TOOLBAR)->trigger();
    EXPECT_EQ(checks(), std::pair(true, true));
    EXPECT_TRUE(Window()->statusBar()->isVisible());
}

TEST_F(MainFrameTest, TheStatusBarShowsReadyPromptsAndBlankKeyPanes)
{
    ASSERT_TRUE(Start());
    ASSERT_EQ(PaneCount(), 4);
    EXPECT_EQ(StatusText(), "Ready");
    QStatusTipEvent prompt(QStringLiteral("Open an existing document"));
    QApplication::sendEvent(Window(), &prompt);
    EXPECT_EQ(StatusText(), "Open an existing document");
    QStatusTipEvent none{QString()};
    QApplication::sendEvent(Window(), &none);
    EXPECT_EQ(StatusText(), "Ready");

    // The offscreen platform cannot tell the lock keys: the panes stay blank.
    for (int pane = 1; pane < 4; ++pane)
        EXPECT_EQ(Frame()->m_wndStatusBar.GetPaneText(pane), "");
    const QList<UINT> ids{Frame()->m_wndStatusBar.GetItemID(1),
                          Frame()->m_wndStatusBar.GetItemID(2),
                          Frame()->m_wndStatusBar.GetItemID(3)};
    EXPECT_EQ(ids, (QList<UINT>{ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL}));
    // Every pane lies inside the window.
    for (QLabel* pane : Window()->statusBar()->findChildren<QLabel*>()) {
        const QRect inWindow(pane->mapTo(Window(), QPoint(0, 0)), pane->size());
        EXPECT_TRUE(Window()->rect().contains(inWindow)) << pane->objectName().toStdString();
    }
}

TEST_F(MainFrameTest, HoveringAButtonOrAMenuItemShowsItsPrompt)
{
    ASSERT_TRUE(Start());
    Window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Window()));
    QWidget* print = ToolBar()->widgetForAction(ToolBar()->actions()[3]);
    ASSERT_NE(print, nullptr);
    QTest::mouseMove(print, print->rect().center());
    EXPECT_TRUE(QTest::qWaitFor([this] { return StatusText() == "Print the active document"; }))
        << StatusText().toStdString();

    // The File menu opened from the menu bar, the pointer on Open.
    QMenuBar* bar = Window()->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions()[0]).center());
    QMenu* file = FileMenu();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    QAction* open = MenuItem(file, ID_FILE_OPEN);
    QTest::mouseMove(file, file->actionGeometry(open).center());
    EXPECT_TRUE(QTest::qWaitFor([this] { return StatusText() == "Open an existing document"; }))
        << StatusText().toStdString();
    file->close();
}

TEST_F(MainFrameTest, FileMenuItemsAreEnabledByTheRoute)
{
    ASSERT_TRUE(Start());
    Refresh(FileMenu());
    const UINT ids[] = {ID_FILE_NEW, ID_FILE_OPEN, IDC_OUTPUT, ID_FILE_PRINT_SETUP, ID_APP_EXIT};
    for (const UINT id : ids) {
        SCOPED_TRACE(id);
        ASSERT_NE(MenuItem(FileMenu(), id), nullptr);
        EXPECT_TRUE(MenuItem(FileMenu(), id)->isEnabled());
    }
    Refresh(Popup(2));
    EXPECT_TRUE(MenuItem(Popup(2), ID_APP_ABOUT)->isEnabled());
}

TEST_F(MainFrameTest, TheRecentFileEntriesOfTheFileMenu)
{
    const QString dir = QFileInfo(m_files.write("here.prn", 4)).canonicalPath();
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir);
    ASSERT_TRUE(Start());
    Refresh(FileMenu());
    EXPECT_EQ(RecentEntries(), QStringList{"Recent File"});
    EXPECT_FALSE(MenuItem(FileMenu(), ID_FILE_MRU_FILE1)->isEnabled());

    m_app->OpenDocumentFile(dir + "/here.prn");
    Refresh(FileMenu());
    EXPECT_EQ(RecentEntries(), QStringList{"&1 here.prn"});
    EXPECT_TRUE(MenuItem(FileMenu(), ID_FILE_MRU_FILE1)->isEnabled());

    // Elsewhere: the path shortened to 30 characters; "&" doubled.
    QDir().mkpath(dir + "/a rather long folder name/R&D");
    const QString far = dir + "/a rather long folder name/R&D/plan&draft.prn";
    m_app->OpenDocumentFile(far);
    m_app->OpenDocumentFile(dir + "/short&.prn");
    Refresh(FileMenu());
    Refresh(FileMenu()); // a second opening replaces the entries it made the first time
    const QStringList entries = RecentEntries();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0], "&1 short&&.prn");
    EXPECT_TRUE(entries[1].startsWith("&2 ")) << entries[1].toStdString();
    EXPECT_TRUE(entries[1].endsWith("/plan&&draft.prn")) << entries[1].toStdString();
    EXPECT_LE(entries[1].mid(3).replace("&&", "&").size(), 30);
    EXPECT_TRUE(entries[1].contains("...")) << entries[1].toStdString();
    EXPECT_EQ(entries[2], "&3 here.prn");
    // The entries sit where the placeholder was, before the separator and Exit.
    const QList<QAction*> actions = FileMenu()->actions();
    const qsizetype first = actions.indexOf(MenuItem(FileMenu(), ID_FILE_MRU_FILE1));
    EXPECT_EQ(actions[first + 1]->data().toUInt(), ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(actions[first + 2]->data().toUInt(), ID_FILE_MRU_FILE1 + 2);
    EXPECT_TRUE(actions[first + 3]->isSeparator());
    EXPECT_EQ(actions[first + 4]->data().toUInt(), UINT(ID_APP_EXIT));

    // Choosing an entry opens its file, even one that is gone.
    MenuItem(FileMenu(), ID_FILE_MRU_FILE1 + 1)->trigger();
    EXPECT_EQ(Entries(), QStringList{far});
    EXPECT_EQ(Caption(), "plan&draft.prn - Rawcast");
    EXPECT_EQ(RecentFiles(), (QStringList{far, dir + "/short&.prn", dir + "/here.prn"}));
    MenuItem(FileMenu(), ID_FILE_MRU_FILE1 + 1)->trigger();
    EXPECT_EQ(Entries(), QStringList{dir + "/short&.prn"});
    QDir::setCurrent(old);
}

} // namespace
