#pragma once

// Helpers of the application tests: the window's menus, bars and list as the user sees them.
#include "support/app_fixture.h"
#include "support/qt_print.h"

#include "platform/recentfilelist.h"
#include "res/resource.h"

#include <QApplication>

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

class AppTest : public AppFixture
{
protected:
    QMainWindow* Window() const { return Frame() ? Frame()->GetMainWindow() : nullptr; }

    QMenu* Popup(int index) const
    {
        const QList<QAction*> top = Window()->menuBar()->actions();
        return index < top.size() ? top[index]->menu() : nullptr;
    }
    QMenu* FileMenu() const { return Popup(0); }
    QMenu* ViewMenu() const { return Popup(1); }

    // Opens a popup as a click on its title does (its items are brought up to date), and
    // closes it again.
    void Refresh(QMenu* menu) const
    {
        menu->popup(Window()->mapToGlobal(QPoint(0, 0)));
        menu->close();
    }

    // The items of a popup with their texts, after the popup was opened.
    QAction* MenuItem(QMenu* menu, UINT id) const
    {
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator() && action->data().toUInt() == id)
                return action;
        }
        return nullptr;
    }
    QStringList RecentEntries() const
    {
        QStringList texts;
        for (QAction* action : FileMenu()->actions()) {
            const UINT id = action->data().toUInt();
            if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_FILE16)
                texts << action->text();
        }
        return texts;
    }

    QToolBar* ToolBar() const { return Frame()->m_wndToolBar.GetToolBar(); }
    QString StatusText() const { return Frame()->m_wndStatusBar.GetPaneText(0); }

    QStringList Entries() const
    {
        QStringList entries;
        for (int i = 0; i < View()->m_list.GetCount(); ++i)
            entries << View()->m_list.GetText(i);
        return entries;
    }
    QStringList RecentFiles() const
    {
        QStringList files;
        for (int i = 0; i < m_app->m_pRecentFileList->GetSize(); ++i) {
            if (!(*m_app->m_pRecentFileList)[i].isEmpty())
                files << (*m_app->m_pRecentFileList)[i];
        }
        return files;
    }
    QString Caption() const { return Window()->windowTitle(); }

    // The profile's lines in file order, blank lines left out.
    QStringList ProfileLines() const
    {
        return ProfileText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
};
