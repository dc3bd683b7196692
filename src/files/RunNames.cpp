// The name check of an archive start.
#include "files/RunNames.h"

#include "files/ArchiveFile.h"
#include "files/ReopenCheck.h"
#include "files/RunFolder.h"

#include <QCoreApplication>
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
                return Status::Fail(QCoreApplication::translate("RunNames", "%1 „%2“ ist %3. %4")
                                        .arg(sRolle, sPfad, sWas, sBitte));
    return Status::Ok();
}

}  // namespace

Status CheckRunNames(const RunNames& namen) {
    const QString sArchivDatei = QCoreApplication::translate("RunNames", "Die Archivdatei");
    const QString sSicherungsDatei = QCoreApplication::translate("RunNames", "Die Sicherungsdatei");
    if (Status s = CheckPathLength(namen.sZiel, sArchivDatei); !s.ok()) return s;
    if (!namen.sSicherung.isEmpty())
        if (Status s = CheckPathLength(namen.sSicherung, sSicherungsDatei); !s.ok()) return s;
    Geschuetzt geschuetzt;
    Protect(geschuetzt, namen.sDatenbank,
            QCoreApplication::translate("RunNames", "die Benutzer-Datenbank „%1“")
                .arg(namen.sDatenbank));
    // SQLite names its side files after the path as it was opened and after the real file.
    const QStringList basen = SpellingsOf(namen.sDatenbank) << namen.sDatenbank;
    for (const QString& sBasis : basen) {
        Protect(geschuetzt, sBasis + QStringLiteral("-journal"),
                QCoreApplication::translate("RunNames",
                                            "das Änderungsprotokoll der Benutzer-Datenbank „%1“")
                    .arg(namen.sDatenbank));
        Protect(geschuetzt, sBasis + QStringLiteral("-wal"),
                QCoreApplication::translate("RunNames",
                                            "das Schreibprotokoll der Benutzer-Datenbank „%1“")
                    .arg(namen.sDatenbank));
        Protect(geschuetzt, sBasis + QStringLiteral("-shm"),
                QCoreApplication::translate("RunNames",
                                            "der gemeinsame Speicher der Benutzer-Datenbank „%1“")
                    .arg(namen.sDatenbank));
    }
    Protect(geschuetzt, namen.sVorlage,
            QCoreApplication::translate("RunNames", "die Archivvorlage"));

    Geschuetzt fuerZiel = geschuetzt;
    Geschuetzt fuerSicherung = geschuetzt;
    if (!namen.sSicherung.isEmpty()) {
        Protect(fuerZiel, namen.sSicherung,
                QCoreApplication::translate("RunNames", "die Sicherungsdatei"));
        Protect(fuerZiel, LockFileOf(namen.sSicherung),
                QCoreApplication::translate("RunNames", "die Sperrdatei der Sicherung"));
        Protect(fuerSicherung, namen.sZiel,
                QCoreApplication::translate("RunNames", "die Archivdatei"));
        Protect(fuerSicherung, LockFileOf(namen.sZiel),
                QCoreApplication::translate("RunNames", "die Sperrdatei des Archivs"));
    }
    if (Status s = CheckOne(
            namen.sZiel, fuerZiel, sArchivDatei,
            QCoreApplication::translate("RunNames", "Bitte wählen Sie einen anderen Dateinamen."));
        !s.ok())
        return s;
    if (namen.sSicherung.isEmpty()) return Status::Ok();
    return CheckOne(namen.sSicherung, fuerSicherung, sSicherungsDatei,
                    QCoreApplication::translate(
                        "RunNames", "Bitte wählen Sie einen anderen Namen für die Sicherung."));
}

}  // namespace tolva
