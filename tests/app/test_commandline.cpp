// The command-line parser: switches, the words that fill the record, FileNew to FileOpen.
#include "platform/commandline.h"
#include "support/qt_print.h"

#include <gtest/gtest.h>

namespace {

using Shell = CCommandLineInfo::Shell;

struct Expected
{
    Shell shell;
    QString file;
    QString printer;
    QString driver;
    QString port;
    bool embedded = false;
    bool automated = false;
    bool userControlLost = false;
};

struct Case
{
    const char* name;
    QStringList words; // as the shell split them
    Expected expected;
};

TEST(CommandLine, WordsFillTheRecord)
{
    const Case cases[] = {
        {"no argument", {}, {CCommandLineInfo::FileNew}},
        {"one file", {"a.prn"}, {CCommandLineInfo::FileOpen, "a.prn"}},
        {"two files: the second is ignored",
         {"a.prn", "b.prn"},
         {CCommandLineInfo::FileOpen, "a.prn"}},
        {"a word with blanks stays one name",
         {"my file.prn", "x"},
         {CCommandLineInfo::FileOpen, "my file.prn"}},
        {"p with a file", {"-p", "a.prn"}, {CCommandLineInfo::FilePrint, "a.prn"}},
        {"p after the file", {"a.prn", "/p"}, {CCommandLineInfo::FilePrint, "a.prn"}},
        {"p takes no printer", {"-p", "a.prn", "lp0"}, {CCommandLineInfo::FilePrint, "a.prn"}},
        {"pt with printer, driver and port",
         {"/pt", "a.prn", "lp0", "drv", "port", "extra"},
         {CCommandLineInfo::FilePrintTo, "a.prn", "lp0", "drv", "port"}},
        {"pt with the printer alone",
         {"-pt", "a.prn", "lp0"},
         {CCommandLineInfo::FilePrintTo, "a.prn", "lp0"}},
        {"pt after the file: the next words still count",
         {"a.prn", "-pt", "lp0", "drv"},
         {CCommandLineInfo::FilePrintTo, "a.prn", "lp0", "drv"}},
        {"P is not p", {"-P", "a.prn"}, {CCommandLineInfo::FileOpen, "a.prn"}},
        {"PT is not pt", {"/PT", "a.prn", "lp0"}, {CCommandLineInfo::FileOpen, "a.prn"}},
        {"unknown switches",
         {"-x", "--p", "-", "-help", "a.prn"},
         {CCommandLineInfo::FileOpen, "a.prn"}},
        {"an absolute path is no switch",
         {"/tmp/a.prn"},
         {CCommandLineInfo::FileOpen, "/tmp/a.prn"}},
        {"after / only a known switch counts", {"/x", "/p"}, {CCommandLineInfo::FilePrint, "/x"}},
        {"p before an absolute path",
         {"/p", "/tmp/a b.prn"},
         {CCommandLineInfo::FilePrint, "/tmp/a b.prn"}},
        {"P after / is no path either",
         {"/P", "/tmp/a.prn"},
         {CCommandLineInfo::FileOpen, "/tmp/a.prn"}},
        {"a switch with its value glued on", {"-pa.prn"}, {CCommandLineInfo::FileNew}},
        {"dde", {"/dde"}, {CCommandLineInfo::FileDDE, {}, {}, {}, {}, false, false, true}},
        {"dde keeps the file",
         {"-dde", "a.prn"},
         {CCommandLineInfo::FileDDE, "a.prn", {}, {}, {}, false, false, true}},
        {"DDE is not dde", {"/DDE"}, {CCommandLineInfo::FileNew}},
        {"Unregister", {"/Unregister"}, {CCommandLineInfo::AppUnregister}},
        {"unregister is not Unregister", {"-unregister"}, {CCommandLineInfo::FileNew}},
        {"Embedding changes no command",
         {"-Embedding"},
         {CCommandLineInfo::FileNew, {}, {}, {}, {}, true, false, true}},
        {"Embedding with a file",
         {"-Embedding", "a.prn"},
         {CCommandLineInfo::FileOpen, "a.prn", {}, {}, {}, true, false, true}},
        {"Automation",
         {"/Automation", "a.prn"},
         {CCommandLineInfo::FileOpen, "a.prn", {}, {}, {}, false, true, true}},
        {"Unregister with Embedding",
         {"/Unregister", "/Embedding"},
         {CCommandLineInfo::AppUnregister, {}, {}, {}, {}, true, false, true}},
        {"the last command switch wins",
         {"-p", "-pt", "a.prn", "lp0"},
         {CCommandLineInfo::FilePrintTo, "a.prn", "lp0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CCommandLineInfo info;
        ParseCommandLine(c.words, info);
        EXPECT_EQ(info.m_nShellCommand, c.expected.shell);
        EXPECT_EQ(info.m_strFileName, c.expected.file);
        EXPECT_EQ(info.m_strPrinterName, c.expected.printer);
        EXPECT_EQ(info.m_strDriverName, c.expected.driver);
        EXPECT_EQ(info.m_strPortName, c.expected.port);
        EXPECT_EQ(info.m_bRunEmbedded, c.expected.embedded);
        EXPECT_EQ(info.m_bRunAutomated, c.expected.automated);
        EXPECT_EQ(info.m_bUserControlLost, c.expected.userControlLost);
    }
}

} // namespace
