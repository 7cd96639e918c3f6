// Arbitrary bytes as the stored printer text, restored through the profile and directly,
// then formatted and saved. Beyond "no crash": every device-names record the program holds
// keeps its offsets and strings inside the block, no block stays locked, no printer handle
// stays open, and a restored text parses as driver, device and the rest as port.

#include "platform/spooler.h"
#include "platform/winapp.h"
#include "printer/printerselection.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

#define CHECK(condition)                                                                           \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "broken: %s (line %d)\n", #condition, __LINE__);                  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

// A spooler whose behaviour the first input byte chooses: bits 0 to 2 make the open, the
// size query or the fill fail, bit 3 gives the system a default printer, bit 4 sends the
// text through the profile file.
class FuzzSpooler : public CSpooler
{
public:
    bool failOpen = false;
    bool failSize = false;
    bool failFill = false;
    std::optional<PrinterInfo> defaultPrinter;
    int openHandles = 0;

    bool OpenPrinter(const QString& name, HANDLE* phPrinter) override
    {
        *phPrinter = nullptr;
        if (failOpen || name.isEmpty())
            return false;
        *phPrinter = this;
        ++openHandles;
        return true;
    }
    DWORD StartDocPrinter(HANDLE, DWORD, const DOC_INFO_1&) override { return 0; }
    bool StartPagePrinter(HANDLE) override { return false; }
    bool WritePrinter(HANDLE, const void*, std::size_t, std::size_t*) override { return false; }
    bool EndPagePrinter(HANDLE) override { return false; }
    bool EndDocPrinter(HANDLE) override { return false; }
    bool ClosePrinter(HANDLE hPrinter) override
    {
        CHECK(hPrinter == this);
        --openHandles;
        return true;
    }
    long DocumentProperties(HANDLE hPrinter, const QString& deviceName, void* out, std::size_t size,
                            DWORD mode) override
    {
        CHECK(hPrinter == this);
        const QByteArray record = deviceName.toUtf8() + QByteArray("\0copies=1\0\0", 11);
        if (mode == 0 && !out)
            return failSize ? -1 : long(record.size());
        if (failFill || mode != DM_OUT_BUFFER || !out || size < std::size_t(record.size()))
            return -1;
        std::memcpy(out, record.constData(), std::size_t(record.size()));
        return IDOK;
    }
    std::optional<PrinterInfo> GetDefaultPrinter() override { return defaultPrinter; }
    std::vector<PrinterInfo> EnumPrinters() override { return {}; }
};

// The held device-names record, checked on its own terms (not with the program's reader).
void checkHeldRecord(const CWinApp& app)
{
    CHECK(GlobalFlags(app.m_hDevNames) == 0);
    CHECK(GlobalFlags(app.m_hDevMode) == 0);
    CHECK((app.m_hDevNames == nullptr) == (app.m_hDevMode == nullptr));
    if (!app.m_hDevNames)
        return;
    const CGlobalLock lock(app.m_hDevNames);
    CHECK(lock);
    const auto* bytes = static_cast<const unsigned char*>(lock.data());
    const std::size_t size = lock.size();
    CHECK(size >= 9);
    for (const int field : {0, 2, 4}) {
        const std::size_t offset = std::size_t(bytes[field] | (bytes[field + 1] << 8));
        CHECK(offset >= 8);
        CHECK(offset < size);
        CHECK(std::memchr(bytes + offset, '\0', size - offset) != nullptr);
    }
}

// The profile's atomic replace syncs to disk; in memory that costs nothing.
QString scratchFolder()
{
    const QString shm = QStringLiteral("/dev/shm");
    return (QFileInfo(shm).isWritable() ? shm : QDir::tempPath()) +
           QStringLiteral("/fuzz_printer_text-XXXXXX");
}

struct Environment
{
    Environment() : dir(scratchFolder())
    {
        app.m_pszProfileName = dir.filePath(QStringLiteral("rawcast.INI"));
        AfxSetSpooler(&spooler);
    }
    QTemporaryDir dir;
    FuzzSpooler spooler;
    CWinApp app;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Environment env;
    CWinApp& app = env.app;
    FuzzSpooler& spooler = env.spooler;
    if (size == 0)
        return 0;
    const uint8_t control = data[0];
    const QByteArray text(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    spooler.failOpen = control & 1;
    spooler.failSize = control & 2;
    spooler.failFill = control & 4;
    spooler.defaultPrinter.reset();
    if (control & 8) {
        PrinterInfo printer;
        printer.name = QStringLiteral("lp");
        printer.driver = QStringLiteral("cups");
        // The text as the default's port too: arbitrary bytes through the record builder.
        printer.port = QString::fromUtf8(text);
        spooler.defaultPrinter = printer;
    }

    // Through the profile file, the way the program starts and ends.
    const bool throughProfile = control & 16;
    if (throughProfile) {
        {
            QFile profile(app.m_pszProfileName);
            CHECK(profile.open(QIODevice::WriteOnly | QIODevice::Truncate));
            profile.write("[Default]\nPrinter=" + text + "\n");
        }
        app.SelectPrinter(nullptr, nullptr);
        RestorePrinterSelection(app);
        checkHeldRecord(app);
        CHECK(spooler.openHandles == 0);
    }

    // The bytes as they are.
    app.SelectPrinter(nullptr, nullptr);
    RestorePrinterSelection(app, text);
    checkHeldRecord(app);
    CHECK(spooler.openHandles == 0);

    const qsizetype first = text.indexOf(',');
    const qsizetype second = first < 0 ? -1 : text.indexOf(',', first + 1);
    const bool parses = second >= 0 && second + 1 < text.size();
    const bool opens = !spooler.failOpen && !spooler.failSize && !spooler.failFill &&
                       first + 1 < second && !text.contains('\0');
    if (parses && opens) {
        CHECK(app.m_hDevNames != nullptr);
        CHECK(GlobalSize(app.m_hDevNames) == std::size_t(text.size()) + 9);
    } else if (!parses) {
        CHECK(app.m_hDevNames == nullptr);
    }
    if (app.m_hDevNames && !text.contains('\0') && QString::fromUtf8(text).toUtf8() == text) {
        // Explicit: the text comes back as stored, without asking for the default.
        CHECK(GetPrinterText(app).toUtf8() == text);
    }

    // Formatting (and saving), the held selection or the default when none is held.
    const QString shown = GetPrinterText(app);
    checkHeldRecord(app);
    CHECK(shown.isEmpty() == (app.m_hDevNames == nullptr));
    if (throughProfile) {
        SavePrinterSelection(app);
        checkHeldRecord(app);
        CHECK(spooler.openHandles == 0);
    }
    app.SelectPrinter(nullptr, nullptr);
    return 0;
}
