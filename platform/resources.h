#pragma once

#include "platform/strings.h"
#include "res/resourcetypes.h"

// Resource lookup by type and identifier in the current language (AfxGetResourceLanguage);
// a resource that exists in one language only serves both. Null when neither has it.
const DialogTemplate* AfxFindDialogTemplate(UINT id);
const MenuTemplate* AfxFindMenu(UINT id);
const AcceleratorTable* AfxFindAccelerators(UINT id);
const ToolBarTemplate* AfxFindToolBar(UINT id);
const BitmapResource* AfxFindBitmap(UINT id);
const IconResource* AfxFindIcon(UINT id);
const VersionInfo* AfxFindVersionInfo(UINT id);

// The set of one language, for code that must look at a language other than the current.
const ResourceSet& AfxResourceSet(ResourceLanguage language);
