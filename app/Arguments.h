// A small parser for "--name value" options, "--flag" switches and positional arguments.
#pragma once

#include "common/Result.h"

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

namespace tolva {

struct Arguments {
    QMap<QString, QString> werte;  // options with a value, without the leading "--"
    QSet<QString> schalter;        // switches given
    QStringList positionen;        // everything else, in order

    bool Has(const QString& name) const { return werte.contains(name); }
    QString Value(const QString& name) const { return werte.value(name); }
    bool Flag(const QString& name) const { return schalter.contains(name); }
};

// Options named in mitWert take the next argument (or "--name=value"); those in schalter take
// none. Anything else starting with "--" is refused with a German message.
Result<Arguments> ParseArguments(const QStringList& args, const QStringList& mitWert,
                                 const QStringList& schalter);

}  // namespace tolva
