#pragma once

#include "platform/afxtypes.h"

#include <QIcon>
#include <QPixmap>

// Icons and bitmaps of the resources as Qt pictures; null ones when absent.
QIcon AfxLoadIcon(UINT id);
QPixmap AfxLoadIconImage(UINT id, int size);
QPixmap AfxLoadBitmap(UINT id);
