// HostServices: the host's settings by number and its modal message box.
#pragma once

#include <QString>

#include <memory>

namespace tolva {

// Host settings the component reads or writes.
// Settings that name a folder are read with FolderSetting: the trailing "/" may be missing.
inline constexpr long kSettingSkinPfad = 2;           // folder of "Assistent.atp"
inline constexpr long kSettingVorlagenPfad = 3;       // folder of HbLeer.dat
inline constexpr long kSettingBasisPfad = 4;          // host base folder; "backup/" below it
inline constexpr long kSettingHintergrundFarbe = 10;  // OLE colour, decimal text
inline constexpr long kSettingFortschrittFarbe = 11;  // OLE colour, decimal text
inline constexpr long kSettingTextFarbe = 17;         // OLE colour, decimal text
inline constexpr long kSettingProduktTitel = 58;
inline constexpr long kSettingLetzteSicherung = 111;
inline constexpr long kSettingArchivPfad = 601;  // archive folder
inline constexpr long kSettingBildHintergrund = 1001;
inline constexpr long kSettingBildTabs = 1002;
inline constexpr long kSettingBildFokus = 1003;

// The operations of the host library's global-functions object. A host installs its own
// implementation with InstallHostServices; otherwise the default one (IniHostServices) serves.
class HostServices {
  public:
    virtual ~HostServices() = default;
    // Modal message box; returns the pressed button (6 = Yes, 7 = No, 1 = OK).
    virtual long ShowMessage(const QString& sText, long lStil, const QString& sTitel,
                             bool bFlag = true, long lWert = 0) = 0;
    // The setting's text; empty when not set.
    virtual QString GetSetting(long lNummer) = 0;
    // Stores a setting so that later GetSetting calls (also in later processes) return it.
    virtual void SetSetting(long lNummer, const QString& sWert) = 0;
};

// The process-wide instance: the installed one, else a default IniHostServices made on first
// use. Passing null to InstallHostServices returns to the default.
HostServices& Host();
void InstallHostServices(std::shared_ptr<HostServices> services);

// A setting that names a folder, ending with "/" (a value without one is read as that
// folder); empty when the setting is not set.
QString FolderSetting(long lNummer);

}  // namespace tolva
