#include "platform/exceptions.h"

#include "platform/msgbox.h"
#include "platform/strings.h"
#include "res/resource.h"

#include <cerrno>

int CException::ReportError(UINT nType, UINT nMessageId) const
{
    QString message;
    if (!GetErrorMessage(message) || message.isEmpty())
        message = AfxLoadString(nMessageId ? nMessageId : AFX_IDP_NO_ERROR_AVAILABLE);
    return AfxMessageBox(message, nType);
}

bool CMemoryException::GetErrorMessage(QString& message) const
{
    message = AfxLoadString(AFX_IDS_MEMORY_EXCEPTION);
    return true;
}

CFileException::CFileException(int cause, int osError, QString fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(std::move(fileName))
{}

int CFileException::OsErrorToException(int osError)
{
    switch (osError) {
    case 0:
        return none;
    case ENOENT:
    case ENXIO:
    case ENODEV:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case EBUSY:
    case ETXTBSY:
        return sharingViolation;
    case EDEADLK:
    case ENOLCK:
        return lockViolation;
    case ESPIPE:
        return badSeek;
    case EIO:
        return hardIO;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return diskFull;
    default:
        return genericException;
    }
}

void CFileException::ThrowOsError(int osError, const QString& fileName)
{
    throw CFileException(OsErrorToException(osError), osError, fileName);
}

bool CFileException::GetErrorMessage(QString& message) const
{
    if (m_cause <= none || m_cause > endOfFile)
        return false;
    const QString name =
        m_strFileName.isEmpty() ? AfxLoadString(AFX_IDS_UNNAMED_FILE) : m_strFileName;
    message = AfxLoadString(AFX_IDP_FILE_NONE + m_cause).replace(QLatin1String("%1"), name);
    return true;
}

bool CSpoolerException::GetErrorMessage(QString& message) const
{
    message = AfxLoadString(m_nMessageId);
    return !message.isEmpty();
}
