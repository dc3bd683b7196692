// BrowseFile: an archive or a user database, opened strictly read-only for looking inside.
#pragma once

#include "common/Result.h"

#include <QDate>
#include <QString>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;

namespace tolva {

struct BookingSums;
struct BookingIds;

// One account of the file with what the file holds of it.
struct BrowseAccount {
    qint64 lKontoID = 0;
    // The unscrambled name, else the number, else UnknownAccountLabel (no row: bKontozeile is
    // false), in the language shown.
    QString sKonto;
    QString sBank;            // the bank's name; empty when unknown
    bool bKontozeile = true;  // false: rows refer to an account that the file has no row for
    qint64 lBuchungen = 0;
    QDate dErste;  // first and last booking date (invalid when it has no bookings)
    QDate dLetzte;
    qint64 lSummeCent = 0;  // the sum of its bookings' amounts
    qint64 lAuftraege = 0;
    qint64 lSammel = 0;
};

// The columns bookings can be sorted by. Datum sorts by the stored date, Konto by the
// account's id and within it by date, Betrag by the amount, Empfaenger and Zweck by the
// text as FoldForSearch folds it (so "Ärzte" sorts among the A's).
enum class BookingColumn { Datum, Konto, Betrag, Empfaenger, Zweck };

// Which bookings to show; every part is optional. Text matches payee or purpose as a part,
// ignoring case and accents ("muller" finds "Müller", "STRASSE" finds "Straße"); a text that
// folds to nothing lets every booking through.
struct BookingFilter {
    std::optional<qint64> lKontoID;
    QDate dVon;  // inclusive; invalid: open
    QDate dBis;  // inclusive; invalid: open
    QString sText;
    std::optional<qint64> lBetragVonCent;  // inclusive
    std::optional<qint64> lBetragBisCent;  // inclusive
    BookingColumn eSortierung = BookingColumn::Datum;
    bool bAbsteigend = false;
};

struct BookingRow {
    qint64 id = 0;
    qint64 lKontoID = 0;
    QString sDatum;  // JJJJ-MM-TT as stored
    qint64 lBetragCent = 0;
    QString sEmpfaenger;
    QString sZweck;
    QString sValuta;          // the value date as stored (JJJJ-MM-TT); empty when none
    QString sBuchungsID;      // the bank's id of the booking, as stored
    qint64 lKategorieID = 0;  // 0: none (NULL)
};

struct BookingTotals {
    qint64 lAnzahl = 0;
    qint64 lSummeCent = 0;
};

// The bookings a list view loads at a time.
inline constexpr qint64 kListenStueck = 200;

// The start of a list: the count and sum of what its filter lets through, and its first rows.
struct BookingScreen {
    BookingTotals summe;
    std::vector<BookingRow> zeilen;
};

// A sent order (Aufträge).
struct OrderRow {
    qint64 id = 0;
    qint64 lKontoID = 0;
    qint64 lStatus = 0;
    QString sDatum;
    qint64 lBetragCent = 0;
    QString sEmpfaenger;
    QString sZweck;
};

// A collective order with the count and sum of its items in the file.
struct CollectiveRow {
    qint64 id = 0;
    qint64 lKontoID = 0;
    qint64 lStatus = 0;
    QString sDatum;
    QString sAusfuehrung;  // the unscrambled execution date; empty when none
    QString sBezeichnung;
    qint64 lPosten = 0;
    qint64 lSummeCent = 0;
};

// Error codes of Open besides the sqlite3 result codes.
inline constexpr int kCodePasswortFehlt = -5;   // the file has a password, none was given
inline constexpr int kCodePasswortFalsch = -6;  // the given password is not the file's

// A file opened for reading only (SQLITE_OPEN_READONLY, never "immutable"): its bytes and time
// stamps stay as they are. Single-threaded; owns its connection.
class BrowseFile {
  public:
    // Opens sPfad. Fails with a message (in the language shown) that names the file when it is
    // missing, no keyed database of ours, was not completely written (a hot journal beside it: a
    // run that died while writing; it is not read half-written), or holds a password (an archive
    // made "mit neuem Passwort" or "mit bestehendem Passwort") and sPasswort is not that password.
    // The message for a missing password says so ("... ist mit einem Passwort geschützt ..."),
    // so that a caller can ask for it; PasswordNeeded tells it apart (kCodePasswortFehlt,
    // kCodePasswortFalsch). The live database is opened with bPasswortPruefen false: its
    // password is the host's to ask. A file locked by a writer is waited for up to 1.5 s.
    // With pAbbruch another thread can stop the file's work: once *pAbbruch is true, the
    // opening, the wait for a lock and every statement (looked at every few thousand steps)
    // fail with SQLITE_INTERRUPT or SQLITE_BUSY; the flag must outlive the file. A failure
    // leaves nothing open.
    static Result<std::unique_ptr<BrowseFile>> Open(const QString& sPfad,
                                                    const QString& sPasswort = QString(),
                                                    bool bPasswortPruefen = true,
                                                    const std::atomic<bool>* pAbbruch = nullptr);
    // Whether an Open failure was only the missing or wrong password.
    static bool PasswordNeeded(const Error& fehler);
    ~BrowseFile();

    const QString& Path() const { return sPfad_; }
    // Whether the file was opened as an archive (bPasswortPruefen), not as the live database.
    bool IsArchive() const { return bArchiv_; }
    // The file's read-only connection, for a check that reads the whole file (ArchiveCheck);
    // it stays the file's own.
    sqlite3* Handle() const { return db_; }

    // Stops the running statement at once (sqlite3_interrupt). The one call that another
    // thread may make while the file is in use; that it is not closed meanwhile is the
    // caller's to ensure.
    void Interrupt();

    // Every account that has a row or that bookings, orders or collective orders refer to,
    // in the order of their ids; bookings without an account (KontoID NULL) count for none.
    // Reads every booking once for the sums, a large table in two halves on two threads (the
    // second on a read-only connection of its own; on 1,000,000 bookings about 0.2 s), and
    // keeps the sums for Totals.
    Result<std::vector<BrowseAccount>> Accounts();
    // Only the labels, as Accounts gives them, of the accounts that have a row (cheap).
    Result<std::map<qint64, QString>> AccountLabels();
    // Per account that has a row: its number once unscrambled, else its IBAN; accounts with
    // neither are left out.
    Result<std::map<qint64, QString>> AccountNumbers();
    // Per category: the names from the top category down to it, joined by " / " ("Mobilität /
    // Auto / Tanken"). A ParentID of 0, NULL or one that is no category ends the path, and so
    // does a category met twice on it.
    Result<std::map<qint64, QString>> CategoryPaths();

    // Starts a list anew (a list view's refresh: a new filter or order, or the same again).
    // Forgets the ids kept for an earlier list and reads, in one read transaction, the count
    // and sum of what the filter lets through and its first lAnzahl rows (lAnzahl < 0: all).
    // A list that KeepsIds (a text or amount bound, or an order by amount, payee or purpose)
    // keeps its ids from that same transaction: until the next Start, Bookings and Totals of
    // the same filter answer from them whatever other connections change in the file
    // meanwhile. A booking deleted since is left out of later pieces, one added since shows
    // after the next Start; count and sum stay those of the ids. Sorting the ids reads every
    // booking that account and dates leave once and sorts in memory (on 1,000,000 bookings
    // about 0.5 s by amount, 0.8 s by payee, 1.2 s by purpose); every further piece then
    // costs lAnzahl reads by id (about 2 ms for 200).
    Result<BookingScreen> Start(const BookingFilter& filter, qint64 lAnzahl);
    // The bookings that the filter lets through, sorted, lAnzahl of them from lAb on (for
    // loading a long list piece by piece; ties are broken by id, in the sort's direction).
    // lAnzahl < 0: all from lAb on. A list that KeepsIds reads a piece of up to 10,000 by its
    // kept ids (kept by Start, or now by a pass of their own when another filter's are kept);
    // a piece may then hold fewer rows, when bookings were deleted since the ids were taken.
    // Date order without text or amount bounds walks the account index and costs about lAb +
    // lAnzahl index steps, whatever the file's size (so does account order); it reads the
    // file as it is now.
    Result<std::vector<BookingRow>> Bookings(const BookingFilter& filter, qint64 lAb,
                                             qint64 lAnzahl);
    // Hands every booking that the filter lets through, sorted, to pEmpfang one at a time
    // (for exports too long to hold), as the file is now. A failure of pEmpfang ends the walk
    // and is returned.
    Status EachBooking(const BookingFilter& filter,
                       const std::function<Status(const BookingRow&)>& pEmpfang);
    // How many bookings the filter lets through, and their sum: those of the kept ids when
    // they are the same filter's, else from what Accounts kept while no other connection has
    // changed the file (PRAGMA data_version), else by reading the bookings (a text or amount
    // bound then keeps the ids as Bookings does).
    Result<BookingTotals> Totals(const BookingFilter& filter);

    // Sent orders and collective orders, of one account or all, in date order.
    Result<std::vector<OrderRow>> Orders(std::optional<qint64> lKontoID = std::nullopt);
    Result<std::vector<CollectiveRow>> CollectiveOrders(
        std::optional<qint64> lKontoID = std::nullopt);

    BrowseFile(const BrowseFile&) = delete;
    BrowseFile& operator=(const BrowseFile&) = delete;

  private:
    BrowseFile(QString sPfad, sqlite3* db, bool bArchiv);
    using RowSink = std::function<Status(const BookingRow&)>;
    // lAnzahl < 0: all. The ways Bookings goes: the kept ids of a list that KeepsIds,
    // merging the accounts' index ranges, and one statement with LIMIT/OFFSET.
    Status Each(const BookingFilter& filter, qint64 lAb, qint64 lAnzahl, const RowSink& sink);
    Status EachMerged(const BookingFilter& filter, qint64 lAb, qint64 lAnzahl, const RowSink& sink);
    Status EachSelected(const BookingFilter& filter, qint64 lAb, qint64 lAnzahl,
                        const RowSink& sink);
    std::optional<qint64> DataVersion();
    // The ids of a list that KeepsIds, as kept (in the filter's order when bMitOrdnung) or
    // from a new pass, which the caller holds in a read transaction with what it reads next.
    Result<const BookingIds*> KeptIds(const BookingFilter& filter, bool bMitOrdnung = true);
    // Totals from the kept sums, when the filter asks for no more than an account.
    std::optional<BookingTotals> KnownTotals(const BookingFilter& filter);

    QString sPfad_;
    sqlite3* db_ = nullptr;
    bool bArchiv_ = true;
    // Per account the count and sum of its bookings, from Accounts' pass over them, kept
    // while no other connection has changed the file (PRAGMA data_version).
    std::unique_ptr<BookingSums> summen_;
    std::unique_ptr<BookingIds> liste_;  // the ids of the last list that KeepsIds
    // Where the last piece in date order over all accounts ended: the next piece of the same
    // list goes on from there through the index instead of walking it from the start.
    struct MergeEnd {
        BookingFilter filter;
        qint64 lPos = 0;  // the position after the last row handed out
        std::string sDatum;
        qint64 id = 0;
    };
    std::optional<MergeEnd> mergeEnde_;
};

// The label of an account that the file has no row for, in the language shown: "Konto <id>".
QString UnknownAccountLabel(qint64 lKontoID);
// The same label in the fixed German that the CSV and --json write, whatever the language shown.
QString UnknownAccountLabelGerman(qint64 lKontoID);

// Folds a text for searching: lower case, accents and umlauts to their base letter, "ß" to
// "ss". The same function is registered in SQL as tolva_falte(text).
QString FoldForSearch(const QString& sText);

}  // namespace tolva
