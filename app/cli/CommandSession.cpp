// The command line's preparation of the shared state.
#include "cli/CommandSession.h"

#include "database/ConnectionText.h"
#include "hostlib/HostTools.h"
#include "state/SharedState.h"
#include "survey/Survey.h"

#include <QCoreApplication>

#include <algorithm>

namespace tolva {

CommandSession::CommandSession(QTextStream& out) : form_(out) {
    SharedState& g = Shared();
    g.oArchivForm = &form_;
    g.oTools = CreateHostTools();
}

CommandSession::~CommandSession() {
    SharedState& g = Shared();
    g.oArchivForm = nullptr;
    g.cnDatenbank.reset();
    g.oTools.reset();
}

Status CommandSession::Open(const QString& sDatenbank) {
    SharedState& g = Shared();
    g.sDatenbank = sDatenbank;
    g.cnDatenbank = std::make_unique<Connection>();
    if (Status s = g.cnDatenbank->Open(BuildConnectionText(sDatenbank), QString(), QString(), -1);
        !s.ok())
        return s;
    if (Status s = form_.LoadAccounts(*g.cnDatenbank); !s.ok()) return s;
    if (form_.AccountRowCount() == 0)
        return Status::Fail(
            QCoreApplication::translate("CommandSession", "Sie haben keine Konten eingerichtet."));
    return Status::Ok();
}

Status CommandSession::RunSurvey(const QDate& dStichtag,
                                 const std::optional<std::vector<QString>>& konten) {
    SharedState& g = Shared();
    const std::vector<QString> alle = form_.AccountIds();
    if (konten) {
        for (const QString& id : *konten)
            if (std::find(alle.begin(), alle.end(), id) == alle.end())
                return Status::Fail(
                    QCoreApplication::translate("CommandSession",
                                                "Das Konto %1 gibt es in dieser Datenbank nicht.")
                        .arg(id));
        g.aKontenAuswahl = *konten;
    } else {
        g.aKontenAuswahl = alle;
    }
    g.lAuswahlAnzahl = static_cast<qint64>(g.aKontenAuswahl.size());
    g.dStichtag = dStichtag;
    // Unlike the wizard, the command line says when a count cannot run.
    Result<Survey> survey =
        tolva::RunSurvey(*g.cnDatenbank, *g.oTools, g.aKontenAuswahl, dStichtag,
                         [](qint64 id) { return GetAccountBank(QString::number(id)); });
    if (!survey.ok()) return survey.status();
    Survey s = std::move(survey).value();
    g.aKontenMitDaten = std::move(s.aKontenMitDaten);
    g.aAnzahlDaten = std::move(s.aAnzahlDaten);
    g.aUmsaetzeGezaehlt = std::move(s.aUmsaetzeGezaehlt);
    g.dUmsaetzeGezaehlt = s.dStichtag;
    g.aInstitute = std::move(s.aInstitute);
    return Status::Ok();
}

Result<SurveyChoice> ParseSurveyChoice(const Arguments& a) {
    Result<QDate> stichtag = ParseDate(a.Value(QStringLiteral("before")));
    if (!stichtag.ok()) return stichtag.error();
    SurveyChoice auswahl{stichtag.value(), std::nullopt};
    if (a.Has(QStringLiteral("accounts"))) {
        Result<std::vector<QString>> ids = ParseAccountList(a.Value(QStringLiteral("accounts")));
        if (!ids.ok()) return ids.error();
        auswahl.konten = ids.value();
    }
    return auswahl;
}

Result<std::vector<QString>> ParseAccountList(const QString& sText) {
    std::vector<QString> ids;
    for (const QString& teil : sText.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const qint64 id = teil.trimmed().toLongLong(&ok);
        if (!ok)
            return Error{QCoreApplication::translate("CommandSession",
                                                     "Ungültige Konto-Nummer \"%1\" in --accounts.")
                             .arg(teil.trimmed())};
        // An account named twice is ticked once.
        const QString sId = QString::number(id);
        if (std::find(ids.begin(), ids.end(), sId) == ids.end()) ids.push_back(sId);
    }
    if (ids.empty())
        return Error{QCoreApplication::translate("CommandSession", "--accounts nennt kein Konto.")};
    return ids;
}

}  // namespace tolva
