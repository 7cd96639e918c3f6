#pragma once

#include "platform/msgbox.h"
#include "platform/spooler.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <vector>

// Records every message box and answers it with OK, for the length of a scope.
class MessageBoxRecorder
{
public:
    struct Box
    {
        QString caption;
        QString text;
        UINT type;
    };

    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<Box> boxes;
    int answer = 1; // IDOK

private:
    MessageBoxHandler m_previous;
};

// Installs a spooler for the length of a scope.
class ScopedSpooler
{
public:
    explicit ScopedSpooler(CSpooler& spooler) : m_previous(AfxSetSpooler(&spooler)) {}
    ~ScopedSpooler() { AfxSetSpooler(m_previous); }

private:
    CSpooler* m_previous;
};

// A temporary folder that files are written into.
class TempFiles
{
public:
    TempFiles();
    QString path(const QString& name) const;
    // Writes size bytes of a pattern that differs per file, and returns the path.
    QString write(const QString& name, qint64 size, char seed = 'a');
    QString write(const QString& name, const QByteArray& bytes);
    static QByteArray pattern(qint64 size, char seed);

private:
    QTemporaryDir m_dir;
};
