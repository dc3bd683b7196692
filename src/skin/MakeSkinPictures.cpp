// Draws the pictures of the shipped skin: window background, tab background, focus marker.
// Run by hand (tolva_make_skin <folder> [tolva_en.qm]); the pictures it writes are kept in
// skin/. With the compiled English translation it draws the background with its English line as
// well (hintergrund_en.png).
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <QTranslator>

namespace {

// The pictures are drawn for 144 dpi (1.5 times the 96-dpi window) and shrink smoothly.
constexpr int kBreite = 1080;
constexpr int kHoehe = 759;
const QColor kNachtblau(0x1b, 0x34, 0x54);
const QColor kTiefblau(0x11, 0x22, 0x37);
const QColor kAkzent(0x4a, 0x90, 0xd9);
const QColor kFlaeche(0xf0, 0xf3, 0xf7);  // the frame's background
// The line under the mark.
const char* const kUntertitel = QT_TRANSLATE_NOOP("MakeSkinPictures", "Archivierung");

void DrawArchiveBox(QPainter& p, const QRectF& r) {
    const QColor linie(0xc9, 0xd8, 0xea);
    p.setPen(QPen(linie, r.width() * 0.06, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const double h = r.height();
    const QRectF deckel(r.left(), r.top(), r.width(), h * 0.28);
    const QRectF kasten(r.left() + r.width() * 0.07, r.top() + h * 0.28, r.width() * 0.86,
                        h * 0.72);
    p.drawRoundedRect(deckel, h * 0.06, h * 0.06);
    p.drawRoundedRect(kasten, h * 0.06, h * 0.06);
    const double y = kasten.top() + kasten.height() * 0.32;
    p.drawLine(QPointF(r.center().x() - r.width() * 0.16, y),
               QPointF(r.center().x() + r.width() * 0.16, y));
}

QImage Background() {
    QImage bild(kBreite, kHoehe, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient verlauf(0, 0, kBreite * 0.35, kHoehe);
    verlauf.setColorAt(0, kNachtblau);
    verlauf.setColorAt(1, kTiefblau);
    p.fillRect(bild.rect(), verlauf);
    QRadialGradient schein(QPointF(0, 0), kHoehe * 0.9);
    schein.setColorAt(0, QColor(0x4a, 0x7f, 0xbf, 70));
    schein.setColorAt(1, QColor(0x4a, 0x7f, 0xbf, 0));
    p.fillRect(bild.rect(), schein);

    // The mark at the foot of the tab column (the column is about 250 pixels wide here).
    const double mitte = 124;
    DrawArchiveBox(p, QRectF(mitte - 26, kHoehe - 178, 52, 44));
    QFont marke(QStringLiteral("DejaVu Sans"));
    marke.setPixelSize(27);
    marke.setBold(true);
    marke.setLetterSpacing(QFont::PercentageSpacing, 104);
    p.setFont(marke);
    p.setPen(QColor(0xee, 0xf3, 0xf9));
    p.drawText(QRectF(0, kHoehe - 122, mitte * 2, 36), Qt::AlignCenter, QStringLiteral("Tolva"));
    QFont zeile(QStringLiteral("DejaVu Sans"));
    zeile.setPixelSize(16);
    p.setFont(zeile);
    p.setPen(QColor(0x9d, 0xb3, 0xcc));
    p.drawText(QRectF(0, kHoehe - 84, mitte * 2, 26), Qt::AlignCenter,
               QCoreApplication::translate("MakeSkinPictures", kUntertitel));
    return bild;
}

QImage TabBackground() {
    QImage bild(262, 300, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    QLinearGradient verlauf(0, 0, 0, bild.height());
    verlauf.setColorAt(0, QColor(255, 255, 255, 20));
    verlauf.setColorAt(1, QColor(255, 255, 255, 12));
    p.fillRect(bild.rect(), verlauf);
    p.fillRect(QRect(0, bild.height() - 3, bild.width(), 3), QColor(255, 255, 255, 34));
    return bild;
}

QImage FocusPicture() {
    QImage bild(374, 66, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    // Rounded on the left; the right end runs under the frame, whose colour it has.
    QPainterPath form;
    const double r = 12;
    form.moveTo(bild.width(), 0);
    form.lineTo(r, 0);
    form.quadTo(0, 0, 0, r);
    form.lineTo(0, bild.height() - r);
    form.quadTo(0, bild.height(), r, bild.height());
    form.lineTo(bild.width(), bild.height());
    form.closeSubpath();
    p.fillPath(form, kFlaeche);
    QPainterPath akzent;
    akzent.addRoundedRect(QRectF(9, 16, 7, bild.height() - 32), 3.5, 3.5);
    p.fillPath(akzent, kAkzent);
    return bild;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString ordner = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    bool ok = Background().save(ordner + QStringLiteral("/hintergrund.png")) &&
              TabBackground().save(ordner + QStringLiteral("/tabs.png")) &&
              FocusPicture().save(ordner + QStringLiteral("/fokus.png"));
    if (ok && argc > 2) {
        QTranslator englisch;
        ok = englisch.load(QString::fromLocal8Bit(argv[2])) &&
             QCoreApplication::installTranslator(&englisch) &&
             Background().save(ordner + QStringLiteral("/hintergrund_en.png"));
    }
    if (!ok)
        QTextStream(stderr) << "tolva_make_skin: die Bilder konnten nicht geschrieben werden\n";
    return ok ? 0 : 1;
}
