// A label with an exact caption and a readable, wrapping display of it.
#include "wizard/CaptionLabel.h"

namespace tolva {

CaptionLabel::CaptionLabel(const QString& name, const QString& sCaption, QWidget* parent,
                           bool bPfad)
    : QLabel(parent), pfad_(bPfad) {
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    SetCaption(sCaption);
}

void CaptionLabel::SetCaption(const QString& sCaption) {
    caption_ = sCaption;
    QString anzeige = sCaption;
    anzeige.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (pfad_) anzeige.replace(QLatin1Char('/'), QStringLiteral("/\u200b"));
    setText(anzeige);
}

}  // namespace tolva
