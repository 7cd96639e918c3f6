// The printer text form: restore at start, the text of the selection, save at exit.
#include "printer/printerselection.h"
#include "printer_fixture.h"

#include <cstring>

namespace {

class PrinterTextTest : public PrinterFixture
{};

struct RestoreCase
{
    const char* text;
    bool installed;
    const char* driver;
    const char* device;
    const char* port;
    const char* opened; // the name tried with OpenPrinter, null when none is tried
};

// Printers "dev" and "other" exist; every other name fails to open.
const RestoreCase kRestoreCases[] = {
    {"", false, "", "", "", nullptr},
    {"drv", false, "", "", "", nullptr},
    {"drv,dev", false, "", "", "", nullptr},
    {"drv,dev,", false, "", "", "", nullptr},
    {"drv,dev,port", true, "drv", "dev", "port", "dev"},
    {",dev,port", true, "", "dev", "port", "dev"},
    {"drv,dev,port,x", true, "drv", "dev", "port,x", "dev"},
    {"drv,dev,,", true, "drv", "dev", ",", "dev"},
    {"drv,,port", false, "", "", "", ""},
    {"drv,gone,port", false, "", "", "", "gone"},
    {"a b,other,socket://h:9100/x", true, "a b", "other", "socket://h:9100/x", "other"},
};

TEST_F(PrinterTextTest, RestoreParsesTheStoredTextAndOpensOnlyTheDevice)
{
    for (const RestoreCase& c : kRestoreCases) {
        SCOPED_TRACE(c.text);
        spooler.printers = {QStringLiteral("dev"), QStringLiteral("other")};
        spooler.calls.clear();
        app.SelectPrinter(nullptr, nullptr);
        StorePrinter(QString::fromUtf8(c.text));

        RestorePrinterSelection(app);

        ExpectNothingLeftOpen();
        if (c.opened)
            EXPECT_TRUE(spooler.calls.contains(QStringLiteral("OpenPrinter %1").arg(c.opened)))
                << spooler.calls.join(QLatin1Char('|')).toStdString();
        else
            EXPECT_TRUE(spooler.calls.isEmpty());
        EXPECT_FALSE(spooler.calls.contains(QStringLiteral("GetDefaultPrinter")));
        if (!c.installed) {
            EXPECT_EQ(app.m_hDevNames, nullptr);
            EXPECT_EQ(app.m_hDevMode, nullptr);
            continue;
        }
        const auto held = Held();
        ASSERT_TRUE(held);
        EXPECT_EQ(held->driver, c.driver);
        EXPECT_EQ(held->device, c.device);
        EXPECT_EQ(held->port, c.port);
        EXPECT_EQ(held->wDefault, 0);
        EXPECT_EQ(GlobalSize(app.m_hDevNames), std::strlen(c.text) + 9);
        EXPECT_EQ(HeldDevModeName(), QString::fromUtf8(c.device));
    }
}

TEST_F(PrinterTextTest, RestoreBuildsTheExactRecord)
{
    StorePrinter(QStringLiteral("drv,dev,port"));
    RestorePrinterSelection(app);

    const QByteArray expected("\x08\x00\x0c\x00\x10\x00\x00\x00"
                              "drv\0dev\0port\0",
                              21);
    EXPECT_EQ(HeldBytes().toHex(' '), expected.toHex(' '));
    EXPECT_EQ(
        spooler.calls,
        QStringList({QStringLiteral("OpenPrinter dev"), QStringLiteral("DocumentProperties 0"),
                     QStringLiteral("DocumentProperties 2"), QStringLiteral("ClosePrinter")}));
}

TEST_F(PrinterTextTest, RestoreWithoutADeviceModeRecordInstallsNothing)
{
    for (const bool failSize : {true, false}) {
        SCOPED_TRACE(failSize ? "size query fails" : "fill fails");
        spooler.failDevModeSize = failSize;
        spooler.failDevModeFill = !failSize;
        StorePrinter(QStringLiteral("drv,dev,port"));

        RestorePrinterSelection(app);

        EXPECT_EQ(app.m_hDevNames, nullptr);
        EXPECT_EQ(app.m_hDevMode, nullptr);
        EXPECT_EQ(spooler.calls.last(), QStringLiteral("ClosePrinter"));
        ExpectNothingLeftOpen();
    }
}

TEST_F(PrinterTextTest, MultiByteTextIsHandledAsBytes)
{
    // "ﾌﾟﾘﾝﾀ" is five characters and fifteen bytes in UTF-8.
    const QString text = QStringLiteral("drv,ﾌﾟﾘﾝﾀ,port");
    StorePrinter(text);
    RestorePrinterSelection(app);

    ASSERT_TRUE(Held());
    EXPECT_EQ(GlobalSize(app.m_hDevNames), std::size_t(text.toUtf8().size()) + 9);
    EXPECT_EQ(Held()->port, "port");
    EXPECT_EQ(GetPrinterText(app), text);
}

TEST_F(PrinterTextTest, RestoredSelectionIsExplicitAndSavedUnchanged)
{
    // The stored port is kept even though the system now reports another one.
    spooler.defaultPrinter = Destination(QStringLiteral("lp"));
    StorePrinter(QStringLiteral("drv,dev,old-port"));
    RestorePrinterSelection(app);
    spooler.calls.clear();

    EXPECT_EQ(GetPrinterText(app), QStringLiteral("drv,dev,old-port"));
    SavePrinterSelection(app);

    EXPECT_EQ(StoredPrinter(), QStringLiteral("drv,dev,old-port"));
    EXPECT_FALSE(spooler.calls.contains(QStringLiteral("GetDefaultPrinter")));
    ExpectNothingLeftOpen();
}

TEST_F(PrinterTextTest, PrinterThatCannotBeRestoredGivesWayToTheDefault)
{
    spooler.printers = {QStringLiteral("lp")};
    spooler.defaultPrinter = Destination(QStringLiteral("lp"), QStringLiteral("socket://host"));
    StorePrinter(QStringLiteral("drv,gone,port"));

    RestorePrinterSelection(app);
    EXPECT_EQ(app.m_hDevNames, nullptr);

    EXPECT_EQ(GetPrinterText(app), QStringLiteral("cups,lp,socket://host"));
    SavePrinterSelection(app);
    EXPECT_EQ(StoredPrinter(), QStringLiteral("cups,lp,socket://host"));
    ExpectNothingLeftOpen();
}

TEST_F(PrinterTextTest, NoPrinterGivesEmptyTextAndAnEmptyKey)
{
    StorePrinter(QStringLiteral("drv,dev,port"));
    spooler.printers = {QStringLiteral("nothing-opens-but-this")};

    RestorePrinterSelection(app);
    EXPECT_EQ(GetPrinterText(app), QString());
    SavePrinterSelection(app);

    EXPECT_EQ(StoredPrinter(), QString());
    EXPECT_EQ(app.m_hDevNames, nullptr);
}

TEST_F(PrinterTextTest, AbsentKeyRestoresNothing)
{
    RestorePrinterSelection(app);
    EXPECT_TRUE(spooler.calls.isEmpty());
    EXPECT_EQ(app.m_hDevNames, nullptr);
}

TEST_F(PrinterTextTest, TextOfAMalformedRecordIsEmpty)
{
    // An explicit record whose port offset points past its end.
    HGLOBAL names = GlobalAlloc(GHND, 12);
    {
        CGlobalLock lock(names);
        auto* bytes = static_cast<unsigned char*>(lock.data());
        WriteWordLE(bytes + 0, 8);
        WriteWordLE(bytes + 2, 8);
        WriteWordLE(bytes + 4, 40);
    }
    app.SelectPrinter(names, GlobalAlloc(GHND, 4));

    EXPECT_EQ(GetPrinterText(app), QString());
    ExpectNothingLeftOpen();
}

} // namespace
