// The recent-file list: its order and its menu texts.

#include "platform/recentfilelist.h"

#include "support/qt_print.h"
#include <gtest/gtest.h>

namespace {

QStringList entries(const CRecentFileList& list)
{
    QStringList names;
    for (int i = 0; i < list.GetSize(); ++i)
        names << list[i];
    return names;
}

CRecentFileList makeList(int size = 4)
{
    return CRecentFileList(57616, QStringLiteral("Recent File List"), QStringLiteral("File%d"),
                           size);
}

TEST(RecentFileList, MostRecentFirstListedPathMovesUpLastDropsOut)
{
    CRecentFileList list = makeList(4);
    for (const char* path : {"/a", "/b", "/c"})
        list.Add(QString::fromLatin1(path));
    EXPECT_EQ(entries(list), (QStringList{"/c", "/b", "/a", ""}));

    list.Add(QStringLiteral("/a"));
    EXPECT_EQ(entries(list), (QStringList{"/a", "/c", "/b", ""}));

    list.Add(QStringLiteral("/d"));
    list.Add(QStringLiteral("/e"));
    EXPECT_EQ(entries(list), (QStringList{"/e", "/d", "/a", "/c"}));

    list.Add(QStringLiteral("/E")); // another file on this system
    EXPECT_EQ(entries(list), (QStringList{"/E", "/e", "/d", "/a"}));

    list.Remove(1);
    EXPECT_EQ(entries(list), (QStringList{"/E", "/d", "/a", ""}));
}

TEST(RecentFileList, EntryNamesCountFromOne)
{
    const CRecentFileList list = makeList(8);
    EXPECT_EQ(list.EntryName(0), QStringLiteral("File1"));
    EXPECT_EQ(list.EntryName(7), QStringLiteral("File8"));
}

TEST(RecentFileList, DisplayNameIsFileNameHereElsePathShortenedTo30)
{
    CRecentFileList list = makeList(8);
    const struct
    {
        const char* path;
        const char* expected;
    } cases[] = {
        {"/work/here/report.prn", "report.prn"},
        {"/work/elsewhere/a.prn", "/work/elsewhere/a.prn"},
        {"/home/someone/projects/longdir/file.txt", "/home/someone/.../file.txt"},
        {"/averyveryverylongfoldername/x/file.txt", "/.../file.txt"},
        {"/x/a-file-name-that-is-far-too-long-to-fit.txt",
         "a-file-name-that-is-far-too-long-to-fit.txt"},
        {"/work/here/sub/b.prn", "/work/here/sub/b.prn"},
    };
    for (const auto& c : cases) {
        list.Add(QString::fromUtf8(c.path));
        QString name;
        ASSERT_TRUE(list.GetDisplayName(name, 0, QStringLiteral("/work/here/")));
        EXPECT_EQ(name, QString::fromUtf8(c.expected)) << c.path;
        EXPECT_LE(name.size(), std::max<qsizetype>(30, QString::fromUtf8(c.expected).size()));
    }
    QString name;
    EXPECT_FALSE(list.GetDisplayName(name, 7, QStringLiteral("/work/here")));
}

} // namespace
