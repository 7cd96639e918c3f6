#pragma once

#include "platform/afxtypes.h"

#include <QString>
#include <functional>

// Every message box of the program goes through this one seam: the GUI installs a
// modal box over the main window, tests install an answering recorder, and a program
// without a window falls back to standard error.

using MessageBoxHandler =
    std::function<int(const QString& caption, const QString& text, UINT type)>;

// Installs a handler and returns the previous one; an empty handler restores the default.
MessageBoxHandler AfxSetMessageBoxHandler(MessageBoxHandler handler);

// Shows text with the application title as caption. A plain MB_OK box without an icon
// gets the exclamation icon, as the platform's message boxes do.
int AfxMessageBox(const QString& text, UINT type = MB_OK);
int AfxMessageBox(UINT stringId, UINT type = MB_OK);
