// modCrypt: scrambles and unscrambles stored texts through the cipher library's CBF entry.
#include "text/ModCrypt.h"

#include "text/CipherLibrary.h"
#include "text/Cp1252.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <limits>

namespace tolva {

namespace {

// Added to the first character's code for scrambling (16-bit) and unscrambling (32-bit);
// bit 16 tells CBF the direction.
constexpr qint16 kScrambleBase = 0x7F00;
constexpr qint32 kUnscrambleBase = 0x10000;

constexpr qsizetype kPasswortLaenge = 16;

}  // namespace

QByteArray CryptText(qint32 lKey, const QByteArray& sText, bool bFlag) {
    const qsizetype lLaenge = (sText.size() + 3) / 4 * 4;
    QByteArray sEin = sText;
    sEin.append(lLaenge - sText.size(), '\0');
    QByteArray sAus = sEin;

    const CipherLibrary::CbfEntry cbf = CipherLibrary::Instance().Cbf();
    if (cbf == nullptr || lLaenge > std::numeric_limits<qint32>::max()) return sAus;
    qint32 lLen = static_cast<qint32>(lLaenge);
    cbf(lKey, sEin.constData(), sAus.data(), &lLen, bFlag ? -1 : 0);
    return sAus.left(qBound<qsizetype>(0, qsizetype(lLen), lLaenge));
}

Result<QByteArray> Encrypt(const QString& sText, bool bFlag) {
    if (sText.isEmpty()) return QByteArray();
    // A character outside the code page counts with its own code, so only characters
    // beyond U+00FF leave the 16-bit range.
    int lCode = Cp1252Code(sText[0]);
    if (lCode < 0) lCode = sText[0].unicode();
    const int lSumme = lCode + kScrambleBase;
    if (lSumme > std::numeric_limits<qint16>::max())
        return Error{
            QCoreApplication::translate("ModCrypt",
                                        "Überlauf: Das erste Zeichen des Textes liegt außerhalb "
                                        "der Codepage Windows-1252.")};
    const qint32 lKey = static_cast<qint16>(lSumme);
    return CryptText(lKey, ToCp1252(sText), bFlag);
}

QString Decrypt(const QByteArray& sText, bool bFlag) {
    if (sText.isEmpty()) return QString();
    const qint32 lKey = static_cast<unsigned char>(sText[0]) + kUnscrambleBase;
    return FromCp1252(CryptText(lKey, sText, bFlag));
}

Result<QString> ReplacePassword(const QString& sAlt, const QString& sNeu) {
    QString sFueller;
    for (qsizetype i = 1; i <= 50 && i <= sAlt.size(); ++i)
        if (i % 3 != 0) sFueller += sAlt[i - 1];
    sFueller += sAlt.right(2);
    QString sPasswort = sNeu;
    return MergePassword(sPasswort, sFueller);
}

Result<QString> MergePassword(QString& sPasswort, const QString& sFueller) {
    if (sPasswort.size() > kPasswortLaenge)
        return Error{QCoreApplication::translate(
            "ModCrypt", "Das Passwort darf höchstens 16 Zeichen lang sein.")};
    sPasswort += QString(kPasswortLaenge - sPasswort.size(), QLatin1Char(' '));

    QString sSatz;
    for (qsizetype i = 1; i <= kPasswortLaenge; ++i) {
        sSatz += sFueller.mid(2 * i - 2, 2);
        sSatz += sPasswort[i - 1];
    }
    sSatz += sFueller.right(4);
    return sSatz;
}

void SetCipherLibraryPath(const QString& sPfad) {
    CipherLibrary::Instance().SetPath(sPfad);
}

bool CipherLibraryLoaded() {
    return CipherLibrary::Instance().Cbf() != nullptr;
}

}  // namespace tolva
