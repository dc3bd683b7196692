// The terminal's progress display and the account rows of the command line.
#include "cli/TerminalArchivForm.h"

#include "archive/AccountRows.h"

#include <unistd.h>
#include <cstdio>

namespace tolva {
namespace {

// Whether stderr's current line holds the bar; there is one stderr, whichever form drew it.
bool bBalkenZeile = false;

}  // namespace

void EndProgressLine() {
    if (!bBalkenZeile) return;
    std::fputc('\n', stderr);
    std::fflush(stderr);
    bBalkenZeile = false;
}

TerminalArchivForm::TerminalArchivForm(QTextStream& out)
    : out_(out), bBalken_(::isatty(STDERR_FILENO) == 1) {}

Status TerminalArchivForm::LoadAccounts(Connection& cn) {
    konten_.clear();
    Result<std::vector<AccountRow>> konten = ReadAccounts(cn);
    if (!konten.ok()) return konten.status();
    for (const AccountRow& k : konten.value()) konten_.push_back({k.lKontoID, k.sBankID});
    return Status::Ok();
}

std::vector<QString> TerminalArchivForm::AccountIds() const {
    std::vector<QString> ids;
    for (const Konto& k : konten_) ids.push_back(QString::number(k.id));
    return ids;
}

void TerminalArchivForm::SetProgressVisible(bool bVis) {
    if (!bVis) ClearBar();
}

void TerminalArchivForm::SetProgress(qint64 fortschritt) {
    if (!bBalken_) return;
    constexpr int kZeichen = 40;
    const int voll =
        static_cast<int>(qBound(qint64{0}, fortschritt * kZeichen / kBreite, qint64{kZeichen}));
    std::fprintf(stderr, "\r[%.*s%*s] %3d %%", voll, "########################################",
                 kZeichen - voll, "", static_cast<int>(fortschritt * 100 / kBreite));
    std::fflush(stderr);
    bBalkenZeile = true;
}

void TerminalArchivForm::AddProgressLine(const QString& sZeile) {
    ClearBar();
    out_ << sZeile << '\n';
    out_.flush();
}

void TerminalArchivForm::ClearBar() {
    if (!bBalkenZeile) return;
    std::fprintf(stderr, "\r%60s\r", "");
    std::fflush(stderr);
    bBalkenZeile = false;
}

}  // namespace tolva
