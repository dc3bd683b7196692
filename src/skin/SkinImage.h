// SkinImage: a picture control of the skin (imBackground, imButtons, imFocus).
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace tolva {

// Paints its picture stretched to its own size, smoothly; paints nothing without one. A
// graphical control: it lies below the windowed controls of its parent.
class SkinImage : public QWidget {
    Q_OBJECT
  public:
    explicit SkinImage(const QString& name, QWidget* parent);

    // Loads the picture from a file; an empty name clears it. Returns false, keeping the
    // picture empty, when the file cannot be read as a picture.
    bool LoadPicture(const QString& sDatei);
    const QPixmap& Picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture_;
};

}  // namespace tolva
