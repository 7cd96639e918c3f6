#pragma once

#include "platform/exceptions.h"

#include <QString>
#include <cstdint>

// A file opened for reading. Only regular files open: a folder, FIFO, device or
// socket counts as a file that does not open, and opening never blocks.
class CFile
{
public:
    enum OpenFlags : UINT
    {
        modeRead = 0x0000,
    };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    virtual ~CFile();

    // False on failure; the cause goes into pError when one is given. Never throws.
    virtual bool Open(const QString& fileName, UINT openFlags, CFileException* pError = nullptr);

    // Throw CFileException on failure, without the file's name.
    virtual std::uint64_t GetLength() const;
    virtual std::size_t Read(void* buffer, std::size_t count);
    virtual void Close();

    // Closes without reporting failure.
    void Abort() noexcept;

    bool IsOpen() const { return m_hFile >= 0; }

    QString m_strFileName;

protected:
    int m_hFile = -1;
};
