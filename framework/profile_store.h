// Inside the layer: where the application's profile lives. With a registry key the
// profile is the QSettings store of organisation <key>, application <profile name>:
// on Linux the INI file $XDG_CONFIG_HOME/<key>/<profile name>.conf, on Windows the
// registry key HKEY_CURRENT_USER\Software\<key>\<profile name>. Without a key it is
// the INI file <profile name> in the same configuration folder.
#pragma once

#include <QSettings>
#include <memory>

class CWinApp;

// The store, opened afresh (the location follows the environment of the moment).
std::unique_ptr<QSettings> AfxOpenProfile(const CWinApp& app);
// Deletes the profile with everything in it, then the key's folder when nothing else
// is left in it. TRUE when no profile is left (also when there was none).
bool AfxRemoveProfile(const CWinApp& app);
