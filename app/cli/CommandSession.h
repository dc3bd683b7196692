// Prepares the shared state as the wizard's pages leave it before a start: the user database
// open, the account rows, the ticks, the cut-off date and the survey.
#pragma once

#include "cli/Arguments.h"
#include "cli/TerminalArchivForm.h"
#include "common/Result.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tolva {

class CommandSession {
  public:
    // The run's progress lines go to out, which must outlive the session.
    explicit CommandSession(QTextStream& out);
    // Releases the connection and the helpers, as Archiv does when the window has closed.
    ~CommandSession();

    // Opens the user database and reads its accounts. Precondition: not yet opened.
    Status Open(const QString& sDatenbank);

    // Ticks the given accounts (all when none are given), sets the cut-off date and runs the
    // survey. Fails for an id that is no account of the database.
    Status RunSurvey(const QDate& dStichtag, const std::optional<std::vector<QString>>& konten);

    TerminalArchivForm& Form() { return form_; }

  private:
    TerminalArchivForm form_;
};

// The cut-off date (--before) and the ticked accounts (--accounts; all when not given).
struct SurveyChoice {
    QDate dStichtag;
    std::optional<std::vector<QString>> konten;
};
Result<SurveyChoice> ParseSurveyChoice(const Arguments& a);

// Parses "3,7,12" (an id given twice counts once); fails with a message in the language shown.
Result<std::vector<QString>> ParseAccountList(const QString& sText);

}  // namespace tolva
