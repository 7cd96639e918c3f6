#pragma once

#include "app/rawcastapp.h"
#include "doc/rawcastdoc.h"
#include "mainframe/mainframe.h"
#include "platform/filedialog.h"
#include "support/recording_spooler.h"
#include "support/test_env.h"
#include "view/rawcastview.h"

#include <QDialog>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <optional>

// A QApplication on the offscreen platform, made once per test process.
void EnsureGuiApplication();

// The whole program on real widgets: the application object started with a command
// line, its profile in a temporary folder, a spooler double (or the real CUPS), and
// every dialog answered by the test.
class AppFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // InitInstance with these words after the program's name.
    bool Start(const QStringList& arguments = {});
    // The exit steps: the window and the document go, then ExitInstance.
    int Exit();

    CMainFrame* Frame() const;
    CRawcastView* View() const;
    CRawcastDoc* Doc() const;
    QWidget* Item(int id) const;
    QString ProfileText() const;
    void WriteProfile(const QByteArray& text) const;

    // Runs the command along the window's route, as a menu item or button does.
    void Command(UINT id);

    QTemporaryDir m_dir;
    TempFiles m_files;
    QString m_profile;
    RecordingSpooler m_spooler;
    std::unique_ptr<ScopedSpooler> m_spoolerScope; // cleared for tests on the real CUPS
    std::unique_ptr<CRawcastApp> m_app;
    MessageBoxRecorder m_boxes;
    bool m_started = false;
    bool m_exited = false;
    int m_nCmdShow = SW_SHOWNORMAL; // the show state the program is started with

    // Answers of the file dialog, in order; an empty optional is Cancel.
    std::deque<std::optional<QString>> m_fileAnswers;
    std::vector<FileDialogRequest> m_fileRequests;
    // Answers modal dialogs: gets the dialog shown, returns its result.
    std::function<int(QDialog&)> m_modal;
    std::vector<QString> m_modalTitles;
    std::function<int(PRINTDLG&)> m_printDialog;
    int m_printDialogRuns = 0;
};
