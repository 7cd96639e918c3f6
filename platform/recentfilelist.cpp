#include "platform/recentfilelist.h"

#include "platform/winapp.h"

#include <QDir>
#include <QFileInfo>

CRecentFileList::CRecentFileList(UINT nStart, const QString& section, const QString& entryFormat,
                                 int nSize, int nMaxDispLen)
    : m_nStart(nStart), m_strSectionName(section), m_strEntryFormat(entryFormat), m_nSize(nSize),
      m_nMaxDisplayLength(nMaxDispLen)
{
    for (int i = 0; i < m_nSize; ++i)
        m_arrNames.append(QString());
}

void CRecentFileList::Add(const QString& pathName)
{
    if (pathName.isEmpty() || m_nSize == 0)
        return;
    // The entry that moves to the front: the same path further down, else the last slot.
    int from = m_nSize - 1;
    for (int i = 0; i < m_nSize; ++i) {
        if (m_arrNames[i] == pathName) {
            from = i;
            break;
        }
    }
    m_arrNames.move(from, 0);
    m_arrNames[0] = pathName;
}

void CRecentFileList::Remove(int index)
{
    if (index < 0 || index >= m_nSize)
        return;
    m_arrNames.removeAt(index);
    m_arrNames.append(QString());
}

namespace {

// The path shortened to maxLength: as much of its start as fits, cut back to a folder
// boundary, then "..." and the file name. The file name alone when even that is too long.
QString abbreviate(const QString& path, const QString& fileName, int maxLength)
{
    if (path.size() <= maxLength)
        return path;
    const QString tail = QLatin1Char('/') + fileName;
    const qsizetype room = maxLength - 3 - tail.size();
    if (room < 1)
        return fileName;
    QString head = path.left(room);
    const qsizetype slash = head.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0)
        head.truncate(slash + 1);
    return head + QStringLiteral("...") + tail;
}

} // namespace

bool CRecentFileList::GetDisplayName(QString& name, int index, const QString& currentDir) const
{
    if (index < 0 || index >= m_nSize || m_arrNames[index].isEmpty())
        return false;
    const QString& path = m_arrNames[index];
    const QFileInfo info(path);
    const QString fileName = info.fileName();
    if (!currentDir.isEmpty() && QDir::cleanPath(info.path()) == QDir::cleanPath(currentDir))
        name = fileName;
    else
        name = abbreviate(path, fileName, m_nMaxDisplayLength);
    return true;
}

QString CRecentFileList::EntryName(int index) const
{
    QString entry = m_strEntryFormat;
    return entry.replace(QStringLiteral("%d"), QString::number(index + 1));
}

void CRecentFileList::ReadList(CWinApp& app)
{
    for (int i = 0; i < m_nSize; ++i)
        m_arrNames[i] = app.GetProfileString(m_strSectionName, EntryName(i));
}

void CRecentFileList::WriteList(CWinApp& app)
{
    // Whatever else the section held (foreign keys, more entries) goes with it.
    app.WriteProfileString(m_strSectionName, nullptr, QString());
    for (int i = 0; i < m_nSize; ++i) {
        if (!m_arrNames[i].isEmpty())
            app.WriteProfileString(m_strSectionName, EntryName(i), m_arrNames[i]);
    }
}
