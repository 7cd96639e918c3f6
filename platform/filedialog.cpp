#include "platform/filedialog.h"

#include <utility>

namespace {
FileDialogHandler& currentHandler()
{
    static FileDialogHandler handler;
    return handler;
}
} // namespace

FileDialogHandler AfxSetFileDialogHandler(FileDialogHandler handler)
{
    return std::exchange(currentHandler(), std::move(handler));
}

std::optional<QString> AfxRunFileDialog(const FileDialogRequest& request)
{
    // Without a dialog there is nobody to choose: the same as Cancel.
    if (!currentHandler())
        return std::nullopt;
    return currentHandler()(request);
}
