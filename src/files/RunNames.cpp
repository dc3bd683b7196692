// The name check of an archive start.
#include "files/RunNames.h"

#include "files/ArchiveFile.h"
#include "files/ReopenCheck.h"
#include "files/RunFolder.h"

#include <QFileInfo>

#include <utility>
#include <vector>

namespace tolva {
namespace {

using Geschuetzt = std::vector<std::pair<QString, QString>>;  // canonical path, what it is

void Protect(Geschuetzt& liste, const QString& sPfad, const QString& sWas) {
    if (sPfad.isEmpty()) return;
    for (const QString& s : SpellingsOf(sPfad)) liste.emplace_back(s, sWas);
}

Status CheckOne(const QString& sPfad, const Geschuetzt& geschuetzt, const QString& sRolle,
                const QString& sBitte) {
    for (const QString& s : SpellingsOf(sPfad))
        for (const auto& [sName, sWas] : geschuetzt)
            if (s == sName)
                return Status::Fail(sRolle + QStringLiteral(" „") + sPfad +
                                    QStringLiteral("“ ist ") + sWas + QStringLiteral(". ") +
                                    sBitte);
    return Status::Ok();
}

}  // namespace

Status CheckRunNames(const RunNames& namen) {
    if (Status s = CheckPathLength(namen.sZiel, QStringLiteral("Die Archivdatei")); !s.ok())
        return s;
    if (!namen.sSicherung.isEmpty())
        if (Status s = CheckPathLength(namen.sSicherung, QStringLiteral("Die Sicherungsdatei"));
            !s.ok())
            return s;
    Geschuetzt geschuetzt;
    const QString sDb =
        QStringLiteral(" der Benutzer-Datenbank „") + namen.sDatenbank + QStringLiteral("“");
    Protect(geschuetzt, namen.sDatenbank,
            QStringLiteral("die Benutzer-Datenbank „") + namen.sDatenbank + QStringLiteral("“"));
    // SQLite names its side files after the path as it was opened and after the real file.
    const QStringList basen = SpellingsOf(namen.sDatenbank) << namen.sDatenbank;
    for (const QString& sBasis : basen) {
        Protect(geschuetzt, sBasis + QStringLiteral("-journal"),
                QStringLiteral("das Änderungsprotokoll") + sDb);
        Protect(geschuetzt, sBasis + QStringLiteral("-wal"),
                QStringLiteral("das Schreibprotokoll") + sDb);
        Protect(geschuetzt, sBasis + QStringLiteral("-shm"),
                QStringLiteral("der gemeinsame Speicher") + sDb);
    }
    Protect(geschuetzt, namen.sVorlage, QStringLiteral("die Archivvorlage"));

    Geschuetzt fuerZiel = geschuetzt;
    Geschuetzt fuerSicherung = geschuetzt;
    if (!namen.sSicherung.isEmpty()) {
        Protect(fuerZiel, namen.sSicherung, QStringLiteral("die Sicherungsdatei"));
        Protect(fuerZiel, LockFileOf(namen.sSicherung),
                QStringLiteral("die Sperrdatei der Sicherung"));
        Protect(fuerSicherung, namen.sZiel, QStringLiteral("die Archivdatei"));
        Protect(fuerSicherung, LockFileOf(namen.sZiel),
                QStringLiteral("die Sperrdatei des Archivs"));
    }
    if (Status s = CheckOne(namen.sZiel, fuerZiel, QStringLiteral("Die Archivdatei"),
                            QStringLiteral("Bitte wählen Sie einen anderen Dateinamen."));
        !s.ok())
        return s;
    if (namen.sSicherung.isEmpty()) return Status::Ok();
    return CheckOne(namen.sSicherung, fuerSicherung, QStringLiteral("Die Sicherungsdatei"),
                    QStringLiteral("Bitte wählen Sie einen anderen Namen für die Sicherung."));
}

}  // namespace tolva
