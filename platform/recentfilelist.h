#pragma once

#include "platform/afxtypes.h"

#include <QString>
#include <QStringList>

class CWinApp;

// The recent-file list: most recent first, a path already listed moves to the front,
// the last one drops out when the list is full.
class CRecentFileList
{
public:
    CRecentFileList(UINT nStart, const QString& section, const QString& entryFormat, int nSize,
                    int nMaxDispLen = 30);

    int GetSize() const { return m_nSize; }
    // Slot index (0-based); an empty text for an empty slot.
    const QString& operator[](int index) const { return m_arrNames[index]; }

    void Add(const QString& pathName);
    void Remove(int index);

    // The menu text of slot index without its "&N " prefix: the file name alone when
    // it lies in currentDir, else the path shortened to the display length; false for
    // an empty slot.
    bool GetDisplayName(QString& name, int index, const QString& currentDir) const;

    void ReadList(CWinApp& app);
    void WriteList(CWinApp& app);

    // The profile key of slot index: the entry format with "%d" as index + 1.
    QString EntryName(int index) const;

    UINT m_nStart; // command of the first entry
    QString m_strSectionName;
    QString m_strEntryFormat; // "File%d"
    int m_nSize;
    int m_nMaxDisplayLength;
    QStringList m_arrNames;
};
