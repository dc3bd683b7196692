// HbArchiv: the component's class -- the host calls Archiv with its banking database.
#pragma once

#include <QImage>
#include <QString>

namespace tolva {

// The host makes one object, may hand it a picture through Icon and calls Archiv. All state
// lives in the shared state (component/SharedState.h); the object itself keeps only the
// picture. Single-threaded: call on the thread that owns (or will own) the QApplication.
class HbArchiv {
  public:
    HbArchiv() = default;

    // Keeps the host's picture (the wizard does not show it).
    void Icon(const QImage& newIcon) { oIcon_ = newIcon; }
    const QImage& IconPicture() const { return oIcon_; }

    // Shows the wizard modally for the database sDateiname (full path) and returns when it
    // has closed. True when the user chose an archive to view: sDateiname then holds that
    // archive's full path. False otherwise (also after creating an archive); sDateiname is
    // left as it was. Never throws. When the host has no QApplication, one is made for the
    // call; a host with a real screen and no message-box presenter of its own gets Qt's
    // message boxes for the call.
    bool Archiv(QString& sDateiname);

    // Reads settings 2, 10 and 17 into the shared state; a setting that cannot be read or
    // converted leaves its value as it was. Archiv calls it before it opens the window.
    static void LadeEinstellungen();

  private:
    QImage oIcon_;
};

}  // namespace tolva
