// The output form on real widgets: its state after start, the list editing rules, the
// block-size box, Print Setup, and Open replacing the list.
#include "form_test.h"

#include "platform/printerpair.h"

#include <QFileInfo>
#include <QListWidget>

namespace {

TEST_F(FormTest, AddInsAndDelFollowTheSelectionRules)
{
    struct Case
    {
        const char* name;
        QStringList before;
        int selected;
        int button;
        std::optional<QString> answer;
        QStringList after;
        int selectedAfter;
    };
    const Case cases[] = {
        {"add appends, selection kept", {"a", "b"}, 0, IDC_ADD, "/n", {"a", "b", "/n"}, 0},
        {"add of a path already listed", {"/n"}, -1, IDC_ADD, "/n", {"/n", "/n"}, -1},
        {"ins with nothing selected appends", {"a", "b"}, -1, IDC_INS, "/n", {"a", "b", "/n"}, -1},
        {"ins before the selection", {"a", "b", "c"}, 1, IDC_INS, "/n", {"a", "/n", "b", "c"}, 2},
        {"ins cancelled", {"a", "b"}, 1, IDC_INS, std::nullopt, {"a", "b"}, 1},
        {"del selects the next", {"a", "b", "c"}, 1, IDC_DEL, std::nullopt, {"a", "c"}, 1},
        {"del of the last selects the new last",
         {"a", "b", "c"},
         2,
         IDC_DEL,
         std::nullopt,
         {"a", "b"},
         1},
        {"del of the only entry", {"a"}, 0, IDC_DEL, std::nullopt, {}, -1},
        {"del with nothing selected", {"a", "b"}, -1, IDC_DEL, std::nullopt, {"a", "b"}, -1},
    };
    ASSERT_TRUE(Start());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        View()->m_list.ResetContent();
        Fill(c.before);
        View()->m_list.SetCurSel(c.selected);
        m_fileAnswers = {c.answer};
        Click(c.button);
        EXPECT_EQ(Entries(), c.after);
        EXPECT_EQ(View()->m_list.GetCurSel(), c.selectedAfter);
    }
    // Default title, every file listed, no existence check.
    ASSERT_EQ(m_fileRequests.size(), 5u) << "Del asks for no file";
    for (const FileDialogRequest& request : m_fileRequests) {
        EXPECT_EQ(request.title, "");
        EXPECT_EQ(request.filterName, "");
        EXPECT_FALSE(request.mustExist);
    }
}

TEST_F(FormTest, BlockSizeTextsAreTakenOrRejected)
{
    struct Case
    {
        QString text;
        std::optional<DWORD> taken;
    };
    const Case cases[] = {
        {"64", 64u},
        {"  64\t ", 64u},
        {"\t64", 64u},
        {"0", 0u},
        {"+7", 7u},
        {"99999999999", 4294967295u},
        {"4294967295", 4294967295u},
        {"007", 7u},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-5", std::nullopt},
        {" -0", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"0x10", std::nullopt},
        {"+0", std::nullopt},
        {"+", std::nullopt},
        {"1 2", std::nullopt},
        // Only the first 31 characters count.
        {QString(30, ' ') + "5", 5u},
        {QString(31, ' ') + "5", std::nullopt},
    };
    ASSERT_TRUE(Start());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        m_boxes.boxes.clear();
        View()->m_blockSize = 33;
        BlockSizeBox()->setText(c.text);
        const bool taken = View()->UpdateData(true);
        EXPECT_EQ(taken, c.taken.has_value());
        EXPECT_EQ(View()->m_blockSize, c.taken.value_or(33));
        EXPECT_EQ(m_boxes.boxes.size(), c.taken ? 0u : 1u);
    }
}

TEST_F(FormTest, ARejectedBlockSizePutsTheFocusBackWithItsTextSelected)
{
    ASSERT_TRUE(Start());
    Frame()->GetSafeHwnd()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()->GetSafeHwnd()));
    View()->m_percent = QStringLiteral("kept");
    qobject_cast<QLabel*>(Item(IDC_PERCENT))->setText(QStringLiteral("typed"));
    Item(IDC_ADD)->setFocus();
    BlockSizeBox()->setText(QStringLiteral("12abc"));
    EXPECT_FALSE(View()->UpdateData(true));
    ASSERT_EQ(m_boxes.boxes.size(), 1u);
    EXPECT_EQ(m_boxes.boxes[0].text, "Please enter a positive integer.");
    EXPECT_EQ(m_boxes.boxes[0].caption, "Rawcast");
    EXPECT_EQ(QApplication::focusWidget(), BlockSizeBox());
    EXPECT_EQ(BlockSizeBox()->selectedText(), "12abc");
    EXPECT_EQ(View()->m_percent, "kept") << "the rows after the block size are skipped";
}

TEST_F(FormTest, ControlsAfterStart)
{
    const QString file = QFileInfo(m_files.write("start.prn", 8)).canonicalFilePath();
    struct Case
    {
        const char* name;
        QByteArray profile;
        QStringList arguments;
        bool printer;
        QString port;
        QString blockSize;
        QStringList entries;
    };
    const Case cases[] = {
        {"first start", "", {}, true, kRawPort, "10", {}},
        {"stored block size", "[Default]\nBlockSize=64\n", {}, true, kRawPort, "64", {}},
        {"stored zero", "[Default]\nBlockSize=0\n", {}, true, kRawPort, "0", {}},
        {"started with a file", "", {file}, true, kRawPort, "10", {file}},
        {"no printer", "", {}, false, "", "10", {}},
    };
    const PrinterInfo raw = *m_spooler.defaultPrinter;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_spooler.defaultPrinter = c.printer ? std::optional(raw) : std::nullopt;
        ASSERT_TRUE(Restart(c.profile, c.arguments));
        EXPECT_EQ(Entries(), c.entries);
        EXPECT_EQ(View()->m_list.GetCurSel(), -1);
        EXPECT_EQ(Label(IDC_TARGET_PORT), c.port);
        EXPECT_EQ(BlockSizeBox()->text(), c.blockSize);
        EXPECT_EQ(Bar()->minimum(), 0);
        EXPECT_EQ(Bar()->maximum(), 100);
        EXPECT_EQ(Bar()->value(), 0);
        EXPECT_EQ(Label(IDC_PERCENT), "");
        for (int id : {IDC_ADD, IDC_INS, IDC_DEL, IDC_OUTPUT})
            EXPECT_TRUE(Item(id)->isEnabled()) << id;
        EXPECT_TRUE(m_boxes.boxes.empty());
    }
}

TEST_F(FormTest, PrintSetupRefreshesPortEditAndLabelsOnOkAndOnCancel)
{
    PrinterInfo other;
    other.name = QStringLiteral("other");
    other.driver = QStringLiteral("cups");
    other.port = QStringLiteral("ipp://10.0.0.7/printers/other");
    const QString otherPort = QStringLiteral("cups,other,ipp://10.0.0.7/printers/other");
    struct Case
    {
        const char* name;
        int answer;
        const PrinterInfo* handedBack; // null: the dialog leaves the pair as it was
        QString port;
    };
    const Case cases[] = {
        {"cancel, pair left", IDCANCEL, nullptr, kRawPort},
        {"cancel, other pair handed back", IDCANCEL, &other, otherPort},
        {"ok, pair left", IDOK, nullptr, otherPort},
        {"ok, first printer again", IDOK, &*m_spooler.defaultPrinter, kRawPort},
    };
    WriteProfile("[Default]\nBlockSize=20\n");
    ASSERT_TRUE(Start());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_printDialog = [&](PRINTDLG& pd) {
            if (c.handedBack) {
                HGLOBAL names = nullptr;
                HGLOBAL mode = nullptr;
                EXPECT_TRUE(AfxCreatePrinterPair(m_spooler, *c.handedBack, 0, &names, &mode));
                pd.hDevNames = names;
                pd.hDevMode = mode;
            }
            return c.answer;
        };
        BlockSizeBox()->setText(QStringLiteral("64"));
        LabelWidget(IDC_TARGET_PORT)->setText(QStringLiteral("stale"));
        LabelWidget(IDC_PERCENT)->setText(QStringLiteral("stale"));
        const int runs = m_printDialogRuns;
        Command(ID_FILE_PRINT_SETUP);
        EXPECT_EQ(m_printDialogRuns, runs + 1);
        EXPECT_EQ(Label(IDC_TARGET_PORT), c.port);
        EXPECT_EQ(View()->m_port, c.port);
        EXPECT_EQ(BlockSizeBox()->text(), "20") << "the typed text is not taken";
        EXPECT_EQ(Label(IDC_PERCENT), "");
    }
    EXPECT_TRUE(m_boxes.boxes.empty());
}

TEST_F(FormTest, OnlyABlockSizeAJobTookIsStoredAtExit)
{
    struct Case
    {
        const char* name;
        std::function<void()> after; // what happens after 64 has been typed
        QString shown;
        QString stored;
    };
    const Case cases[] = {
        {"print setup shows the old value again", [this] { Command(ID_FILE_PRINT_SETUP); }, "20",
         "BlockSize=20\n"},
        {"leaving the box takes nothing", [this] { Item(IDC_ADD)->setFocus(); }, "64",
         "BlockSize=20\n"},
        {"output takes it, even on an empty list", [this] { Click(IDC_OUTPUT); }, "64",
         "BlockSize=64\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(Restart("[Default]\nBlockSize=20\n"));
        BlockSizeBox()->setFocus();
        BlockSizeBox()->setText(QStringLiteral("64"));
        c.after();
        EXPECT_EQ(BlockSizeBox()->text(), c.shown);
        Exit();
        EXPECT_TRUE(ProfileText().startsWith("[Default]\n" + c.stored))
            << ProfileText().toStdString();
    }
    EXPECT_TRUE(m_spooler.calls.filter("StartDocPrinter").isEmpty()) << "no job ran";
}

TEST_F(FormTest, AnOpenRefillsTheListAndAReopenOfItsOwnPathKeepsIt)
{
    const QString first = QFileInfo(m_files.write("first.prn", 8)).canonicalFilePath();
    const QString second = QFileInfo(m_files.write("second.prn", 8)).canonicalFilePath();
    ASSERT_TRUE(Start({first}));
    ASSERT_EQ(Entries(), QStringList{first});
    m_fileAnswers = {QStringLiteral("/added/one"), QStringLiteral("/added/two")};
    Click(IDC_ADD);
    View()->m_list.SetCurSel(0);
    Click(IDC_INS);
    ASSERT_EQ(Entries(), (QStringList{"/added/two", first, "/added/one"}));

    // Another path: the document's list replaces the edited one, nothing selected.
    m_fileAnswers = {second};
    Command(ID_FILE_OPEN);
    EXPECT_EQ(Entries(), QStringList{second});
    EXPECT_EQ(View()->m_list.GetCurSel(), -1);

    // The document's own path again: the list box stays as edited.
    m_fileAnswers = {QStringLiteral("/added/three")};
    Click(IDC_ADD);
    View()->m_list.SetCurSel(1);
    m_fileAnswers = {second};
    Command(ID_FILE_OPEN);
    EXPECT_EQ(Entries(), (QStringList{second, "/added/three"}));
    EXPECT_EQ(View()->m_list.GetCurSel(), 1);
    EXPECT_EQ(Doc()->m_files, QStringList{second});
    EXPECT_TRUE(m_fileAnswers.empty());
}

} // namespace
