#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// The log and the files Kerlanic writes are Windows-1252: one byte per character, so a byte
// position in a line is a character position. Every one of the 256 bytes decodes to a character
// and encodes back to itself.
namespace Cp1252 {

QString decode(QByteArrayView bytes);
// Empty when the text holds a character that Windows-1252 cannot store.
std::optional<QByteArray> encode(QStringView text);
bool canEncode(QStringView text);

} // namespace Cp1252
