#pragma once

#include "platform/afxtypes.h"

#include <QString>

class CWinApp;

// The program's own keys in the profile. The platform's keys ([Recent File List],
// [Settings] PreviewPages) belong to CWinApp.
namespace RawcastSettings {

inline const QString kSectionDefault = QStringLiteral("Default");
inline const QString kKeyBlockSize = QStringLiteral("BlockSize");
inline const QString kKeyPrinter = QStringLiteral("Printer");
inline const QString kSectionRecentFiles = QStringLiteral("Recent File List");
inline const QString kKeyRecentFileFormat = QStringLiteral("File%d");
inline const QString kSectionSettings = QStringLiteral("Settings");
inline const QString kKeyPreviewPages = QStringLiteral("PreviewPages");

inline constexpr UINT kDefaultBlockSize = 10; // kilobytes
inline constexpr int kRecentFileCount = 8;

// [Default] BlockSize; 10 only when the key is absent, so a stored 0 reads as 0.
UINT ReadBlockSize(CWinApp& app);
bool WriteBlockSize(CWinApp& app, UINT blockSize);

// [Default] Printer, the printer text form; empty when absent.
QString ReadPrinterText(CWinApp& app);
bool WritePrinterText(CWinApp& app, const QString& printerText);

} // namespace RawcastSettings
