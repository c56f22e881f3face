#pragma once

#include <QString>

// Where the Windows port names "LPTn" and "COMn" live on this machine: an entry of the device map folder
// ($XDG_CONFIG_HOME/kqsetup/devices/, a link named after the port in lower case), else /dev/lp<n-1> or
// /dev/ttyS<n-1>. Any other name is a path and is returned as it stands.
QString devicePath(const QString &portName);

// The device map folder.
QString deviceMapFolder();
