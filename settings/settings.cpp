#include "settings/settings.h"

#include "platform/winapp.h"

namespace RawcastSettings {

UINT ReadBlockSize(CWinApp& app)
{
    return app.GetProfileInt(kSectionDefault, kKeyBlockSize, int(kDefaultBlockSize));
}

bool WriteBlockSize(CWinApp& app, UINT blockSize)
{
    // "%d", as the platform writes every integer; the read turns it back into the count.
    return app.WriteProfileInt(kSectionDefault, kKeyBlockSize, int(blockSize));
}

QString ReadPrinterText(CWinApp& app)
{
    return app.GetProfileString(kSectionDefault, kKeyPrinter);
}

bool WritePrinterText(CWinApp& app, const QString& printerText)
{
    return app.WriteProfileString(kSectionDefault, kKeyPrinter, printerText);
}

} // namespace RawcastSettings
