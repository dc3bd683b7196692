// Build tool: writes the keyed, empty archive template with the current schema.
#include "files/ArchiveFile.h"
#include "files/DatabaseFile.h"
#include "files/FileSystem.h"

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
    const QByteArray neu = QFile::encodeName(sNeu);
    tolva::Files().Remove(neu.constData());  // what an interrupted build left
    if (const tolva::Status st = tolva::CreateDatabaseFile(sNeu); !st) {
        std::fprintf(stderr, "%s\n", st.description().toLocal8Bit().constData());
        return 1;
    }
    if (const tolva::Status st = tolva::RenameFile(sNeu, sZiel); !st) {
        std::fprintf(stderr, "%s\n", st.description().toLocal8Bit().constData());
        tolva::Files().Remove(neu.constData());
        return 1;
    }
    return 0;
}
