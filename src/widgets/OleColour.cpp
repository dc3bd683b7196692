// Conversion of OLE colour numbers.
#include "widgets/OleColour.h"

#include <QGuiApplication>
#include <QPalette>

namespace tolva {

QColor OleColour(qint64 lFarbe) {
    const quint32 wert = static_cast<quint32>(lFarbe);
    if (wert & 0x80000000u) {
        const QPalette palette = QGuiApplication::palette();
        switch (wert & 0xFF) {
            case 5:
                return palette.color(QPalette::Base);  // window background
            case 8:
                return palette.color(QPalette::Text);  // window text
            case 13:
                return palette.color(QPalette::Highlight);
            case 14:
                return palette.color(QPalette::HighlightedText);
            case 15:
                return palette.color(QPalette::Button);  // button face
            case 18:
                return palette.color(QPalette::ButtonText);
            default:
                return palette.color(QPalette::Window);
        }
    }
    return QColor(wert & 0xFF, (wert >> 8) & 0xFF, (wert >> 16) & 0xFF);
}

bool ParseOleColour(const QString& sText, qint64& lFarbe) {
    bool ok = false;
    const qint64 wert = sText.trimmed().toLongLong(&ok);
    if (!ok) return false;
    lFarbe = wert;
    return true;
}

}  // namespace tolva
