#pragma once

#include <QString>
#include <QStringView>

// A station callsign in its stored form names files and settings sections: 1 to 12 characters
// among 0-9, A-Z and "_" (a "/" of a portable call is stored as "_").
inline constexpr qsizetype kMaxCallsignLength = 12;
inline const QString kDefaultCallsign = QStringLiteral("FXXXX");

bool isStoredCallsign(QStringView callsign);

// The form shown on screen: "/" back in place of "_" (F6ABC_P -> F6ABC/P).
QString displayCallsign(const QString& stored);
