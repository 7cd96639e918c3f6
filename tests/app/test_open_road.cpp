// Files dropped on the main window and the other ways into the open road.
#include "app_test.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QTest>
#include <QUrl>

namespace {

class OpenRoadTest : public AppTest
{
protected:
    // Drags the files onto a widget of the window and lets them go there, as a file
    // manager does.
    bool Drop(const QStringList& paths, QWidget* target = nullptr)
    {
        target = target ? target : Window();
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        data.setText(paths.join(QLatin1Char('\n'))); // as file managers offer them
        const QPointF at = QRectF(target->rect()).center();
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }
    QString Canonical(const QString& path) const { return QFileInfo(path).canonicalFilePath(); }
};

TEST_F(OpenRoadTest, ThreeDroppedFilesLeaveTheThirdAndAllEnterTheRecentList)
{
    const QString a = Canonical(m_files.write("a.prn", 4));
    const QString b = Canonical(m_files.write("b.prn", 4));
    const QString c = Canonical(m_files.write("c.prn", 4));
    ASSERT_TRUE(Start());
    EXPECT_TRUE(Drop({a, b, c}));
    EXPECT_EQ(Entries(), QStringList{c});
    EXPECT_EQ(Doc()->m_files, QStringList{c});
    EXPECT_EQ(RecentFiles(), (QStringList{c, b, a}));
    EXPECT_EQ(Caption(), "c.prn - Rawcast");
}

TEST_F(OpenRoadTest, DroppingTheOpenFileKeepsTheEditedList)
{
    const QString a = Canonical(m_files.write("a.prn", 4));
    const QString b = Canonical(m_files.write("b.prn", 4));
    ASSERT_TRUE(Start({a}));
    View()->m_list.AddString(QStringLiteral("/added/one"));
    EXPECT_TRUE(Drop({a}));
    EXPECT_EQ(Entries(), (QStringList{a, "/added/one"}));
    EXPECT_EQ(RecentFiles(), QStringList{a});

    // Among others, the open one is skipped and the others replace the list in turn.
    m_app->OpenDocumentFile(b);
    View()->m_list.AddString(QStringLiteral("/added/two"));
    EXPECT_TRUE(Drop({b, a}));
    EXPECT_EQ(Entries(), QStringList{a});
    EXPECT_EQ(RecentFiles(), (QStringList{a, b}));
}

TEST_F(OpenRoadTest, FilesDroppedOnAControlOpenLikeEverywhereElse)
{
    const QString a = Canonical(m_files.write("a.prn", 4));
    const QString b = Canonical(m_files.write("b.prn", 4));
    ASSERT_TRUE(Start());
    auto* box = qobject_cast<QLineEdit*>(Item(IDC_BLOCK_SIZE));
    const QString blockSize = box->text();
    EXPECT_TRUE(Drop({a}, box));
    EXPECT_EQ(box->text(), blockSize) << "the path is no text for the box";
    EXPECT_EQ(Entries(), QStringList{a});
    EXPECT_TRUE(Drop({b}, Item(IDC_FILE_LIST)));
    EXPECT_EQ(Entries(), QStringList{b});
}

TEST_F(OpenRoadTest, NothingButLocalFilesIsTaken)
{
    ASSERT_TRUE(Start());
    QMimeData data;
    data.setText(QStringLiteral("/etc/passwd"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Window(), &enter);
    EXPECT_FALSE(enter.isAccepted());
    data.setUrls({QUrl(QStringLiteral("https://example.invalid/a.prn"))});
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Window(), &drop);
    EXPECT_TRUE(Entries().isEmpty());
    EXPECT_EQ(Caption(), "Untitled - Rawcast");
}

TEST_F(OpenRoadTest, FileOpenAfterNewOpensTheSamePathAgain)
{
    const QString a = Canonical(m_files.write("a.prn", 4));
    ASSERT_TRUE(Start({a}));
    Command(ID_FILE_NEW);
    EXPECT_TRUE(Entries().isEmpty());
    m_fileAnswers = {a, std::nullopt};
    Command(ID_FILE_OPEN);
    EXPECT_EQ(Entries(), QStringList{a});
    Command(ID_FILE_OPEN); // cancelled
    EXPECT_EQ(Entries(), QStringList{a});
    EXPECT_EQ(m_fileRequests.size(), 2u);
}

} // namespace
