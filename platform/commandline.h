#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for.
class CCommandLineInfo
{
public:
    enum Shell
    {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileDDE,
        AppUnregister,
        FileNothing
    };

    Shell m_nShellCommand = FileNew;
    QString m_strFileName;
    QString m_strPrinterName;
    QString m_strDriverName;
    QString m_strPortName;
    bool m_bRunEmbedded = false;
    bool m_bRunAutomated = false;
    // Set by "dde", "Embedding" and "Automation".
    bool m_bUserControlLost = false;
};

// Fills info from the words after the program's own name. Switches begin with "-" or
// "/" and are compared case-sensitively; unknown switches are ignored. A word that begins
// with "/" is a switch only when a switch has that name in some letter case: any other
// is a file name (an absolute path).
void ParseCommandLine(const QStringList& words, CCommandLineInfo& info);
