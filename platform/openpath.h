#pragma once

#include <QString>

class CDocument;

// The open road's GUI-free steps: every open by path (File > Open, a recent-file entry,
// a dropped file, the command line) goes through them.

// Prepares a path text: a leading double quote is dropped and the text cut at its last
// double quote; the rest is made absolute against currentDir. A path that exists becomes
// its canonical path, so a symbolic link (this system's shortcut) is replaced by its
// target; a missing or dangling path stays the cleaned absolute path. Paths are never
// cut in length. Empty when nothing is left of the text.
QString PrepareOpenPath(const QString& text, const QString& currentDir);

// Whether two paths name the same document: by file identity (device and inode) when
// both exist, else by their cleaned absolute spelling, letter case included.
bool IsSameDocumentPath(const QString& a, const QString& b);

// The title of a file as the window shows it: its name without folders.
QString AfxGetFileTitle(const QString& path);

enum class OpenOutcome
{
    Activated, // the path is the document's own: nothing changes, the window is activated
    Opened,    // the document now holds the path
    Failed     // nothing to open, or the document refused it
};

// Opens a prepared path into the one document, which is reused: unless it is the
// document's own path, the modified flag is cleared, OnOpenDocument runs and the path
// becomes the document's path name, title and first recent-file entry.
OpenOutcome AfxOpenDocumentPath(CDocument& doc, const QString& preparedPath);

// New on the one document: OnNewDocument, then the title "Untitled".
bool AfxNewDocument(CDocument& doc);
