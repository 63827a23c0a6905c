#pragma once

#include <QString>

// Revision text, with the blank that stands for a sign.
inline const QString kRevision = QStringLiteral(" 1.1.0");

// What "Historique" shows, each line ended by CR LF.
QString versionHistory();
