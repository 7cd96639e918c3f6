#include "platform/commandline.h"

namespace {

const char* const kSwitches[] = {"pt", "p", "Unregister", "dde", "Embedding", "Automation"};

// Whether the name is a switch's in any letter case (only the exact one takes effect).
bool isSwitchName(const QString& name)
{
    for (const char* known : kSwitches) {
        if (name.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// Applies a switch's name to the record; nothing for an unknown name.
void applySwitch(const QString& name, CCommandLineInfo& info)
{
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
}

} // namespace

void ParseCommandLine(const QStringList& words, CCommandLineInfo& info)
{
    for (const QString& word : words) {
        // Here "/" also begins every absolute path: after it, only a switch's name (in
        // any letter case) makes a switch, and any other word is a file name.
        if (word.startsWith(QLatin1Char('-')) ||
            (word.startsWith(QLatin1Char('/')) && isSwitchName(word.mid(1)))) {
            applySwitch(word.mid(1), info);
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
