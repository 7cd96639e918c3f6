// The file list document through New and the open road, with the recent-file list.

#include "doc/rawcastdoc.h"
#include "platform/openpath.h"
#include "platform/recentfilelist.h"
#include "platform/strings.h"
#include "platform/winapp.h"

#include "res/resource.h"

#include "support/qt_print.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DocumentTest : public ::testing::Test
{
protected:
    DocumentTest()
    {
        m_root = QDir(m_tmp.path()).canonicalPath();
        qputenv("XDG_CONFIG_HOME", m_root.toUtf8());
        app.m_pszProfileName = at(QStringLiteral("rawcast.INI"));
        app.LoadStdProfileSettings(8);
        doc.SetTitleHandler([this](const CDocument& d) { titles << d.GetTitle(); });
    }

    QString at(const QString& name) const { return m_root + QLatin1Char('/') + name; }

    QString write(const QString& name, const QByteArray& bytes = "raw bytes")
    {
        QFile file(at(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return at(name);
    }

    OpenOutcome open(const QString& text)
    {
        return AfxOpenDocumentPath(doc, PrepareOpenPath(text, m_root));
    }

    QStringList recent() const
    {
        QStringList names;
        for (int i = 0; i < app.m_pRecentFileList->GetSize(); ++i) {
            if (!(*app.m_pRecentFileList)[i].isEmpty())
                names << (*app.m_pRecentFileList)[i];
        }
        return names;
    }

    QTemporaryDir m_tmp;
    QString m_root;
    CWinApp app;
    CRawcastDoc doc;
    QStringList titles;
};

TEST_F(DocumentTest, NewEmptiesTheListAndIsUntitledInBothLanguages)
{
    for (ResourceLanguage language : {ResourceLanguage::English, ResourceLanguage::Japanese}) {
        AfxSetResourceLanguage(language);
        ASSERT_EQ(open(write(QStringLiteral("a.prn"))), OpenOutcome::Opened);
        ASSERT_TRUE(AfxNewDocument(doc));
        EXPECT_TRUE(doc.m_files.isEmpty());
        EXPECT_TRUE(doc.GetPathName().isEmpty());
        EXPECT_EQ(doc.GetTitle(), QStringLiteral("Untitled"));
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(titles.last(), QStringLiteral("Untitled"));
        // New empties the path name, so the same file opens again normally.
        EXPECT_EQ(open(QStringLiteral("a.prn")), OpenOutcome::Opened);
        AfxNewDocument(doc);
    }
    AfxSetResourceLanguage(ResourceLanguage::English);
}

TEST_F(DocumentTest, OpenRecordsThePathOnlyAndLeavesTheFileAlone)
{
    const QString file = write(QStringLiteral("label.prn"), "\x1b@payload");
    doc.m_files = QStringList{QStringLiteral("/from/before")};
    ASSERT_EQ(open(QStringLiteral("\"label.prn\"")), OpenOutcome::Opened);
    EXPECT_EQ(doc.m_files, QStringList{file});
    EXPECT_EQ(doc.GetPathName(), file);
    EXPECT_EQ(doc.GetTitle(), QStringLiteral("label.prn"));
    EXPECT_EQ(titles, QStringList{QStringLiteral("label.prn")});
    EXPECT_EQ(recent(), QStringList{file});

    // Save has nothing to write: the document handles no command and serializes nothing.
    EXPECT_FALSE(doc.OnCmdMsg(ID_FILE_SAVE, 0));
    doc.Serialize(true);
    QFile check(file);
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), QByteArray("\x1b@payload"));
    EXPECT_EQ(QDir(m_root).entryList(QDir::Files), QStringList{QStringLiteral("label.prn")});
}

TEST_F(DocumentTest, MissingFileStillOpens)
{
    const QString missing = at(QStringLiteral("deleted.prn"));
    ASSERT_EQ(open(missing), OpenOutcome::Opened);
    EXPECT_EQ(doc.m_files, QStringList{missing});
    EXPECT_EQ(doc.GetTitle(), QStringLiteral("deleted.prn"));
    EXPECT_EQ(recent(), QStringList{missing});
}

TEST_F(DocumentTest, ReopeningTheDocumentsOwnFileChangesNothing)
{
    const QString file = write(QStringLiteral("job.prn"));
    QDir(m_root).mkdir(QStringLiteral("sub"));
    QFile::link(file, at(QStringLiteral("shortcut")));
    ASSERT_EQ(open(file), OpenOutcome::Opened);
    doc.m_files << QStringLiteral("/marks/a/later/change");
    const QStringList changed = doc.m_files;

    for (const QString& spelling : {file, QStringLiteral("job.prn"), QStringLiteral("\"job.prn\""),
                                    QStringLiteral("shortcut"), QStringLiteral("sub/../job.prn"),
                                    m_root + QStringLiteral("//job.prn")}) {
        EXPECT_EQ(open(spelling), OpenOutcome::Activated) << qPrintable(spelling);
        EXPECT_EQ(doc.m_files, changed);
    }
    EXPECT_EQ(recent(), QStringList{file});
    EXPECT_EQ(titles.size(), 1);
}

TEST_F(DocumentTest, PathsDifferingInLetterCaseAreDifferentDocuments)
{
    const QString upper = write(QStringLiteral("A"));
    const QString lower = write(QStringLiteral("a"));
    ASSERT_EQ(open(upper), OpenOutcome::Opened);
    EXPECT_EQ(open(lower), OpenOutcome::Opened);
    EXPECT_EQ(doc.m_files, QStringList{lower});
    // The same when neither exists.
    EXPECT_EQ(open(QStringLiteral("GONE")), OpenOutcome::Opened);
    EXPECT_EQ(open(QStringLiteral("gone")), OpenOutcome::Opened);
    EXPECT_EQ(doc.m_files, QStringList{at(QStringLiteral("gone"))});
}

TEST_F(DocumentTest, ThreeFilesInTurnLeaveTheThirdAndRecentListCBA)
{
    const QString a = write(QStringLiteral("A.prn"));
    const QString b = write(QStringLiteral("B.prn"));
    const QString c = write(QStringLiteral("C.prn"));
    for (const QString& path : {a, b, c})
        EXPECT_EQ(open(path), OpenOutcome::Opened);
    EXPECT_EQ(doc.m_files, QStringList{c});
    EXPECT_EQ(doc.GetTitle(), QStringLiteral("C.prn"));
    EXPECT_EQ(recent(), (QStringList{c, b, a}));

    // The list survives the exit into the next run.
    app.ExitInstance();
    app.m_pRecentFileList.reset();
    app.LoadStdProfileSettings(8);
    EXPECT_EQ(recent(), (QStringList{c, b, a}));
}

TEST_F(DocumentTest, CloseEmptiesTheList)
{
    ASSERT_EQ(open(write(QStringLiteral("x.prn"))), OpenOutcome::Opened);
    doc.OnCloseDocument();
    EXPECT_TRUE(doc.m_files.isEmpty());
}

TEST_F(DocumentTest, WithoutAnApplicationNoRecentListIsTouched)
{
    CRawcastDoc lone;
    lone.SetPathName(at(QStringLiteral("x.prn")), false);
    EXPECT_TRUE(recent().isEmpty());
    EXPECT_EQ(lone.GetTitle(), QStringLiteral("x.prn"));
}

} // namespace
