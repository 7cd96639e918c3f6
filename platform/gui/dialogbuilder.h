#pragma once

#include "res/resourcetypes.h"

#include <QFont>
#include <QHash>
#include <QSize>
#include <QWidget>
#include <functional>

// The template's font; a face the system lacks falls back to one that covers the
// same script.
QFont AfxTemplateFont(const DialogTemplate& dialog);

// The average character cell of a font, as dialog units are defined on.
QSize AfxDialogBaseUnits(const QFont& font);

// Dialog units to pixels: x·cx/4, y·cy/8.
QRect AfxMapDialogRect(int x, int y, int cx, int cy, QSize baseUnits);

// Builds a template's controls as children of a parent widget, in template order (which
// is also the tab order). Buttons report their clicks through onCommand.
class CDialogBuilder
{
public:
    void Build(const DialogTemplate& dialog, QWidget* parent, std::function<void(int)> onCommand);

    QWidget* Item(int id) const { return m_items.value(id); }
    QSize Size() const { return m_size; }
    QSize BaseUnits() const { return m_baseUnits; }
    const QFont& Font() const { return m_font; }

private:
    QHash<int, QWidget*> m_items;
    QSize m_size;
    QSize m_baseUnits;
    QFont m_font;
};
