#include "support/test_env.h"

#include <QFile>

MessageBoxRecorder::MessageBoxRecorder()
{
    m_previous =
        AfxSetMessageBoxHandler([this](const QString& caption, const QString& text, UINT type) {
            boxes.push_back({caption, text, type});
            return answer;
        });
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    AfxSetMessageBoxHandler(std::move(m_previous));
}

TempFiles::TempFiles() = default;

QString TempFiles::path(const QString& name) const
{
    return m_dir.filePath(name);
}

QByteArray TempFiles::pattern(qint64 size, char seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(seed + (i * 7 + i / 251) % 97);
    return bytes;
}

QString TempFiles::write(const QString& name, qint64 size, char seed)
{
    return write(name, pattern(size, seed));
}

QString TempFiles::write(const QString& name, const QByteArray& bytes)
{
    const QString file = path(name);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file));
    return file;
}
