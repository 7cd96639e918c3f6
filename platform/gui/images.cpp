#include "platform/gui/images.h"

#include "platform/resources.h"

QIcon AfxLoadIcon(UINT id)
{
    QIcon icon;
    if (const IconResource* resource = AfxFindIcon(id)) {
        for (const char* const* xpm : resource->images)
            icon.addPixmap(QPixmap(xpm));
    }
    return icon;
}

QPixmap AfxLoadIconImage(UINT id, int size)
{
    if (const IconResource* resource = AfxFindIcon(id)) {
        for (const char* const* xpm : resource->images) {
            QPixmap pixmap(xpm);
            if (pixmap.width() == size)
                return pixmap;
        }
    }
    return AfxLoadIcon(id).pixmap(size, size);
}

QPixmap AfxLoadBitmap(UINT id)
{
    const BitmapResource* resource = AfxFindBitmap(id);
    return resource ? QPixmap(resource->xpm) : QPixmap();
}
