#include "platform/msgbox.h"

#include "platform/strings.h"

#include <cstdio>

namespace {

int writeToStandardError(const QString& caption, const QString& text, UINT)
{
    std::fprintf(stderr, "%s: %s\n", caption.toLocal8Bit().constData(),
                 text.toLocal8Bit().constData());
    return IDOK;
}

MessageBoxHandler& currentHandler()
{
    static MessageBoxHandler handler = writeToStandardError;
    return handler;
}

} // namespace

MessageBoxHandler AfxSetMessageBoxHandler(MessageBoxHandler handler)
{
    auto previous = std::move(currentHandler());
    currentHandler() = handler ? std::move(handler) : MessageBoxHandler(writeToStandardError);
    return previous;
}

int AfxMessageBox(const QString& text, UINT type)
{
    if ((type & MB_ICONMASK) == 0)
        type |= MB_ICONEXCLAMATION;
    return currentHandler()(AfxGetAppName(), text, type);
}

int AfxMessageBox(UINT stringId, UINT type)
{
    return AfxMessageBox(AfxLoadString(stringId), type);
}
