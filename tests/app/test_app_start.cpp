// Start-up and exit of the whole program: the shell commands of the command line, the
// settings written at every end, the caption and the About box.
#include "app_test.h"

#include "platform/gui/singledoctemplate.h"
#include "platform/strings.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class AppStartTest : public AppTest
{
protected:
    // Runs with dir as the current directory.
    struct CurrentDir
    {
        explicit CurrentDir(const QString& dir) : m_old(QDir::currentPath())
        {
            QDir::setCurrent(dir);
        }
        ~CurrentDir() { QDir::setCurrent(m_old); }
        QString m_old;
    };

    // Every top-level window on the screen.
    QStringList ShownWindows() const
    {
        QStringList shown;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible())
                shown << widget->windowTitle();
        }
        return shown;
    }
};

TEST_F(AppStartTest, ShellCommandsOfTheCommandLine)
{
    const QString a = m_files.write("a.prn", 10);
    const QString b = m_files.write("b.prn", 10);
    const QString blank = m_files.write("my file.prn", 10);
    const QString dir = QFileInfo(a).canonicalPath();
    struct Case
    {
        const char* name;
        QStringList words;
        QStringList list; // the form's list after start
        QString caption;
    };
    const Case cases[] = {
        {"no argument", {}, {}, "Untitled - Rawcast"},
        {"one file", {a}, {dir + "/a.prn"}, "a.prn - Rawcast"},
        {"two files: only the first opens", {a, b}, {dir + "/a.prn"}, "a.prn - Rawcast"},
        {"P is no print switch", {"-P", a}, {dir + "/a.prn"}, "a.prn - Rawcast"},
        {"unknown switches", {"-x", a, "--help"}, {dir + "/a.prn"}, "a.prn - Rawcast"},
        {"Embedding starts as without", {"-Embedding", a}, {dir + "/a.prn"}, "a.prn - Rawcast"},
        {"Automation starts as without", {"/Automation"}, {}, "Untitled - Rawcast"},
        {"a name with blanks", {blank}, {dir + "/my file.prn"}, "my file.prn - Rawcast"},
        {"a quoted name", {"\"" + blank + "\""}, {dir + "/my file.prn"}, "my file.prn - Rawcast"},
        {"a relative name", {"b.prn"}, {dir + "/b.prn"}, "b.prn - Rawcast"},
        {"a relative name of no file",
         {"./sub/../gone.prn"},
         {dir + "/gone.prn"},
         "gone.prn - Rawcast"},
    };
    const CurrentDir current(dir);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(Start(c.words));
        ASSERT_NE(Frame(), nullptr);
        EXPECT_TRUE(Window()->isVisible());
        EXPECT_EQ(Entries(), c.list);
        EXPECT_EQ(Caption(), c.caption);
        EXPECT_EQ(RecentFiles(), c.list) << "an opened file is the first recent entry";
        EXPECT_TRUE(Window()->acceptDrops());
        EXPECT_TRUE(m_boxes.boxes.empty());
        Exit();
        m_app.reset();
        QFile::remove(m_profile);
    }
}

TEST_F(AppStartTest, DdeAndUnregisterEndQuietlyAndStillWriteTheSettings)
{
    for (const char* word : {"/dde", "-Unregister"}) {
        SCOPED_TRACE(word);
        WriteProfile("[Recent File List]\nFile1=/x/a.prn\nFile3=/x/c.prn\nJunk=1\n"
                     "[Settings]\nPreviewPages=4\n");
        EXPECT_FALSE(Start({word, m_files.write("a.prn", 4)}));
        EXPECT_EQ(Frame(), nullptr);
        EXPECT_TRUE(ShownWindows().isEmpty()) << ShownWindows().join(", ").toStdString();
        EXPECT_TRUE(m_boxes.boxes.empty());
        EXPECT_EQ(Exit(), 0);
        // No form was made, so no block size; the printer before the recent files, which
        // replace their whole section.
        EXPECT_EQ(ProfileLines(),
                  (QStringList{"[Settings]", "PreviewPages=4", "[Default]",
                               "Printer=cups,raw,socket://127.0.0.1:9100", "[Recent File List]",
                               "File1=/x/a.prn", "File3=/x/c.prn"}));
        m_app.reset();
    }
}

TEST_F(AppStartTest, ANormalEndWritesTheSettingsInTheirOrder)
{
    const QString a = m_files.write("a.prn", 4);
    const QString b = m_files.write("b.prn", 4);
    ASSERT_TRUE(Start({a}));
    m_app->OpenDocumentFile(b);
    View()->m_blockSize = 64;
    m_app->m_nNumPreviewPages = 2;
    EXPECT_EQ(Exit(), 0);
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    const QString canonicalB = QFileInfo(b).canonicalFilePath();
    EXPECT_EQ(ProfileLines(),
              (QStringList{"[Default]", "BlockSize=64", "Printer=cups,raw,socket://127.0.0.1:9100",
                           "[Recent File List]", "File1=" + canonicalB, "File2=" + canonicalA,
                           "[Settings]", "PreviewPages=2"}));
}

TEST_F(AppStartTest, AFirstStartWithNothingChangedWritesTheDefaults)
{
    ASSERT_TRUE(Start());
    EXPECT_EQ(View()->m_blockSize, 10u);
    Exit();
    // Nothing opened, so no recent list; no preview pages.
    EXPECT_EQ(ProfileLines(), (QStringList{"[Default]", "BlockSize=10",
                                           "Printer=cups,raw,socket://127.0.0.1:9100"}));
}

TEST_F(AppStartTest, TheCaptionFollowsNewAndOpenInBothLanguages)
{
    for (const ResourceLanguage language :
         {ResourceLanguage::English, ResourceLanguage::Japanese}) {
        SCOPED_TRACE(int(language));
        AfxSetResourceLanguage(language);
        ASSERT_TRUE(Start());
        EXPECT_EQ(Caption(), "Untitled - Rawcast");
        m_app->OpenDocumentFile(m_files.write("report.final.prn", 4));
        EXPECT_EQ(Caption(), "report.final.prn - Rawcast");
        Command(ID_FILE_NEW);
        EXPECT_EQ(Caption(), "Untitled - Rawcast");
        Exit();
        m_app.reset();
    }
}

TEST_F(AppStartTest, TheAboutBoxShowsItsTemplateOverTheWindow)
{
    for (const ResourceLanguage language :
         {ResourceLanguage::English, ResourceLanguage::Japanese}) {
        SCOPED_TRACE(int(language));
        AfxSetResourceLanguage(language);
        ASSERT_TRUE(Start());
        QStringList texts;
        QList<int> results;
        int icons = 0;
        QWidget* owner = nullptr;
        m_modal = [&](QDialog& dialog) {
            owner = dialog.parentWidget();
            for (QLabel* label : dialog.findChildren<QLabel*>()) {
                if (!label->pixmap().isNull())
                    ++icons;
                else
                    texts << label->text();
            }
            const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
            for (QPushButton* button : buttons)
                texts << button->text();
            // OK ends the box; so does Esc.
            if (!buttons.isEmpty())
                QTest::mouseClick(buttons[0], Qt::LeftButton);
            const int result = dialog.result();
            dialog.setResult(0);
            QTest::keyClick(&dialog, Qt::Key_Escape);
            results << result << dialog.result();
            return result;
        };
        m_modalTitles.clear();
        Command(ID_APP_ABOUT);
        ASSERT_EQ(m_modalTitles.size(), 1u);
        EXPECT_EQ(m_modalTitles[0], language == ResourceLanguage::English ? QString("About")
                                                                          : QString("ﾊﾞｰｼﾞｮﾝ情報"));
        EXPECT_EQ(icons, 1);
        ASSERT_EQ(texts.size(), 3);
        EXPECT_EQ(texts[0], "Rawcast Version 1.01");
        EXPECT_EQ(texts[2], "OK");
        EXPECT_EQ(results, (QList<int>{QDialog::Accepted, QDialog::Rejected}));
        EXPECT_EQ(owner, Window());
        EXPECT_TRUE(Window()->isVisible()) << "the program goes on after the box";
        Exit();
        m_app.reset();
    }
}

TEST_F(AppStartTest, EveryWayOutEndsTheSameWayAndWritesTheSettings)
{
    const QString a = m_files.write("a.prn", 4);
    const struct
    {
        const char* name;
        std::function<void()> leave;
    } ways[] = {
        {"the close box", [this] { Window()->close(); }},
        {"File > Exit", [this] { MenuItem(FileMenu(), ID_APP_EXIT)->trigger(); }},
        {"the end of the session",
         [] { QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit)); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        ASSERT_TRUE(Start({a}));
        View()->m_blockSize = 33;
        QTimer::singleShot(0, qApp, way.leave);
        EXPECT_EQ(m_app->Run(), 0);
        EXPECT_EQ(Exit(), 0);
        EXPECT_EQ(m_app->m_pMainWnd, nullptr);
        EXPECT_EQ(
            ProfileLines(),
            (QStringList{"[Default]", "BlockSize=33", "Printer=cups,raw,socket://127.0.0.1:9100",
                         "[Recent File List]", "File1=" + QFileInfo(a).canonicalFilePath()}));
        m_app.reset();
        QFile::remove(m_profile);
    }
}

// A frame whose bars cannot be made.
class CBrokenFrame : public CMainFrame
{
public:
    int OnCreate(CCreateContext* pContext) override
    {
        CFrameWnd::OnCreate(pContext); // the form exists, then the bars fail
        return -1;
    }
};

TEST_F(AppStartTest, AWindowThatCannotBeMadeFailsTheStart)
{
    m_app = std::make_unique<CRawcastApp>();
    m_app->m_pszProfileName = m_profile;
    m_app->m_pszAppName = AfxGetAppName();
    m_app->LoadStdProfileSettings(8);
    m_app->AddDocTemplate(std::make_unique<CSingleDocTemplate>(
        IDR_MAINFRAME, [] { return std::make_unique<CRawcastDoc>(); },
        [] { return std::make_unique<CBrokenFrame>(); },
        [] { return std::make_unique<CRawcastView>(); }));
    CCommandLineInfo info;
    EXPECT_FALSE(m_app->ProcessShellCommand(info));
    ASSERT_EQ(m_boxes.boxes.size(), 1u);
    EXPECT_EQ(m_boxes.boxes[0].text, "Failed to create empty document.");
    EXPECT_EQ(m_app->m_pMainWnd, nullptr);
    EXPECT_EQ(m_app->GetDocTemplate()->GetDocument(), nullptr);
    EXPECT_TRUE(ShownWindows().isEmpty());
}

} // namespace
