#pragma once

#include "platform/afxtypes.h"

#include <QString>

// The platform's exception family. Thrown by value and caught by reference to CException.

class CException
{
public:
    virtual ~CException() = default;

    // The text that describes the failure; false when there is none.
    virtual bool GetErrorMessage(QString& message) const = 0;

    // Shows the message in a box; nMessageId is the text to use when there is none.
    int ReportError(UINT nType = MB_OK, UINT nMessageId = 0) const;
};

class CMemoryException : public CException
{
public:
    bool GetErrorMessage(QString& message) const override;
};

class CFileException : public CException
{
public:
    enum Cause
    {
        none = 0,
        genericException = 1,
        fileNotFound = 2,
        badPath = 3,
        tooManyOpenFiles = 4,
        accessDenied = 5,
        invalidFile = 6,
        removeCurrentDir = 7,
        directoryFull = 8,
        badSeek = 9,
        hardIO = 10,
        sharingViolation = 11,
        lockViolation = 12,
        diskFull = 13,
        endOfFile = 14,
    };

    explicit CFileException(int cause = none, int osError = 0, QString fileName = {});

    // The standard mapping of a system error code to a cause.
    static int OsErrorToException(int osError);
    [[noreturn]] static void ThrowOsError(int osError, const QString& fileName = {});

    bool GetErrorMessage(QString& message) const override;

    int m_cause;
    int m_lOsError;
    QString m_strFileName;
};

// A failure of the print spooler, reported with one of the program's messages.
class CSpoolerException : public CException
{
public:
    explicit CSpoolerException(UINT messageId) : m_nMessageId(messageId) {}

    bool GetErrorMessage(QString& message) const override;

    UINT m_nMessageId;
};
