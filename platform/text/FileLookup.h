#pragma once
// The installation's files (language file, icon libraries, skins, time
// recordings, update folder) are named without regard to letter case, as
// they were on the system they come from; Linux file systems do tell case
// apart, so every such name is looked up here.

#include <QString>

namespace sono::text {

// `relative` (folders separated by '/' or '\') resolved under `folder`, each
// part matched without regard to case. Returns the existing path with its
// real spelling; when some part does not exist, that part and the rest as
// asked for, under the real spelling of the folders that do (so a caller may
// still create it).
QString findCaseInsensitive(const QString& folder, const QString& relative);

// The same under the folder of the running executable.
QString installationFile(const QString& relative);

}  // namespace sono::text
