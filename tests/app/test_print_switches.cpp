// The print switches: the named file goes out as one job without the window ever
// showing, and the exit code tells whether it was sent whole.
#include "app_test.h"

#include "platform/gui/winapp_gui.h"
#include "platform/msgbox.h"

#include <QFileInfo>

namespace {

// Records every top-level window that is shown.
class ShowRecorder : public QObject
{
public:
    ShowRecorder() { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow())
            shown << widget->metaObject()->className();
        return false;
    }
    QStringList shown;
};

class PrintSwitchTest : public AppTest
{
protected:
    // Starts with the words and runs the exit steps; the exit code.
    int Run(const QStringList& words)
    {
        ShowRecorder recorder;
        EXPECT_FALSE(Start(words)) << "a print run ends without a message loop";
        m_shown = recorder.shown;
        return Exit();
    }
    // The printer that the job's document was started on.
    QString JobPrinter() const
    {
        QString opened;
        for (const QString& call : m_spooler.calls) {
            if (call.startsWith("OpenPrinter "))
                opened = call.mid(12);
            else if (call.startsWith("StartDocPrinter"))
                return opened;
        }
        return {};
    }
    QStringList m_shown;
};

TEST_F(PrintSwitchTest, PSendsTheFileToTheCurrentPrinterWithoutAWindow)
{
    const QString a = m_files.write("a.prn", 25000, 'q');
    EXPECT_EQ(Run({"-p", a}), 0);
    EXPECT_TRUE(m_shown.isEmpty()) << m_shown.join(", ").toStdString();
    EXPECT_EQ(JobPrinter(), "raw");
    EXPECT_EQ(m_spooler.data, TempFiles::pattern(25000, 'q'));
    EXPECT_EQ(m_spooler.docInfo.pDatatype, "RAW");
    EXPECT_EQ(m_spooler.calls.filter("StartDocPrinter").size(), 1);
    EXPECT_TRUE(m_boxes.boxes.empty());
    // The form existed, so its block size is written; the file is the first recent entry.
    EXPECT_EQ(ProfileLines(),
              (QStringList{"[Default]", "BlockSize=10", "Printer=cups,raw,socket://127.0.0.1:9100",
                           "[Recent File List]", "File1=" + QFileInfo(a).canonicalFilePath()}));
}

TEST_F(PrintSwitchTest, PtSendsToTheNamedPrinterOnly)
{
    m_spooler.printers = {"raw", "other"};
    const QString a = m_files.write("a.prn", 700);
    EXPECT_EQ(Run({"/pt", a, "other", "cups", "socket://127.0.0.1:9101"}), 0);
    EXPECT_EQ(JobPrinter(), "other");
    EXPECT_EQ(m_spooler.data, TempFiles::pattern(700, 'a'));
    EXPECT_TRUE(m_shown.isEmpty());
    EXPECT_TRUE(ProfileLines().contains("Printer=cups,raw,socket://127.0.0.1:9100"))
        << "the named printer does not become the current one";
}

TEST_F(PrintSwitchTest, FailuresEndWithANonZeroCode)
{
    const QString a = m_files.write("a.prn", 10);
    struct Case
    {
        const char* name;
        QStringList words;
        bool failStartDoc;
        int boxes;
    };
    const Case cases[] = {
        {"pt to a printer that cannot be opened",
         {"-pt", a, "nosuch", "cups", "socket://127.0.0.1:1"},
         false,
         1},
        {"pt without a printer", {"-pt", a}, false, 1},
        {"p of a missing file", {"-p", m_files.path("missing.prn")}, false, 0},
        {"p when the spooler refuses the document", {"-p", a}, true, 1},
    };
    m_spooler.printers = {"raw"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_spooler.failStartDoc = c.failStartDoc;
        m_spooler.calls.clear();
        m_boxes.boxes.clear();
        EXPECT_NE(Run(c.words), 0);
        EXPECT_TRUE(m_shown.isEmpty()) << m_shown.join(", ").toStdString();
        ASSERT_EQ(m_boxes.boxes.size(), std::size_t(c.boxes));
        if (c.boxes)
            EXPECT_EQ(m_boxes.boxes[0].text, "Could not start print job.");
        EXPECT_EQ(m_spooler.calls.filter("WritePrinter").size(), 0);
        m_app.reset();
    }
}

// The program's own box, with no window on the screen: the text also goes to standard
// error, and on a platform nobody looks at the box does not wait for an answer.
TEST_F(PrintSwitchTest, WithoutAWindowTheBoxAlsoWritesToStandardError)
{
    const QString a = m_files.write("a.prn", 10);
    m_spooler.printers = {"raw"};
    MessageBoxHandler recorder = AfxSetMessageBoxHandler({});
    AfxInstallGuiHandlers();
    testing::internal::CaptureStderr();
    const int code = Run({"-pt", a, "nosuch"});
    const std::string written = testing::internal::GetCapturedStderr();
    AfxSetMessageBoxHandler(recorder);
    EXPECT_NE(code, 0);
    EXPECT_NE(written.find("Rawcast: Could not start print job.\n"), std::string::npos) << written;
}

} // namespace
