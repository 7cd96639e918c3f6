// The accelerator table of the main window, with real key events: its keys are
// translated before the focused control sees them.
#include "app_test.h"

#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

namespace {

class KeysTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_TRUE(Start());
        Window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Window()));
    }
    QLineEdit* BlockSizeBox() const { return qobject_cast<QLineEdit*>(Item(IDC_BLOCK_SIZE)); }
    // Every file under the test's folders with its size and time.
    QStringList FilesOnDisk() const
    {
        QStringList files;
        for (const QString& root : {m_dir.path(), QFileInfo(m_files.path("x")).path()}) {
            QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QFileInfo info(it.next());
                files << info.filePath() + " " + QString::number(info.size()) + " " +
                             QString::number(info.lastModified().toMSecsSinceEpoch());
            }
        }
        files.sort();
        return files;
    }
};

TEST_F(KeysTest, EditKeysDoNothingInTheBlockSizeBox)
{
    QLineEdit* box = BlockSizeBox();
    box->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([box] { return box->hasFocus(); }));
    box->clear();
    QTest::keyClicks(box, "12");
    ASSERT_EQ(box->text(), "12") << "ordinary keys reach the box";

    const struct
    {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } keys[] = {
        {"Ctrl+V", Qt::Key_V, Qt::ControlModifier},
        {"Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier},
        {"Ctrl+C", Qt::Key_C, Qt::ControlModifier},
        {"Ctrl+Insert", Qt::Key_Insert, Qt::ControlModifier},
        {"Ctrl+X", Qt::Key_X, Qt::ControlModifier},
        {"Shift+Delete", Qt::Key_Delete, Qt::ShiftModifier},
        {"Ctrl+Z", Qt::Key_Z, Qt::ControlModifier},
        {"Alt+Backspace", Qt::Key_Backspace, Qt::AltModifier},
        {"F6", Qt::Key_F6, Qt::NoModifier},
        {"Shift+F6", Qt::Key_F6, Qt::ShiftModifier},
    };
    QClipboard* clipboard = QGuiApplication::clipboard();
    for (const auto& k : keys) {
        SCOPED_TRACE(k.name);
        clipboard->setText(QStringLiteral("999"));
        box->setText(QStringLiteral("12"));
        box->selectAll();
        QTest::keyClick(box, k.key, k.modifiers);
        EXPECT_EQ(box->text(), "12");
        EXPECT_EQ(clipboard->text(), "999");
        EXPECT_TRUE(box->hasFocus());
        EXPECT_TRUE(m_boxes.boxes.empty());
    }
    // Undo would take back typed text; it does not.
    box->setText(QStringLiteral("12"));
    box->end(false);
    QTest::keyClicks(box, "3");
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(box->text(), "123");
    // A key outside the table still works there.
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "12");
}

TEST_F(KeysTest, CtrlPRunsPrintAndCtrlNNew)
{
    const QString a = m_files.write("a.prn", 3000);
    m_app->OpenDocumentFile(a);
    BlockSizeBox()->setFocus();
    BlockSizeBox()->setText(QStringLiteral("1"));
    QTest::keyClick(BlockSizeBox(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(m_spooler.data, TempFiles::pattern(3000, 'a'));
    EXPECT_EQ(m_spooler.writes, (std::vector<std::size_t>{1024, 1024, 952}))
        << "the block size in the box counts";
    EXPECT_TRUE(m_boxes.boxes.empty());
    // The File menu's Output item, which shows "Ctrl+P", ends in the same job.
    Refresh(FileMenu());
    MenuItem(FileMenu(), IDC_OUTPUT)->trigger();
    EXPECT_EQ(m_spooler.data, TempFiles::pattern(3000, 'a') + TempFiles::pattern(3000, 'a'));
    EXPECT_EQ(m_spooler.calls.filter("StartDocPrinter").size(), 2);

    QTest::keyClick(BlockSizeBox(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(Entries().isEmpty());
    EXPECT_EQ(Caption(), "Untitled - Rawcast");
}

TEST_F(KeysTest, CtrlOAsksForAFileToOpen)
{
    const QString a = m_files.write("a.prn", 4);
    m_fileAnswers = {a};
    QTest::keyClick(Item(IDC_FILE_LIST), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(m_fileRequests.size(), 1u);
    EXPECT_EQ(m_fileRequests[0].title, "Open");
    EXPECT_TRUE(m_fileRequests[0].mustExist);
    EXPECT_EQ(Entries(), QStringList{QFileInfo(a).canonicalFilePath()});
}

TEST_F(KeysTest, CtrlSWritesNothing)
{
    m_app->OpenDocumentFile(m_files.write("a.prn", 100));
    View()->m_list.AddString(m_files.write("b.prn", 10));
    const QStringList before = FilesOnDisk();
    QTest::keyClick(Item(IDC_FILE_LIST), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(FilesOnDisk(), before);
    EXPECT_TRUE(m_boxes.boxes.empty());
    EXPECT_TRUE(m_fileRequests.empty()) << "no save dialog";
    EXPECT_EQ(Entries().size(), 2);
}

TEST_F(KeysTest, FocusStartsOnTheListAndTabGoesThroughTheControls)
{
    EXPECT_EQ(QApplication::focusWidget(), Item(IDC_FILE_LIST));
    const int order[] = {IDC_ADD, IDC_INS, IDC_DEL, IDC_OUTPUT, IDC_BLOCK_SIZE, IDC_FILE_LIST};
    for (const int id : order) {
        SCOPED_TRACE(id);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), Item(id));
    }
    // Space presses the focused button.
    m_fileAnswers = {QStringLiteral("/chosen/file")};
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(Entries(), QStringList{"/chosen/file"});
}

} // namespace
