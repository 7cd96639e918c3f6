#pragma once

#include "platform/afxtypes.h"

#include <QString>

class CDocument;

// Binds a document, its frame and its view, and opens documents into them. The
// application owns its one template; the Widgets side implements it.
class CDocTemplate
{
public:
    enum DocStringIndex
    {
        windowTitle = 0,
        docName = 1,
        fileNewName = 2,
        filterName = 3,
        filterExt = 4,
        regFileTypeId = 5,
        regFileTypeName = 6,
    };

    virtual ~CDocTemplate() = default;

    // A null path makes a new, untitled document. Null on failure.
    virtual CDocument* OpenDocumentFile(const QString& pathName, bool bMakeVisible = true) = 0;
    // The document, if one is open.
    virtual CDocument* GetDocument() const = 0;
    // Closes the document: its frame and view are destroyed with it.
    virtual void CloseAllDocuments() = 0;
    // Field of the document string.
    virtual QString GetDocString(DocStringIndex index) const = 0;
};
