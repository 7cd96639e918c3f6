#pragma once

#include "platform/document.h"

#include <QStringList>

// The application's one document: the file list that New and Open produce. It has no
// stored form: an Open only records the path, nothing is ever read from or written to
// the file, and the document is never modified, so saving has nothing to write.
// It handles no commands of its own, Save (ID_FILE_SAVE) included: the window's command
// routing makes that command do nothing.
class CRawcastDoc : public CDocument
{
public:
    CRawcastDoc() = default;
    ~CRawcastDoc() override;

    void Serialize(bool bStoring) override;
    void DeleteContents() override;
    bool OnNewDocument() override;
    bool OnOpenDocument(const QString& pathName) override;

    QStringList m_files; // full paths, in order
};
