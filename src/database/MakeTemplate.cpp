// Build tool: writes the keyed, empty archive template with the current schema.
#include "database/Schema.h"

#include <QFile>
#include <QString>

#include <cstdio>

// make-template <path of HbLeer.dat>: made under a temporary name, then renamed over the path.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: make-template <Zieldatei>\n");
        return 2;
    }
    const QString sZiel = QFile::decodeName(argv[1]);
    const QString sNeu = sZiel + QStringLiteral(".neu");
    QFile::remove(sNeu);
    if (const tolva::Status st = tolva::CreateDatabaseFile(sNeu); !st) {
        std::fprintf(stderr, "%s\n", st.description().toLocal8Bit().constData());
        return 1;
    }
    QFile::remove(sZiel);
    if (!QFile::rename(sNeu, sZiel)) {
        std::fprintf(stderr, "Die Vorlage %s konnte nicht geschrieben werden.\n", argv[1]);
        QFile::remove(sNeu);
        return 1;
    }
    return 0;
}
