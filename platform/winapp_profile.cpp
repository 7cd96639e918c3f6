// The profile functions of the application object: one INI file, read or written anew
// by every call, so the file always holds what the last call left there.

#include "platform/inifile.h"
#include "platform/recentfilelist.h"
#include "platform/winapp.h"

#include "res/resource.h"

#include <algorithm>

namespace {

// Texts arrive through a 4096-character buffer.
constexpr qsizetype kMaxProfileText = 4095;

QString cutToBuffer(QString text)
{
    if (text.size() <= kMaxProfileText)
        return text;
    qsizetype n = kMaxProfileText;
    if (text[n - 1].isHighSurrogate()) // never split a character in two
        --n;
    text.truncate(n);
    return text;
}

const QString kRecentSection = QStringLiteral("Recent File List");
const QString kRecentEntry = QStringLiteral("File%d");
const QString kSettingsSection = QStringLiteral("Settings");
const QString kPreviewPages = QStringLiteral("PreviewPages");

constexpr UINT kMaxMRU = 16; // the menu has commands for 16 entries

std::optional<QByteArray> readProfile(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    return Ini::ReadFile(path);
}

} // namespace

UINT CWinApp::GetProfileInt(const QString& section, const QString& entry, int nDefault)
{
    const auto text = readProfile(m_pszProfileName);
    if (!text)
        return UINT(nDefault);
    const auto value = Ini::FindValue(*text, section.toUtf8(), entry.toUtf8());
    return value ? Ini::ParseInt(*value, UINT(nDefault)) : UINT(nDefault);
}

QString CWinApp::GetProfileString(const QString& section, const QString& entry,
                                  const QString& defaultValue)
{
    const auto text = readProfile(m_pszProfileName);
    if (!text)
        return cutToBuffer(defaultValue);
    const auto value = Ini::FindValue(*text, section.toUtf8(), entry.toUtf8());
    return cutToBuffer(value ? QString::fromUtf8(*value) : defaultValue);
}

bool CWinApp::WriteProfileInt(const QString& section, const QString& entry, int value)
{
    return WriteProfileString(section, entry, QString::number(value));
}

bool CWinApp::WriteProfileString(const QString& section, const QString* entry, const QString& value)
{
    auto text = readProfile(m_pszProfileName);
    if (!text)
        return false; // never replace a file we could not read
    const QByteArray before = *text;
    if (entry) {
        if (!Ini::SetValue(*text, section.toUtf8(), entry->toUtf8(), value.toUtf8()))
            return false;
    } else {
        Ini::DeleteSection(*text, section.toUtf8());
    }
    if (*text == before)
        return true; // nothing to change, and a missing file stays missing
    return Ini::WriteFileAtomically(m_pszProfileName, *text);
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    nMaxMRU = std::min(nMaxMRU, kMaxMRU);
    if (nMaxMRU != 0) {
        m_pRecentFileList = std::make_unique<CRecentFileList>(ID_FILE_MRU_FILE1, kRecentSection,
                                                              kRecentEntry, int(nMaxMRU));
        m_pRecentFileList->ReadList(*this);
    }
    m_nNumPreviewPages = GetProfileInt(kSettingsSection, kPreviewPages, 0);
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList)
        m_pRecentFileList->WriteList(*this);
    if (m_nNumPreviewPages != 0)
        WriteProfileInt(kSettingsSection, kPreviewPages, int(m_nNumPreviewPages));
}

void CWinApp::AddToRecentFileList(const QString& pathName)
{
    if (m_pRecentFileList)
        m_pRecentFileList->Add(pathName);
}

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return 0;
}
