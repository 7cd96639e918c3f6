#include "platform/openpath.h"

#include "platform/document.h"
#include "platform/strings.h"

#include "res/resource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>
#include <sys/stat.h>

namespace {

struct FileId
{
    dev_t device;
    ino_t inode;
};

std::optional<FileId> fileId(const QString& path)
{
    struct stat st
    {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return FileId{st.st_dev, st.st_ino};
}

} // namespace

QString PrepareOpenPath(const QString& text, const QString& currentDir)
{
    QString path = text;
    if (path.startsWith(QLatin1Char('"')))
        path.remove(0, 1);
    const qsizetype quote = path.lastIndexOf(QLatin1Char('"'));
    if (quote >= 0)
        path.truncate(quote);
    if (path.isEmpty())
        return QString();

    const QString absolute = QDir(currentDir).absoluteFilePath(path);
    // The kernel's answer for a path that exists: links followed, ".." taken after the
    // link as the system does, where a textual clean-up could name another file.
    const QString canonical = QFileInfo(absolute).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(absolute) : canonical;
}

bool IsSameDocumentPath(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const auto idA = fileId(a);
    const auto idB = fileId(b);
    if (idA && idB)
        return idA->device == idB->device && idA->inode == idB->inode;
    return QDir::cleanPath(a) == QDir::cleanPath(b);
}

QString AfxGetFileTitle(const QString& path)
{
    return QFileInfo(path).fileName();
}

OpenOutcome AfxOpenDocumentPath(CDocument& doc, const QString& preparedPath)
{
    if (preparedPath.isEmpty())
        return OpenOutcome::Failed;
    if (IsSameDocumentPath(preparedPath, doc.GetPathName()))
        return OpenOutcome::Activated;
    doc.SetModifiedFlag(false);
    if (!doc.OnOpenDocument(preparedPath))
        return OpenOutcome::Failed;
    doc.SetPathName(preparedPath);
    return OpenOutcome::Opened;
}

bool AfxNewDocument(CDocument& doc)
{
    if (!doc.OnNewDocument())
        return false;
    doc.SetTitle(AfxLoadString(AFX_IDS_UNTITLED));
    return true;
}
