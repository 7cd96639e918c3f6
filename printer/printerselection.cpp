#include "printer/printerselection.h"

#include "platform/devnames.h"
#include "platform/printerpair.h"
#include "platform/winapp.h"

#include <cstring>
#include <limits>

namespace {

const QString kSection = QStringLiteral("Default");
const QString kPrinterEntry = QStringLiteral("Printer");

// Overwrites the first comma in [from, n) of the text with a NUL and returns the
// position after it, or n when there is none.
qsizetype cutAtComma(char* text, qsizetype from, qsizetype n)
{
    void* comma = std::memchr(text + from, ',', std::size_t(n - from));
    if (!comma)
        return n;
    *static_cast<char*>(comma) = '\0';
    return static_cast<char*>(comma) - text + 1;
}

} // namespace

QString GetPrinterText(CWinApp& app)
{
    PRINTDLG pd;
    if (!app.GetPrinterDeviceDefaults(pd))
        return {};
    const CGlobalLock devNames(pd.hDevNames);
    if (!devNames)
        return {};
    const std::optional<DevNamesStrings> names = ReadDevNames(devNames.data(), devNames.size());
    if (!names)
        return {};
    return QString::fromUtf8(names->driver + ',' + names->device + ',' + names->port);
}

void RestorePrinterSelection(CWinApp& app)
{
    RestorePrinterSelection(app, app.GetProfileString(kSection, kPrinterEntry, QString()).toUtf8());
}

void RestorePrinterSelection(CWinApp& app, const QByteArray& text)
{
    const qsizetype n = text.size();
    if (n == 0)
        return;
    // Every offset must fit its 16-bit field; a text from the profile always does.
    if (n + DEVNAMES_HEADER_SIZE > std::numeric_limits<WORD>::max())
        return;

    HGLOBAL hDevNames = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, std::size_t(n) + 9);
    if (!hDevNames)
        return;
    HGLOBAL hDevMode = nullptr;
    {
        const CGlobalLock lock(hDevNames);
        if (lock) {
            auto* record = static_cast<char*>(lock.data());
            WriteWordLE(record, WORD(DEVNAMES_HEADER_SIZE));
            char* strings = record + DEVNAMES_HEADER_SIZE;
            std::memcpy(strings, text.constData(), std::size_t(n)); // the NUL is the zero fill

            const qsizetype i = cutAtComma(strings, 0, n);
            WriteWordLE(record + 2, WORD(i + DEVNAMES_HEADER_SIZE));
            const qsizetype j = i < n ? cutAtComma(strings, i, n) : n;
            WriteWordLE(record + 4, WORD(j + DEVNAMES_HEADER_SIZE));
            // No comma, one comma, or nothing after the second one: rejected. Otherwise
            // only the device is tried against the system; driver and port stay as stored.
            if (j < n)
                hDevMode = AfxCreateDevMode(AfxGetSpooler(), QString::fromUtf8(strings + i));
        }
    } // unlocked before the block is installed or freed
    if (hDevMode)
        app.SelectPrinter(hDevNames, hDevMode, true);
    else
        GlobalFree(hDevNames);
}

void SavePrinterSelection(CWinApp& app)
{
    app.WriteProfileString(kSection, kPrinterEntry, GetPrinterText(app));
}

void PrintSetup(CWinApp& app)
{
    app.OnFilePrintSetup();
}
