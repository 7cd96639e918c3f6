#pragma once

#include "platform/cmdtarget.h"

class CWinApp;

// The application's own commands behind every program's map: Exit and the recent files.
extern const CCmdTarget::MessageMap AfxWinAppMessageMap;

// Message boxes and file dialogs as real windows over the main window.
void AfxInstallGuiHandlers();

// Drives the application object as the platform does: names, InitInstance, the message
// loop, ExitInstance. Returns the process's exit code.
int AfxWinMain(CWinApp& app);
