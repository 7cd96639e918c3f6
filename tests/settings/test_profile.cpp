// The profile functions on one INI file, the program's keys and the file's name.

#include "profile_fixture.h"

#include "platform/profilename.h"
#include "platform/recentfilelist.h"
#include "settings/settings.h"

#include <QDir>
#include <QFileInfo>
#include <csignal>
#include <sys/resource.h>

namespace {

using namespace RawcastSettings;

TEST_F(ProfileTest, DefaultsWhenFileSectionOrKeyIsAbsent)
{
    const QByteArray files[] = {QByteArray(), "[Other]\nBlockSize=3\nPrinter=x\n",
                                "[Default]\nSomething=else\n"};
    for (const QByteArray& text : files) {
        if (!text.isNull())
            writeProfile(text);
        EXPECT_EQ(ReadBlockSize(app), 10u) << text.constData();
        EXPECT_EQ(ReadPrinterText(app), QString()) << text.constData();
        EXPECT_EQ(app.GetProfileString(kSectionDefault, kKeyPrinter, QStringLiteral("none")),
                  QStringLiteral("none"));
        app.LoadStdProfileSettings(8);
        EXPECT_EQ(app.m_nNumPreviewPages, 0u);
        for (int i = 0; i < 8; ++i)
            EXPECT_TRUE((*app.m_pRecentFileList)[i].isEmpty());
    }
}

TEST_F(ProfileTest, StoredZeroAndEmptyTextAreNotDefaults)
{
    writeProfile("[Default]\nBlockSize=0\nPrinter=\n");
    EXPECT_EQ(ReadBlockSize(app), 0u);
    EXPECT_EQ(app.GetProfileString(kSectionDefault, kKeyPrinter, QStringLiteral("none")),
              QString());
}

TEST_F(ProfileTest, FirstExitWritesOnlyTheProgramsKeys)
{
    app.LoadStdProfileSettings(8);
    WriteBlockSize(app, ReadBlockSize(app));
    WritePrinterText(app, ReadPrinterText(app));
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_EQ(readProfile(), "[Default]\nBlockSize=10\nPrinter=\n");
}

TEST_F(ProfileTest, NothingToWriteCreatesNoFile)
{
    app.LoadStdProfileSettings(8);
    app.ExitInstance();
    EXPECT_FALSE(profileExists());
}

TEST_F(ProfileTest, TextsAndIntegersReadBackAsWritten)
{
    const QString texts[] = {
        QStringLiteral("drv,dev,port"),
        QStringLiteral("  blanks around  "),
        QStringLiteral("a=b;c#d"),
        QStringLiteral("\"quoted\""),
        QStringLiteral("[not a section]"),
        QStringLiteral("/tmp/日本語 ﾌｧｲﾙ"),
        QString(),
    };
    for (const QString& text : texts) {
        ASSERT_TRUE(app.WriteProfileString(QStringLiteral("S"), QStringLiteral("k"), text));
        EXPECT_EQ(app.GetProfileString(QStringLiteral("S"), QStringLiteral("k"),
                                       QStringLiteral("default")),
                  text);
    }
    for (int value : {0, 1, -5, 2147483647, int(0x80000000u)}) {
        ASSERT_TRUE(app.WriteProfileInt(QStringLiteral("S"), QStringLiteral("n"), value));
        EXPECT_EQ(int(app.GetProfileInt(QStringLiteral("S"), QStringLiteral("n"), 99)), value);
    }
    EXPECT_TRUE(readProfile().contains("\nn=-2147483648\n"));
}

TEST_F(ProfileTest, LineBreakInATextIsRefusedAndChangesNothing)
{
    writeProfile("[Default]\nPrinter=a,b,c\n");
    EXPECT_FALSE(app.WriteProfileString(kSectionDefault, kKeyPrinter,
                                        QStringLiteral("x\n[Default]\nBlockSize=0")));
    EXPECT_EQ(readProfile(), "[Default]\nPrinter=a,b,c\n");
}

TEST_F(ProfileTest, LongValueArrivesCutTo4095Characters)
{
    const QByteArray value(4096, 'v');
    writeProfile("[S]\nk=" + value + "\n");
    const QString read = app.GetProfileString(QStringLiteral("S"), QStringLiteral("k"));
    EXPECT_EQ(read.size(), 4095);
    EXPECT_EQ(read, QString::fromLatin1(value.left(4095)));
}

TEST_F(ProfileTest, EveryCallSeesTheFileAsItIsNow)
{
    writeProfile("[Default]\nBlockSize=1\n");
    EXPECT_EQ(ReadBlockSize(app), 1u);
    writeProfile("[Default]\nBlockSize=2\n");
    EXPECT_EQ(ReadBlockSize(app), 2u);
    WritePrinterText(app, QStringLiteral("p"));
    writeProfile(readProfile() + "[X]\ny=1\n");
    WriteBlockSize(app, 3);
    EXPECT_EQ(readProfile(), "[Default]\nBlockSize=3\nPrinter=p\n[X]\ny=1\n");
}

TEST_F(ProfileTest, WritesKeepOtherSectionsKeysAndComments)
{
    const QByteArray before = "; Rawcast\r\n[Default]\r\nBlockSize=32\r\n; the printer\r\n"
                              "Printer=old\r\nExtra=1\r\n\r\n[Mine]\r\nk = v\r\n";
    writeProfile(before);
    WritePrinterText(app, QStringLiteral("cups,queue,ipp://host/q"));
    QByteArray expected = before;
    expected.replace("Printer=old", "Printer=cups,queue,ipp://host/q");
    EXPECT_EQ(readProfile(), expected);
}

TEST_F(ProfileTest, NullEntryDeletesTheWholeSection)
{
    writeProfile("[A]\nx=1\n[B]\ny=2\n");
    EXPECT_TRUE(app.WriteProfileString(QStringLiteral("A"), nullptr, QString()));
    EXPECT_EQ(readProfile(), "[B]\ny=2\n");
    EXPECT_EQ(app.GetProfileInt(QStringLiteral("A"), QStringLiteral("x"), 7), 7u);
}

TEST_F(ProfileTest, RecentFileListSectionIsReplacedAtExit)
{
    QByteArray recent;
    for (int i = 1; i <= 10; ++i)
        recent += "File" + QByteArray::number(i) + "=/old/" + QByteArray::number(i) + "\n";
    writeProfile("; Rawcast settings\n[Default]\nBlockSize=32\n\n[Recent File List]\n" + recent +
                 "Foreign=x\n; note\n[Settings]\nPreviewPages=2\n[Other]\nk=v\n");

    app.LoadStdProfileSettings(8);
    EXPECT_EQ((*app.m_pRecentFileList)[7], QStringLiteral("/old/8"));
    app.AddToRecentFileList(QStringLiteral("/new/a"));
    app.ExitInstance();

    EXPECT_EQ(readProfile(), "; Rawcast settings\n[Default]\nBlockSize=32\n\n; note\n"
                             "[Settings]\nPreviewPages=2\n[Other]\nk=v\n\n"
                             "[Recent File List]\nFile1=/new/a\nFile2=/old/1\nFile3=/old/2\n"
                             "File4=/old/3\nFile5=/old/4\nFile6=/old/5\nFile7=/old/6\n"
                             "File8=/old/7\n");
}

TEST_F(ProfileTest, RecentFileSlotsKeepTheirNumbers)
{
    writeProfile("[Recent File List]\nFile2=/b\nFile5=/e\n");
    app.LoadStdProfileSettings(8);
    app.ExitInstance();
    EXPECT_EQ(readProfile(), "[Recent File List]\nFile2=/b\nFile5=/e\n");
}

TEST_F(ProfileTest, FailedWriteLeavesTheOldFileWhole)
{
    const QByteArray before = "[Default]\nBlockSize=7\n; keep me\n";
    writeProfile(before);

    // A file-size limit binds root too: the new file cannot be written out in full.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written =
        app.WriteProfileString(kSectionDefault, kKeyPrinter, QString(1000, QLatin1Char('x')));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(readProfile(), before);
    EXPECT_EQ(QDir(dirPath()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("rawcast.INI")});
}

TEST_F(ProfileTest, UnwritableLocationFailsSilently)
{
    writeProfile("not a folder");
    app.m_pszProfileName += QStringLiteral("/rawcast.INI"); // parent is a regular file
    EXPECT_FALSE(WriteBlockSize(app, 5));
    EXPECT_EQ(ReadBlockSize(app), 10u);
    app.m_pszProfileName.clear();
    EXPECT_FALSE(WriteBlockSize(app, 5));
    EXPECT_EQ(ReadBlockSize(app), 10u);
}

TEST(ProfileName, ExecutableBaseNamePlusIni)
{
    const struct
    {
        const char* executable;
        const char* expected;
    } cases[] = {
        {"/usr/bin/rawcast", "rawcast.INI"},
        {"/opt/RAWCAST.EXE", "RAWCAST.INI"},
        {"rawcast", "rawcast.INI"},
        {"./build/rawcast", "rawcast.INI"},
        {"/home/u/.local/bin/rawcast", "rawcast.INI"},
        {"/opt/my.app/rawcast", "rawcast.INI"},
        {"/opt/raw.cast.bin", "raw.cast.INI"},
        {"/opt/.hidden", ".hidden.INI"},
        {"/opt/renamed", "renamed.INI"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AfxProfileBaseName(QString::fromUtf8(c.executable)),
                  QString::fromUtf8(c.expected))
            << c.executable;
}

TEST_F(ProfileTest, ProfileFolderIsXdgConfigHomeElseDotConfigCreatedWhenMissing)
{
    const QString xdg = dirPath() + QStringLiteral("/xdg/config");
    qputenv("XDG_CONFIG_HOME", xdg.toUtf8());
    EXPECT_EQ(AfxProfileFileName(QStringLiteral("/usr/bin/rawcast")),
              xdg + QStringLiteral("/rawcast.INI"));
    EXPECT_TRUE(QFileInfo(xdg).isDir());

    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", dirPath().toUtf8());
    for (const char* unusable : {"", "relative/config"}) {
        qputenv("XDG_CONFIG_HOME", unusable);
        EXPECT_EQ(AfxProfileFileName(QStringLiteral("/usr/bin/rawcast")),
                  dirPath() + QStringLiteral("/.config/rawcast.INI"));
    }
    qputenv("HOME", oldHome);
    EXPECT_TRUE(QFileInfo(dirPath() + QStringLiteral("/.config")).isDir());
}

} // namespace
