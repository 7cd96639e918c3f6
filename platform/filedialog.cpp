#include "platform/filedialog.h"

namespace {
FileDialogHandler& currentHandler()
{
    static FileDialogHandler handler;
    return handler;
}
} // namespace

FileDialogHandler AfxSetFileDialogHandler(FileDialogHandler handler)
{
    auto previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

std::optional<QString> AfxRunFileDialog(const FileDialogRequest& request)
{
    // Without a dialog there is nobody to choose: the same as Cancel.
    if (!currentHandler())
        return std::nullopt;
    return currentHandler()(request);
}
