// What the form shows while a job runs: looked at from inside the spooler's calls, where
// no event loop has had a chance to run.
#include "form_test.h"

#include <QToolBar>
#include <QToolButton>

namespace {

// The recording spooler, with a look at the form at each call the job makes.
class WatchingSpooler : public RecordingSpooler
{
public:
    std::function<void(const QString& call)> watch;

    // Printer queries open printers too; a job's first own call is this one.
    DWORD StartDocPrinter(HANDLE hPrinter, DWORD level, const DOC_INFO_1& docInfo) override
    {
        if (watch)
            watch(QStringLiteral("StartDocPrinter"));
        return RecordingSpooler::StartDocPrinter(hPrinter, level, docInfo);
    }
    bool WritePrinter(HANDLE hPrinter, const void* buffer, std::size_t count,
                      std::size_t* pWritten) override
    {
        if (watch)
            watch(QStringLiteral("WritePrinter"));
        return RecordingSpooler::WritePrinter(hPrinter, buffer, count, pWritten);
    }
    bool EndPagePrinter(HANDLE hPrinter) override
    {
        if (watch)
            watch(QStringLiteral("EndPagePrinter"));
        return RecordingSpooler::EndPagePrinter(hPrinter);
    }
};

// Counts the paint events a widget gets.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

class FormJobTest : public FormTest
{
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        m_watching.defaultPrinter = m_spooler.defaultPrinter;
        m_spoolerScope.reset();
        m_spoolerScope = std::make_unique<ScopedSpooler>(m_watching);
    }

    QAction* ToolbarAction(UINT id) const
    {
        for (QAction* action : Frame()->m_wndToolBar.GetToolBar()->actions()) {
            if (action->data().toUInt() == id)
                return action;
        }
        return nullptr;
    }

    WatchingSpooler m_watching;
};

TEST_F(FormJobTest, PrintShowsTheNewTargetPortBeforeTheJobAndOutputLeavesIt)
{
    PrinterInfo other;
    other.name = QStringLiteral("other");
    other.driver = QStringLiteral("cups");
    other.port = QStringLiteral("socket://127.0.0.1:9101");
    const QString otherPort = QStringLiteral("cups,other,socket://127.0.0.1:9101");
    struct Case
    {
        const char* name;
        std::function<void()> trigger;
        bool refreshes;
    };
    const Case cases[] = {
        {"print command", [this] { Command(ID_FILE_PRINT); }, true},
        {"toolbar's print button",
         [this] {
             QToolBar* bar = Frame()->m_wndToolBar.GetToolBar();
             QTest::mouseClick(bar->widgetForAction(ToolbarAction(ID_FILE_PRINT)), Qt::LeftButton);
         },
         true},
        {"output button", [this] { Click(IDC_OUTPUT); }, false},
        {"file menu's output item", [this] { Command(IDC_OUTPUT); }, false},
    };
    const QString file = m_files.write("one.prn", 3000);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_watching.defaultPrinter = m_spooler.defaultPrinter;
        ASSERT_TRUE(Restart(""));
        Fill({file});
        ASSERT_EQ(Label(IDC_TARGET_PORT), kRawPort);

        // The system's default changes; the selection follows it at the next query.
        m_watching.defaultPrinter = other;
        BlockSizeBox()->setText(QStringLiteral("2"));
        QStringList labelAtStart;
        m_watching.watch = [&](const QString& call) {
            if (call == "StartDocPrinter")
                labelAtStart << Label(IDC_TARGET_PORT);
        };
        m_watching.writes.clear();
        c.trigger();
        m_watching.watch = nullptr;

        const QString shown = c.refreshes ? otherPort : kRawPort;
        EXPECT_EQ(labelAtStart, QStringList{shown});
        EXPECT_EQ(Label(IDC_TARGET_PORT), shown) << "after the job";
        EXPECT_EQ(m_watching.openedName, "other") << "both send to the current printer";
        EXPECT_EQ(m_watching.writes, (std::vector<std::size_t>{2048, 952}))
            << "both take the typed block size";
    }
}

TEST_F(FormJobTest, TheBarAndTheLabelShowEachValueAtOnce)
{
    ASSERT_TRUE(Start());
    // Painting needs a window on the screen; then nothing but the job runs.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Frame()->GetMainWindow()));
    Fill({m_files.write("a", 25600), m_files.write("b", 25600), m_files.write("c", 25600)});
    PaintCounter barPaints(Bar());
    PaintCounter labelPaints(LabelWidget(IDC_PERCENT));
    struct Seen
    {
        int bar;
        QString label;
        bool barPainted;
        bool labelPainted;
        bool loopRan;
    };
    std::vector<Seen> seen;
    int lastBarPaints = 0;
    int lastLabelPaints = 0;
    // Delivered by the first event loop that runs, as input would be.
    bool loopRan = false;
    QMetaObject::invokeMethod(
        qApp, [&loopRan] { loopRan = true; }, Qt::QueuedConnection);
    m_watching.watch = [&](const QString& call) {
        if (call == "StartDocPrinter")
            return;
        seen.push_back({Bar()->value(), Label(IDC_PERCENT), barPaints.count > lastBarPaints,
                        labelPaints.count > lastLabelPaints, loopRan});
        lastBarPaints = barPaints.count;
        lastLabelPaints = labelPaints.count;
    };
    Click(IDC_OUTPUT);
    m_watching.watch = nullptr;

    // Each write comes before the step of its own block; the page ends at 100.
    const std::vector<int> bars = {0, 13, 26, 33, 26, 53, 66, 40, 80, 100};
    ASSERT_EQ(seen.size(), bars.size());
    for (std::size_t i = 0; i < bars.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(seen[i].bar, bars[i]);
        EXPECT_EQ(seen[i].label, QStringLiteral("%1%").arg(bars[i]));
        // Painted since the previous call: the new value is on the screen already.
        if (i > 0)
            EXPECT_TRUE(seen[i].barPainted && seen[i].labelPainted);
        EXPECT_FALSE(seen[i].loopRan);
    }
    EXPECT_EQ(Bar()->value(), 0);
    EXPECT_EQ(Label(IDC_PERCENT), "");
    EXPECT_TRUE(m_boxes.boxes.empty());
}

} // namespace
