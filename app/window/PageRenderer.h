// Pictures of the wizard's pages, made offscreen by driving both jobs.
#pragma once

#include "common/Result.h"

#include <QString>

#include <functional>

class QWidget;

namespace tolva {

// Writes page-1.png ... page-6.png, page-5-done.png (page 5 when a finished run reports),
// browser.png (the new archive in the browser), browser-search.png (a search in it),
// search-everywhere.png (the same text searched in the copy and every archive of its folder)
// and restore.png (the archive's rows put back, when the restore finished) into sOrdner (made
// when missing). Works on a copy of sDatenbank in a temporary folder, so the database itself
// is never changed; the create job runs there with a new password and with removal, its
// archive is then listed on page 6 and restored into the copy. Message boxes are answered with
// their default button and none is shown. Uses Qt's offscreen platform when it makes the
// application itself. Afterwards the default host services, message boxes and file dialogs are
// installed again. Call it with no application object or with a QApplication.
// beobachter, when given, sees each window just before its picture is taken (a test reads what
// the window shows then).
using PageObserver = std::function<void(const QString& sBild, QWidget& fenster)>;
Status RenderPages(const QString& sDatenbank, const QString& sOrdner,
                   const PageObserver& beobachter = {});

}  // namespace tolva
