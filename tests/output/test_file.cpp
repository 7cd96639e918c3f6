#include "platform/file.h"
#include "support/test_env.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

TEST(File, OnlyRegularFilesOpenAndNothingBlocks)
{
    TempFiles files;
    const QString regular = files.write("regular", 3);
    const QString fifo = files.path("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString socketPath = files.path("sock");
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, QFile::encodeName(socketPath).constData(),
                 sizeof addr.sun_path - 1);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);

    struct Case
    {
        QString path;
        bool opens;
        int cause;
    };
    const Case cases[] = {
        {regular, true, CFileException::none},
        {files.path(""), false, CFileException::accessDenied}, // the folder itself
        {fifo, false, CFileException::accessDenied},
        {socketPath, false, CFileException::fileNotFound}, // sockets refuse open()
        {"/dev/null", false, CFileException::accessDenied},
        {files.path("missing"), false, CFileException::fileNotFound},
        {"", false, CFileException::fileNotFound},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        CFile file;
        CFileException error;
        EXPECT_EQ(file.Open(c.path, CFile::modeRead, &error), c.opens);
        EXPECT_EQ(file.IsOpen(), c.opens);
        if (!c.opens)
            EXPECT_EQ(error.m_cause, c.cause);
    }
    ::close(sock);
}

TEST(File, ReadsLengthAndBytes)
{
    TempFiles files;
    CFile file;
    ASSERT_TRUE(file.Open(files.write("f", 5000, 'x'), CFile::modeRead));
    EXPECT_EQ(file.GetLength(), 5000u);
    QByteArray buffer(8192, '\0');
    EXPECT_EQ(file.Read(buffer.data(), 0), 0u);
    EXPECT_EQ(file.Read(buffer.data(), 4096), 4096u);
    EXPECT_EQ(file.Read(buffer.data() + 4096, 4096), 904u);
    EXPECT_EQ(file.Read(buffer.data(), 4096), 0u);
    EXPECT_EQ(buffer.left(5000), TempFiles::pattern(5000, 'x'));
    file.Close();
    EXPECT_FALSE(file.IsOpen());
}

TEST(FileException, MessagesByCauseNameTheFileOrAnUnnamedFile)
{
    QString message;
    ASSERT_TRUE(CFileException(CFileException::OsErrorToException(ENOENT), ENOENT, "/x/y")
                    .GetErrorMessage(message));
    EXPECT_EQ(message, "/x/y was not found.");
    ASSERT_TRUE(CFileException(CFileException::OsErrorToException(ENOSPC), ENOSPC)
                    .GetErrorMessage(message));
    EXPECT_EQ(message, "Disk full while accessing an unnamed file.");
    EXPECT_EQ(CFileException::OsErrorToException(EACCES), CFileException::accessDenied);
    EXPECT_EQ(CFileException::OsErrorToException(EIO), CFileException::hardIO);
    EXPECT_EQ(CFileException::OsErrorToException(EMFILE), CFileException::tooManyOpenFiles);
    EXPECT_FALSE(CFileException(CFileException::none).GetErrorMessage(message));

    MessageBoxRecorder boxes;
    CFileException(CFileException::none).ReportError();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "No error message is available.");
}
