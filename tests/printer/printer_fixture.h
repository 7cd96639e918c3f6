#pragma once

#include "platform/devnames.h"
#include "platform/winapp.h"
#include "support/recording_spooler.h"
#include "support/test_env.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

// Failures show texts, not their UTF-16 code units.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// An application object with its profile in a temporary folder and the recording spooler.
class PrinterFixture : public ::testing::Test
{
protected:
    PrinterFixture() { app.m_pszProfileName = m_dir.filePath(QStringLiteral("rawcast.INI")); }

    static PrinterInfo Destination(const QString& name,
                                   const QString& port = QStringLiteral("socket://127.0.0.1:9100"))
    {
        PrinterInfo info;
        info.name = name;
        info.driver = QStringLiteral("cups");
        info.port = port;
        info.isDefault = true;
        return info;
    }

    void StorePrinter(const QString& text)
    {
        app.WriteProfileString(QStringLiteral("Default"), QStringLiteral("Printer"), text);
    }
    QString StoredPrinter()
    {
        return app.GetProfileString(QStringLiteral("Default"), QStringLiteral("Printer"),
                                    QStringLiteral("<absent>"));
    }

    // The held device-names record; nothing when none is held.
    std::optional<DevNamesStrings> Held() const { return ReadDevNames(app.m_hDevNames); }
    QByteArray HeldBytes() const
    {
        const CGlobalLock lock(app.m_hDevNames);
        return lock ? QByteArray(static_cast<const char*>(lock.data()), qsizetype(lock.size()))
                    : QByteArray();
    }
    QString HeldDevModeName() const
    {
        const CGlobalLock lock(app.m_hDevMode);
        return lock ? DevModeDeviceName(lock.data(), lock.size()) : QString();
    }

    // Nobody who borrowed the blocks left them locked, no printer handle left open.
    void ExpectNothingLeftOpen() const
    {
        EXPECT_EQ(GlobalFlags(app.m_hDevNames), 0u);
        EXPECT_EQ(GlobalFlags(app.m_hDevMode), 0u);
        EXPECT_EQ(spooler.openHandles, 0);
    }

    QTemporaryDir m_dir;
    RecordingSpooler spooler;
    ScopedSpooler m_scopedSpooler{spooler};
    CWinApp app;
};
