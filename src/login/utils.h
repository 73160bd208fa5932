#pragma once

// The small local helpers every screen uses: machine identity, folders, web
// address encoding and browser lookup. The message box comes with them.
#include "platform/os/identitysources.h"
#include "platform/widgets/messagedialog.h"

#include <QString>

// The computer's short name (at most 15 characters); empty when it cannot be read.
QString GetComputerNameText();
// Name of the user running the program; empty when it cannot be read.
QString GetWindowsUserName();
// First IPv4 address of the local host name, dotted; "127.0.0.1" when it cannot be resolved.
QString GetLocalIpAddress();
// An adapter address as "AA-BB-CC-DD-EE-FF", or empty.
QString GetMacAddress();
// Serial of the first physical disk, upper case, untrimmed.
// Throws machineidentity::DiskSerialError when it cannot be read.
QString GetDiskSerial();
// The identifier that binds an account to this machine: the disk serial, else
// the adapter address, without spaces; known shared serials map to one fixed
// identifier. May be empty when neither source gives anything.
QString GetMachineId();

// The user's Documents folder.
QString GetDocumentsFolder();
// The product folder in the roaming configuration folder (created if missing).
QString GetAppDataFolder();
// The product folder in the local data folder (created if missing).
QString GetLocalDataFolder();

// Percent-encodes what may not stand in each part of a complete web address
// (path, document, query), keeping the separators and what is already encoded.
QString UrlEncode(const QString& address);
// Full path of an installed Chrome or Chromium program, or empty.
QString FindChromePath();
// Major version of the embedded browser the client was built with, or 0 without one.
int GetInternetExplorerVersion();
