// The search for data files: the current directory first, then <prefix>/share/zepharin beside <prefix>/bin.
#include "platform/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zeph {

QString InstalledDataFolder(const QString& executableFolder)
{
    return QDir::cleanPath(executableFolder + QStringLiteral("/../share/zepharin"));
}

QStringList DataFolders()
{
    QStringList folders{QDir::currentPath()};
    if (QCoreApplication::instance())
        folders.append(InstalledDataFolder(QCoreApplication::applicationDirPath()));
    return folders;
}

QString FindDataFile(const QString& name, const QStringList& folders)
{
    if (QDir::isAbsolutePath(name) || folders.isEmpty()) return name;
    for (const QString& folder : folders) {
        const QString path = QDir(folder).absoluteFilePath(name);
        if (QFileInfo(path).isFile()) return path;
    }
    return QDir(folders.front()).absoluteFilePath(name);
}

}  // namespace zeph
