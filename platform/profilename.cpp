#include "platform/profilename.h"

#include <QDir>

QString AfxProfileBaseName(const QString& executablePath)
{
    QString name = executablePath.mid(executablePath.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > 0)
        name.truncate(dot);
    return name + QStringLiteral(".INI");
}

QString AfxProfileDirectory()
{
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(xdg))
        return QDir::cleanPath(xdg);
    return QDir::homePath() + QStringLiteral("/.config");
}

QString AfxProfileFileName(const QString& executablePath)
{
    const QString dir = AfxProfileDirectory();
    QDir().mkpath(dir); // a failure shows later as writes that fail silently
    return dir + QLatin1Char('/') + AfxProfileBaseName(executablePath);
}
