// SealCheck: one archive's check on a worker thread, cancelled when its window goes.
#include "browser/SealCheck.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace tolva {

SealCheck::SealCheck(QObject* parent) : QObject(parent) {}

SealCheck::~SealCheck() {
    Stop();
}

void SealCheck::Start(const QString& sPfad, const QString& sPasswort) {
    Stop();
    bAbbruch_.store(false);
    arbeiter_ = std::thread([this, lLauf = lLauf_, sPfad, sPasswort] {
        ArchivePruefung pruefung = CheckArchive(sPfad, sPasswort, &bAbbruch_);
        // Queued to the object's thread; a check stopped meanwhile is dropped there, and
        // nothing is delivered once the object is gone.
        QMetaObject::invokeMethod(
            this, [this, lLauf, pruefung = std::move(pruefung)] { Arrived(lLauf, pruefung); },
            Qt::QueuedConnection);
    });
}

void SealCheck::Stop() {
    ++lLauf_;
    bAbbruch_.store(true);
    if (arbeiter_.joinable()) arbeiter_.join();
}

void SealCheck::Arrived(int lLauf, const ArchivePruefung& pruefung) {
    if (lLauf != lLauf_) return;
    if (arbeiter_.joinable()) arbeiter_.join();
    emit Checked(pruefung);
}

bool SealCheck::WaitUntilDone(int lMs) {
    const QDeadlineTimer frist(lMs);
    while (Busy() && !frist.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return !Busy();
}

}  // namespace tolva
