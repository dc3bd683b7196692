// The C entry points of the component over the class HbArchiv.
#include "component/hbarchiv.h"

#include "component/HbArchiv.h"

#include <QByteArray>
#include <QImage>

#include <cstring>
#include <new>

struct hbarchiv {
    tolva::HbArchiv objekt;
};

extern "C" {

hbarchiv* hbarchiv_create(void) {
    return new (std::nothrow) hbarchiv;
}

int hbarchiv_icon(hbarchiv* objekt, const char* bilddatei) {
    if (!objekt) return 0;
    try {
        QImage bild;
        const bool ok = bilddatei && bild.load(QString::fromUtf8(bilddatei));
        objekt->objekt.Icon(ok ? bild : QImage());
        return ok ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

int hbarchiv_archiv(hbarchiv* objekt, char* dateiname, size_t groesse) {
    if (!objekt || !dateiname || groesse == 0) return 0;
    try {
        const size_t laenge = strnlen(dateiname, groesse);
        QString sDateiname = QString::fromUtf8(dateiname, static_cast<qsizetype>(laenge));
        if (!objekt->objekt.Archiv(sDateiname)) return 0;
        const QByteArray pfad = sDateiname.toUtf8();
        if (static_cast<size_t>(pfad.size()) + 1 > groesse) return 0;
        std::memcpy(dateiname, pfad.constData(), static_cast<size_t>(pfad.size()) + 1);
        return 1;
    } catch (...) {
        return 0;
    }
}

void hbarchiv_release(hbarchiv* objekt) {
    delete objekt;
}

}  // extern "C"
