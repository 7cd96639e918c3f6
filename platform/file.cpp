#include "platform/file.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CFile::~CFile()
{
    Abort();
}

bool CFile::Open(const QString& fileName, UINT, CFileException* pError)
{
    Abort();
    auto fail = [&](int osError) {
        if (pError)
            *pError =
                CFileException(CFileException::OsErrorToException(osError), osError, fileName);
        return false;
    };

    const QByteArray path = QFile::encodeName(fileName);
    if (path.isEmpty())
        return fail(ENOENT);
    // O_NONBLOCK keeps a FIFO in the list from hanging the job; it has no effect on
    // the regular files that are let through.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return fail(errno);
    struct stat st
    {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int osError = S_ISDIR(st.st_mode) ? EISDIR : EACCES;
        ::close(fd);
        return fail(osError);
    }
    m_hFile = fd;
    m_strFileName = fileName;
    return true;
}

std::uint64_t CFile::GetLength() const
{
    struct stat st
    {};
    if (::fstat(m_hFile, &st) != 0)
        CFileException::ThrowOsError(errno);
    return static_cast<std::uint64_t>(st.st_size);
}

std::size_t CFile::Read(void* buffer, std::size_t count)
{
    if (count == 0)
        return 0;
    for (;;) {
        const ssize_t n = ::read(m_hFile, buffer, count);
        if (n >= 0)
            return static_cast<std::size_t>(n);
        if (errno != EINTR)
            CFileException::ThrowOsError(errno);
    }
}

void CFile::Close()
{
    if (m_hFile < 0)
        return;
    const int fd = m_hFile;
    m_hFile = -1;
    m_strFileName.clear();
    if (::close(fd) != 0 && errno != EINTR)
        CFileException::ThrowOsError(errno);
}

void CFile::Abort() noexcept
{
    if (m_hFile >= 0) {
        ::close(m_hFile);
        m_hFile = -1;
    }
    m_strFileName.clear();
}
