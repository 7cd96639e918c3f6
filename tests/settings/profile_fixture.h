#pragma once

#include "platform/winapp.h"

#include "support/qt_print.h"
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// An application object whose profile lives in a fresh temporary folder; the
// configuration folder points there too, so no test reaches the real ~/.config.
class ProfileTest : public ::testing::Test
{
protected:
    ProfileTest()
    {
        m_hadXdg = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        m_oldXdg = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_dir.path().toUtf8());
        app.m_pszProfileName = m_dir.filePath(QStringLiteral("rawcast.INI"));
    }
    ~ProfileTest() override
    {
        if (m_hadXdg)
            qputenv("XDG_CONFIG_HOME", m_oldXdg);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }

    void writeProfile(const QByteArray& text)
    {
        QFile file(app.m_pszProfileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(text), text.size());
    }

    QByteArray readProfile() const
    {
        QFile file(app.m_pszProfileName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool profileExists() const { return QFile::exists(app.m_pszProfileName); }
    QString dirPath() const { return m_dir.path(); }

    QTemporaryDir m_dir;
    bool m_hadXdg = false;
    QByteArray m_oldXdg;
    CWinApp app;
};
