// IniHostServices: the default host -- settings in an INI file, boxes through the seam.
#pragma once

#include "hostlib/HostServices.h"

#include <QString>

namespace tolva {

// Settings live in the INI file at iniPath (group "Einstellungen", keys are the numbers).
// A setting that the file does not hold falls back to the defaults a host would have:
// 2 = the shipped skin folder, 3 = the folder of the shipped template HbLeer.dat,
// 10/11/17 = readable colours, 58 = "Tolva". Message boxes go through the installed
// MessageBoxPresenter.
class IniHostServices : public HostServices {
  public:
    explicit IniHostServices(QString iniPath);

    long ShowMessage(const QString& sText, long lStil, const QString& sTitel, bool bFlag = true,
                     long lWert = 0) override;
    QString GetSetting(long lNummer) override;
    void SetSetting(long lNummer, const QString& sWert) override;

    const QString& IniPath() const { return iniPath_; }

    // The INI file of the default host: $TOLVA_SETTINGS, else <user config folder>/tolva/
    // archiv.ini.
    static QString DefaultIniPath();
    // The value a host has for a setting before anyone stored one; empty when none.
    static QString DefaultSetting(long lNummer);
    // The folder with the shipped data files (HbLeer.dat, skin/): $TOLVA_DATA_DIR, else the
    // engine library's folder when they lie there (the build tree), else the installed data
    // folder found relative to it (<datadir>/tolva). Ends with "/".
    static QString DataFolder();

  private:
    QString iniPath_;
};

}  // namespace tolva
