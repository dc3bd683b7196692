// modCrypt: scrambles and unscrambles stored texts through the cipher library's CBF entry.
#pragma once

#include "common/Result.h"

#include <QByteArray>
#include <QString>

namespace tolva {

// Plain texts are QString; scrambled texts are the byte strings stored as BLOBs. Plain
// texts pass to the cipher in Windows-1252.

// Pads the bytes with code 0 to a multiple of 4, runs CBF with the key and flag and returns
// the result cut to the length CBF reports. When the cipher library cannot be loaded, the
// padded bytes come back unchanged.
QByteArray CryptText(qint32 lKey, const QByteArray& sText, bool bFlag);

// "" for an empty text; else CryptText with the scrambling key of the first character.
// Fails when the 16-bit key sum overflows (a first character outside the code page).
Result<QByteArray> Encrypt(const QString& sText, bool bFlag);

// "" for an empty text; else CryptText with the unscrambling key of the first stored byte,
// read back as plain text (including the code-0 padding).
QString Decrypt(const QByteArray& sText, bool bFlag);

// The 52-character password record that keeps the filler of the old (unscrambled) record
// and carries the new password. Fails for a password longer than 16 characters.
Result<QString> ReplacePassword(const QString& sAlt, const QString& sNeu);

// Pads sPasswort with blanks to 16 characters (the caller sees the padded value) and
// interleaves it with the filler. Fails for a password longer than 16 characters.
Result<QString> MergePassword(QString& sPasswort, const QString& sFueller);

// Where CBF is loaded from: the installed orvcbf library next to this one unless a path
// was set (tests point it at a missing file). An empty path restores the default.
void SetCipherLibraryPath(const QString& sPfad);
// Whether CBF could be loaded from the current path.
bool CipherLibraryLoaded();

}  // namespace tolva
