// A whole file written beside its name and renamed over it.
#include "files/SaveFile.h"

#include <QSaveFile>

namespace tolva {

Status WriteWholeFile(const QString& sZiel, const std::function<Status(QIODevice&)>& schreiben) {
    QSaveFile datei(sZiel);
    const auto fehler = [&] {
        return Status::Fail(QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                                .arg(sZiel, datei.errorString()));
    };
    if (!datei.open(QIODevice::WriteOnly)) return fehler();
    if (Status st = schreiben(datei); !st) return st;
    if (!datei.commit()) return fehler();
    return Status::Ok();
}

}  // namespace tolva
