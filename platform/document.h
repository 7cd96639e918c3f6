#pragma once

#include "platform/afxtypes.h"

#include <QString>
#include <functional>

// The GUI-free part of a document: its path name, title and modified flag, and the
// steps of New and Open that a document class overrides. The window that shows the
// document learns of title changes through the title handler.
class CDocument
{
public:
    CDocument() = default;
    virtual ~CDocument();
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    // Reads or writes the document's stored form; there is none by default.
    virtual void Serialize(bool bStoring);
    // Empties the document's data.
    virtual void DeleteContents();
    // Empties the document, its path name and its modified flag. Never fails.
    virtual bool OnNewDocument();
    // Empties the document and loads it through Serialize; the path name is set by the
    // caller afterwards (SetPathName).
    virtual bool OnOpenDocument(const QString& pathName);
    // The document closes: its data goes.
    virtual void OnCloseDocument();

    const QString& GetPathName() const { return m_strPathName; }
    // Sets the path name and, as the title, the path's file title; with bAddToMRU the
    // path goes to the front of the application's recent-file list.
    virtual void SetPathName(const QString& pathName, bool bAddToMRU = true);

    const QString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(const QString& title);

    bool IsModified() const { return m_bModified; }
    virtual void SetModifiedFlag(bool bModified = true) { m_bModified = bModified; }

    // The document's part of command routing: true when it handled the command.
    virtual bool OnCmdMsg(UINT nID, int nCode);

    using TitleHandler = std::function<void(const CDocument&)>;
    // Called after every title change; returns the handler it replaces.
    TitleHandler SetTitleHandler(TitleHandler handler);

protected:
    virtual void UpdateFrameTitle();

    QString m_strPathName;
    QString m_strTitle;
    bool m_bModified = false;

private:
    TitleHandler m_titleHandler;
};
