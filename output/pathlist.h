#pragma once

#include "output/outputjob.h"

#include <QStringList>

// A file list held as paths, for senders without a list box.
class CPathList : public IOutputFileList
{
public:
    CPathList() = default;
    explicit CPathList(QStringList paths) : m_paths(std::move(paths)) {}

    int GetCount() const override { return int(m_paths.size()); }
    QString GetText(int index) const override { return m_paths.at(index); }

    QStringList m_paths;
};

// A progress display that shows nothing.
class CNoProgress : public IOutputProgress
{
public:
    void SetPos(int) override {}
    void SetRange(int, int) override {}
    void SetPercent(const QString&) override {}
};
