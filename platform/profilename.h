#pragma once

#include <QString>

// The profile file's bare name: the executable's file name with its extension cut, plus
// ".INI" ("rawcast" gives "rawcast.INI", "RAWCAST.EXE" gives "RAWCAST.INI"). Only the
// file name's own dot counts, so a dot in a folder name or a leading dot changes nothing.
QString AfxProfileBaseName(const QString& executablePath);

// The fixed folder of every profile: $XDG_CONFIG_HOME when it is an absolute path, else
// ~/.config.
QString AfxProfileDirectory();

// The profile file's full path in that folder, which is created when missing.
QString AfxProfileFileName(const QString& executablePath);
