#pragma once

#include <QByteArray>
#include <QString>

namespace zaf {

// The binary settings and diver files hold single-byte Windows-1252 text.

/// Windows-1252 bytes to text (undefined bytes map to the same code point, as Latin-1).
QString fromCp1252(const QByteArray& bytes);
/// Text to Windows-1252 bytes; a character the code page lacks becomes '?'.
QByteArray toCp1252(const QString& text);

/// Reads a short string: one length byte, then up to `maxLength` character bytes.
QString readShortString(const char* at, int maxLength);
/// Writes a short string into `1 + maxLength` bytes at `at` (text cut to maxLength; the
/// unused bytes are zeroed).
void writeShortString(char* at, int maxLength, const QString& text);

} // namespace zaf
