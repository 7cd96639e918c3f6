#include "platform/commandline.h"

void ParseCommandLine(const QStringList& words, CCommandLineInfo& info)
{
    for (const QString& word : words) {
        if (word.startsWith(QLatin1Char('/')) || word.startsWith(QLatin1Char('-'))) {
            const QString name = word.mid(1);
            if (name == QLatin1String("pt")) {
                info.m_nShellCommand = CCommandLineInfo::FilePrintTo;
            } else if (name == QLatin1String("p")) {
                info.m_nShellCommand = CCommandLineInfo::FilePrint;
            } else if (name == QLatin1String("Unregister")) {
                info.m_nShellCommand = CCommandLineInfo::AppUnregister;
            } else if (name == QLatin1String("dde")) {
                info.m_nShellCommand = CCommandLineInfo::FileDDE;
                info.m_bUserControlLost = true;
            } else if (name == QLatin1String("Embedding")) {
                info.m_bRunEmbedded = true;
                info.m_bUserControlLost = true;
            } else if (name == QLatin1String("Automation")) {
                info.m_bRunAutomated = true;
                info.m_bUserControlLost = true;
            }
            continue;
        }
        if (info.m_strFileName.isEmpty()) {
            info.m_strFileName = word;
        } else if (info.m_nShellCommand == CCommandLineInfo::FilePrintTo) {
            if (info.m_strPrinterName.isEmpty())
                info.m_strPrinterName = word;
            else if (info.m_strDriverName.isEmpty())
                info.m_strDriverName = word;
            else if (info.m_strPortName.isEmpty())
                info.m_strPortName = word;
        }
    }
    if (info.m_nShellCommand == CCommandLineInfo::FileNew && !info.m_strFileName.isEmpty())
        info.m_nShellCommand = CCommandLineInfo::FileOpen;
}
