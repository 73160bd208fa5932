#pragma once

#include <QString>

// The folders the program writes to. Each is returned without a trailing
// separator; the product folders are created when asked for.
namespace folders {

// Roaming per-user configuration folder + "velkora" (the settings file lives here).
QString AppDataFolder();
// The user's Documents folder (saved PDF documents).
QString DocumentsFolder();
// Local, non-roaming per-user data folder + "velkora" (the set-up download).
QString LocalDataFolder();

// Test seam: with a base folder set, every folder lies below it
// (base/config/velkora, base/Documents, base/data/velkora). Empty restores the real ones.
void SetBaseFolder(const QString& base);

namespace platform {
// The operating system's base folders, implemented once per platform.
QString RoamingConfigBase();
QString LocalDataBase();
QString Documents();
} // namespace platform

} // namespace folders
