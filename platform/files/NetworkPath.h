#pragma once
// Network paths (\\server\share\folder\file) as the stored data names them,
// reached on this system through a folder where the shares are mounted:
// <mount folder>/<server>/<share>/folder/file. The mount folder is
// /mnt unless the environment variable SONO_NETWORK_MOUNTS names another.
// Every other text is a path of this machine and is returned as it is.

#include <QString>

namespace sono::files {

// Whether `path` is a network path: two backslashes (or slashes), a server
// name and a share name.
bool isNetworkPath(const QString& path);

// The local path of a network path under `mountFolder`; any other path
// unchanged. Separators become '/', and each part is matched without
// regard to letter case where the mounted files exist; ".." parts make no
// local path (an empty text), so a stored name can never reach outside the
// mount folder.
QString localPath(const QString& path, const QString& mountFolder);

// localPath() under the configured mount folder.
QString localPath(const QString& path);

// The configured mount folder.
QString networkMountFolder();

}  // namespace sono::files
