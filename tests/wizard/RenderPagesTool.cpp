// Writes pictures of the wizard's pages for a demo database (for looking at the window).
// wizard_render_pages <folder> [database]: without a database a small demo one is made.
#include "demo/DemoDatabase.h"
#include "wizard/PageRenderer.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char** argv) {
    if (argc < 2) {
        QTextStream(stderr) << "Aufruf: wizard_render_pages <Ordner> [Datenbank]\n";
        return 2;
    }
    const QString ordner = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir arbeit;
    QString datenbank = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (datenbank.isEmpty()) {
        tolva::DemoOptions options;
        options.sPfad = arbeit.filePath(QStringLiteral("Bank.dat"));
        options.lKonten = 5;
        options.lBanken = 3;
        options.lBuchungen = 3000;
        if (auto made = tolva::MakeDemoDatabase(options); !made.ok()) {
            QTextStream(stderr) << made.error().description << '\n';
            return 1;
        }
        datenbank = options.sPfad;
    }
    const tolva::Status status = tolva::RenderPages(datenbank, ordner);
    if (!status.ok()) {
        QTextStream(stderr) << status.description() << '\n';
        return 1;
    }
    return 0;
}
