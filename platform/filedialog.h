#pragma once

#include <QString>
#include <functional>
#include <optional>

// The file-open dialog seam: the GUI installs a real dialog, tests an answer.
struct FileDialogRequest
{
    QString title;          // empty: the platform's default title
    QString filterName;     // e.g. "All Files (*.*)"; empty: all files, unnamed
    bool mustExist = false; // only existing files are accepted
};

// The chosen full path, or nothing on Cancel.
using FileDialogHandler = std::function<std::optional<QString>(const FileDialogRequest&)>;

FileDialogHandler AfxSetFileDialogHandler(FileDialogHandler handler);
std::optional<QString> AfxRunFileDialog(const FileDialogRequest& request);
