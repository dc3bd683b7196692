// tolva-archiv list: the archives of a folder (or one archive) as the archive page lists them.
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/PasswordInput.h"
#include "text/Language.h"

#include "archive/ArchiveList.h"
#include "browse/ArchiveChecks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <optional>

namespace tolva {
namespace {

// What --verify adds to an archive's entry: its state, checked now.
QJsonObject CheckJson(const ArchivePruefung& p) {
    return QJsonObject{{QStringLiteral("zustand"), QString::fromLatin1(CheckStateName(p.eZustand))},
                       {QStringLiteral("meldung"), CheckText(p)}};
}

}  // namespace

const CommandDefinition& ListDefinition() {
    // The password options as verify reads them, never asked for. Made at the first call, in the
    // language chosen by then.
    static const CommandDefinition definition{
        QStringLiteral("list"),
        QCoreApplication::translate(
            "ListCommand", "Listet die Archive eines Ordners (oder ein Archiv) mit Beschreibung."),
        {{QStringLiteral("json"), QString(),
          QCoreApplication::translate("ListCommand", "gibt die Liste als JSON aus")},
         {QStringLiteral("verify"), QString(),
          QCoreApplication::translate("ListCommand",
                                      "prüft jedes Archiv jetzt gegen sein Siegel (wie verify, "
                                      "mehrere zugleich) und gibt dazu die Spalte „Prüfung“ aus")},
         {QStringLiteral("password"), QStringLiteral("TEXT"),
          QCoreApplication::translate("ListCommand",
                                      "mit --verify: das Passwort, das für jedes Archiv mit "
                                      "Passwort versucht wird; „-“: die erste Zeile der "
                                      "Standardeingabe. Ohne beides sind Archive mit Passwort "
                                      "„nicht geprüft“.")},
         {QStringLiteral("password-file"), QCoreApplication::translate("ListCommand", "DATEI"),
          QCoreApplication::translate("ListCommand", "dasselbe aus der ersten Zeile von DATEI")}},
        QCoreApplication::translate("ListCommand", "ORDNER|ARCHIV"),
        1,
        1};
    return definition;
}

int RunListCommand(const QStringList& args, const CommandStreams& io) {
    int lStatus = 0;
    const std::optional<Arguments> a = ParseCommand(ListDefinition(), args, &lStatus, io);
    if (!a) return lStatus;
    const QFileInfo ziel(a->positionen().front());
    QString sArchivPfad;
    QStringList eintraege;
    if (ziel.isFile()) {
        // One archive: its entry as the folder's list would show it.
        sArchivPfad = ziel.absolutePath() + QLatin1Char('/');
        eintraege << ArchiveEntryText(ziel.fileName(), ziel.lastModified());
    } else if (ziel.isDir()) {
        sArchivPfad = ziel.absoluteFilePath();
        if (!sArchivPfad.endsWith(QLatin1Char('/'))) sArchivPfad += QLatin1Char('/');
        eintraege = ListArchiveEntries(sArchivPfad);
    } else {
        return Fail(io.err, QCoreApplication::translate(
                                "ListCommand", "Der Ordner oder die Datei „%1“ existiert nicht.")
                                .arg(a->positionen().front()));
    }

    const bool bPruefen = a->Flag(QStringLiteral("verify"));
    if (!bPruefen &&
        (a->Has(QStringLiteral("password")) || a->Has(QStringLiteral("password-file"))))
        return RefuseArguments(
            ListDefinition(),
            QCoreApplication::translate("ListCommand",
                                        "--password und --password-file gelten nur mit "
                                        "--verify."),
            io.err);
    // Every archive checked before the first line, on workers of their own.
    std::vector<ArchivePruefung> pruefungen;
    if (bPruefen) {
        const Result<std::optional<QString>> gegeben = GivenPassword(*a);
        if (!gegeben.ok()) return RefusePassword(ListDefinition(), gegeben.error(), io.err);
        QStringList dateien;
        for (const QString& eintrag : eintraege) dateien << sArchivPfad + ArchiveEntryName(eintrag);
        // For --json the checks run in German: their reasons go into the fixed "meldung".
        std::optional<ScopedLanguage> deutsch;
        if (a->Flag(QStringLiteral("json"))) deutsch.emplace(Sprache::Deutsch);
        pruefungen = CheckArchives(dateien, gegeben.value().value_or(QString()));
    }

    QTextStream& out = io.out;
    if (a->Flag(QStringLiteral("json"))) {
        QJsonArray liste;
        for (qsizetype i = 0; i < eintraege.size(); ++i) {
            const QString& eintrag = eintraege[i];
            const QString sPfad = sArchivPfad + ArchiveEntryName(eintrag);
            const ArchiveDescription b = ReadArchiveDescription(sPfad);
            // The fixed German form, whatever language the terminal shows.
            const QFileInfo datei(sPfad);
            const QStringList aZeilen = b.bOhneBeschreibung
                                            ? QStringList{QString::fromUtf8(kKeineBeschreibungText)}
                                            : b.aZeilen;
            QJsonObject archiv{
                {QStringLiteral("datei"), sPfad},
                {QStringLiteral("eintrag"),
                 ArchiveEntryTextGerman(datei.fileName(), datei.lastModified())},
                {QStringLiteral("lesbar"), b.bGeoeffnet},
                {QStringLiteral("beschreibung"), QJsonArray::fromStringList(aZeilen)}};
            if (bPruefen) archiv[QStringLiteral("pruefung")] = CheckJson(pruefungen[size_t(i)]);
            liste.append(archiv);
        }
        out << QJsonDocument(liste).toJson(QJsonDocument::Indented);
        return 0;
    }
    if (eintraege.isEmpty())
        out << QCoreApplication::translate(
                   "ListCommand", "Im gewählten Verzeichnis wurden keine Archiv-Dateien gefunden.")
            << Qt::endl;
    for (qsizetype i = 0; i < eintraege.size(); ++i) {
        const QString& eintrag = eintraege[i];
        out << eintrag;
        if (bPruefen)
            out << '\t'
                << QCoreApplication::translate("ListCommand", "Prüfung: %1")
                       .arg(ShownCheckText(pruefungen[size_t(i)]));
        out << Qt::endl;
        const ArchiveDescription b =
            ReadArchiveDescription(sArchivPfad + ArchiveEntryName(eintrag));
        if (!b.bGeoeffnet) {
            out << "    " << QCoreApplication::translate("ArchiveList", kOeffnenFehlerText)
                << Qt::endl;
            continue;
        }
        for (const QString& zeile : b.aZeilen) out << "    " << zeile << Qt::endl;
    }
    return 0;
}

}  // namespace tolva
