// Parsing of the command line's options.
#include "Arguments.h"

namespace tolva {

Result<Arguments> ParseArguments(const QStringList& args, const QStringList& mitWert,
                                 const QStringList& schalter) {
    Arguments a;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QStringLiteral("--")) || arg == QStringLiteral("--")) {
            a.positionen << arg;
            continue;
        }
        QString name = arg.mid(2);
        QString wert;
        bool hatWert = false;
        if (const qsizetype gleich = name.indexOf(QLatin1Char('=')); gleich >= 0) {
            wert = name.mid(gleich + 1);
            name = name.left(gleich);
            hatWert = true;
        }
        if (mitWert.contains(name)) {
            if (!hatWert) {
                if (i + 1 >= args.size())
                    return Error{QStringLiteral("Die Option --") + name +
                                 QStringLiteral(" braucht einen Wert.")};
                wert = args[++i];
            }
            a.werte.insert(name, wert);
        } else if (schalter.contains(name) && !hatWert) {
            a.schalter.insert(name);
        } else {
            return Error{QStringLiteral("Unbekannte Option: ") + arg};
        }
    }
    return a;
}

}  // namespace tolva
