#pragma once

#include "app/Version.h"

#include <QString>

// Revision text, with the blank that stands for a sign.
inline const QString kRevision = QStringLiteral(" " KERLANIC_VERSION);

// What "Historique" shows, each line ended by CR LF.
QString versionHistory();
