#pragma once

#include <QString>

// Where a file dialog opens for a folder that may not be there (an unplugged key, a desktop
// without a documents folder): the folder itself, or the nearest folder above it that exists, or
// the home folder. Qt's dialog would take a missing folder for the name of a new file or folder.
QString dialogFolder(const QString& folder);
