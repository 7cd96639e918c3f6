#include "platform/gui/controls.h"

int CListBox::GetCount() const
{
    return m_list ? m_list->count() : 0;
}

QString CListBox::GetText(int index) const
{
    const QListWidgetItem* item = m_list ? m_list->item(index) : nullptr;
    return item ? item->data(Qt::UserRole).toString() : QString();
}

int CListBox::AddString(const QString& text)
{
    return InsertString(-1, text);
}

int CListBox::InsertString(int index, const QString& text)
{
    if (!m_list)
        return -1;
    if (index < 0 || index > m_list->count())
        index = m_list->count();
    auto* item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, text);
    item->setToolTip(text);
    m_list->insertItem(index, item);
    return index;
}

int CListBox::DeleteString(int index)
{
    if (!m_list || index < 0 || index >= m_list->count())
        return -1;
    delete m_list->takeItem(index);
    return m_list->count();
}

int CListBox::GetCurSel() const
{
    if (!m_list)
        return -1;
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.first());
}

void CListBox::SetCurSel(int index)
{
    if (!m_list)
        return;
    if (index < 0 || index >= m_list->count()) {
        m_list->clearSelection();
        return;
    }
    m_list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

void CListBox::ResetContent()
{
    if (m_list)
        m_list->clear();
}

void CProgressCtrl::SetRange(int lower, int upper)
{
    if (m_bar)
        m_bar->setRange(lower, upper);
}

int CProgressCtrl::SetPos(int position)
{
    if (!m_bar)
        return 0;
    const int previous = m_bar->value();
    m_bar->setValue(position);
    if (previous != m_bar->value())
        m_bar->repaint();
    return previous;
}

int CProgressCtrl::GetPos() const
{
    return m_bar ? m_bar->value() : 0;
}
