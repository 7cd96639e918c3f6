#pragma once

#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QString>

// Thin wrappers over the form's controls, bound to them by data exchange.

class CListBox
{
public:
    void Attach(QListWidget* list) { m_list = list; }
    QListWidget* GetSafeHwnd() const { return m_list; }

    int GetCount() const;
    QString GetText(int index) const;
    int AddString(const QString& text);
    int InsertString(int index, const QString& text);
    int DeleteString(int index); // the count left
    int GetCurSel() const;       // -1 when nothing is selected
    void SetCurSel(int index);   // -1 clears the selection
    void ResetContent();

private:
    QPointer<QListWidget> m_list;
};

// Every change is painted at once: a running job does not return to the event loop.
class CProgressCtrl
{
public:
    void Attach(QProgressBar* bar) { m_bar = bar; }
    QProgressBar* GetSafeHwnd() const { return m_bar; }

    void SetRange(int lower, int upper);
    int SetPos(int position); // the previous position
    int GetPos() const;

private:
    QPointer<QProgressBar> m_bar;
};
