// Where the program's data files (help texts, sounds) are found: the current directory first, then the installed folder.
#pragma once

#include <QString>
#include <QStringList>

namespace zeph {

// The folder an installation puts the data files in, from the folder of the executable:
// <prefix>/bin holds the program, <prefix>/share/zepharin its data.
QString InstalledDataFolder(const QString& executableFolder);

// The folders searched, in order: the current directory, then the installed folder beside the
// running executable (only the current directory when no application object exists).
QStringList DataFolders();

// The absolute path of the file `name` in the first of `folders` that holds a file of that
// name; when none does, its path in the first folder, so that whoever opens it reports the
// file as missing there. An absolute `name` is returned as it is.
QString FindDataFile(const QString& name, const QStringList& folders = DataFolders());

}  // namespace zeph
