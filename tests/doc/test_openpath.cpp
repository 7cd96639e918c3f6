// Preparing an open path and deciding whether it is the document's own.

#include "platform/openpath.h"

#include "support/qt_print.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class OpenPathTest : public ::testing::Test
{
protected:
    OpenPathTest()
    {
        // Canonical from the start, so expectations need no resolving of their own.
        m_root = QDir(m_tmp.path()).canonicalPath();
        QDir(m_root).mkpath(QStringLiteral("sub"));
        touch(QStringLiteral("sub/file.prn"));
        touch(QStringLiteral("A"));
        touch(QStringLiteral("a"));
        QFile::link(at(QStringLiteral("sub/file.prn")), at(QStringLiteral("link.prn")));
        QFile::link(at(QStringLiteral("gone")), at(QStringLiteral("dangling")));
        QFile::link(at(QStringLiteral("sub")), at(QStringLiteral("subdir-link")));
    }

    QString at(const QString& relative) const { return m_root + QLatin1Char('/') + relative; }

    void touch(const QString& relative)
    {
        QFile file(at(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir m_tmp;
    QString m_root;
};

TEST_F(OpenPathTest, PreparesQuotedRelativeAndLinkedPaths)
{
    const QString file = at(QStringLiteral("sub/file.prn"));
    const QString longMissing = at(QString(300, QLatin1Char('x')));
    const struct
    {
        QString text;
        QString expected;
    } cases[] = {
        {file, file},
        {QStringLiteral("\"") + file + QStringLiteral("\""), file},
        {QStringLiteral("\"") + file + QStringLiteral("\" trailing words"), file},
        {file + QStringLiteral("\"\""), file + QStringLiteral("\"")}, // only the last one goes
        {QStringLiteral("sub/file.prn"), file},
        {QStringLiteral("\"sub/file.prn"), file},
        {QStringLiteral("./sub/../sub/./file.prn"), file},
        {at(QStringLiteral("sub//file.prn")), file},
        {QStringLiteral("link.prn"), file},
        {QStringLiteral("subdir-link/file.prn"), file},
        // subdir-link/.. is the folder above the link's target, as the system sees it
        {QStringLiteral("subdir-link/../sub/file.prn"), file},
        {QStringLiteral("dangling"), at(QStringLiteral("dangling"))},
        {QStringLiteral("missing/../new.prn"), at(QStringLiteral("new.prn"))},
        {QStringLiteral("//") + m_root.mid(1) + QStringLiteral("/nothing"),
         at(QStringLiteral("nothing"))},
        {longMissing, longMissing},
        {QStringLiteral("\"\""), QString()},
        {QString(), QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PrepareOpenPath(c.text, m_root), c.expected) << qPrintable(c.text);
}

TEST_F(OpenPathTest, SameDocumentByFileIdentity)
{
    const QString file = at(QStringLiteral("sub/file.prn"));
    ASSERT_EQ(::link(QFile::encodeName(file).constData(),
                     QFile::encodeName(at(QStringLiteral("hard.prn"))).constData()),
              0);
    const struct
    {
        QString a;
        QString b;
        bool same;
    } cases[] = {
        {file, file, true},
        {file, at(QStringLiteral("link.prn")), true},
        {file, at(QStringLiteral("sub/../sub/file.prn")), true},
        {file, at(QStringLiteral("sub//file.prn")), true},
        {file, at(QStringLiteral("hard.prn")), true},
        {at(QStringLiteral("A")), at(QStringLiteral("a")), false},
        {at(QStringLiteral("MISSING")), at(QStringLiteral("missing")), false},
        {at(QStringLiteral("missing")), at(QStringLiteral("x/..//missing")), true},
        {file, at(QStringLiteral("sub/FILE.prn")), false},
        {file, QString(), false},
        {QString(), QString(), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsSameDocumentPath(c.a, c.b), c.same) << qPrintable(c.a + " | " + c.b);
}

TEST(FileTitle, IsTheNameWithoutFolders)
{
    EXPECT_EQ(AfxGetFileTitle(QStringLiteral("/data/jobs/label.prn")), QStringLiteral("label.prn"));
    EXPECT_EQ(AfxGetFileTitle(QStringLiteral("/data/jobs/.hidden")), QStringLiteral(".hidden"));
}

} // namespace
