#pragma once

// The output form's tests: the whole program on real widgets, and what they need to read
// and drive the form.

#include "support/app_fixture.h"
#include "support/qt_print.h"

#include "res/resource.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

class FormTest : public AppFixture
{
protected:
    QStringList Entries() const
    {
        QStringList entries;
        for (int i = 0; i < View()->m_list.GetCount(); ++i)
            entries << View()->m_list.GetText(i);
        return entries;
    }
    QLineEdit* BlockSizeBox() const { return qobject_cast<QLineEdit*>(Item(IDC_BLOCK_SIZE)); }
    QLabel* LabelWidget(int id) const { return qobject_cast<QLabel*>(Item(id)); }
    QString Label(int id) const { return LabelWidget(id)->text(); }
    QProgressBar* Bar() const { return qobject_cast<QProgressBar*>(Item(IDC_PROGRESS)); }
    void Click(int id) { QTest::mouseClick(Item(id), Qt::LeftButton); }
    void Fill(const QStringList& entries)
    {
        for (const QString& entry : entries)
            View()->m_list.AddString(entry);
    }
    // Ends the running program, then starts a new one on this profile text.
    bool Restart(const QByteArray& profile, const QStringList& arguments = {})
    {
        if (m_started && !m_exited)
            Exit();
        m_app.reset();
        m_exited = false;
        WriteProfile(profile);
        return Start(arguments);
    }
};

// The printer text form of the fixture's default printer.
inline const QString kRawPort = QStringLiteral("cups,raw,socket://127.0.0.1:9100");
