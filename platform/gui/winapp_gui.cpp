#include "platform/gui/winapp_gui.h"

#include "platform/document.h"
#include "platform/filedialog.h"
#include "platform/gui/frame.h"
#include "platform/gui/singledoctemplate.h"
#include "platform/msgbox.h"
#include "platform/openpath.h"
#include "platform/profilename.h"
#include "platform/recentfilelist.h"
#include "platform/strings.h"
#include "platform/winapp.h"
#include "res/resource.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <cstdio>

namespace {
const CCmdTarget::MessageMapEntry kWinAppEntries[] = {
    OnCommand(ID_APP_EXIT, &CWinApp::OnAppExit),
    OnCommandRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, &CWinApp::OnOpenRecentFile),
    OnUpdateCommandUi(ID_FILE_MRU_FILE1, &CWinApp::OnUpdateRecentFileMenu),
};
} // namespace

const CCmdTarget::MessageMap AfxWinAppMessageMap{&CCmdTarget::messageMap, kWinAppEntries};

void CWinApp::AddDocTemplate(std::unique_ptr<CDocTemplate> pTemplate)
{
    m_pDocTemplate = std::move(pTemplate);
}

void CWinApp::OnFileNew()
{
    if (m_pDocTemplate)
        m_pDocTemplate->OpenDocumentFile(QString());
}

void CWinApp::OnFileOpen()
{
    FileDialogRequest request;
    request.title = AfxLoadString(AFX_IDS_OPENFILE);
    request.filterName = AfxLoadString(AFX_IDS_ALLFILTER);
    request.mustExist = true;
    if (const std::optional<QString> path = AfxRunFileDialog(request))
        OpenDocumentFile(*path);
}

CDocument* CWinApp::OpenDocumentFile(const QString& fileName)
{
    if (!m_pDocTemplate)
        return nullptr;
    const QString path = PrepareOpenPath(fileName, QDir::currentPath());
    if (CDocument* open = m_pDocTemplate->GetDocument();
        open && !open->GetPathName().isEmpty() && IsSameDocumentPath(open->GetPathName(), path)) {
        if (auto* frame = dynamic_cast<CFrameWnd*>(m_pMainWnd))
            frame->ActivateFrame();
        return open;
    }
    return m_pDocTemplate->OpenDocumentFile(path);
}

bool CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
        m_nCmdShow = SW_HIDE;
        if (OpenDocumentFile(rCmdInfo.m_strFileName)) {
            m_pCmdInfo = &rCmdInfo;
            if (auto* frame = dynamic_cast<CFrameWnd*>(m_pMainWnd))
                frame->OnCommand(ID_FILE_PRINT_DIRECT);
            m_pCmdInfo = nullptr;
        }
        return false;
    case CCommandLineInfo::FileDDE:
        m_nCmdShow = SW_HIDE;
        return true;
    case CCommandLineInfo::AppUnregister:
    case CCommandLineInfo::FileNothing:
        return true;
    }
    return false;
}

int CWinApp::Run()
{
    if (!m_pMainWnd || !QCoreApplication::instance())
        return 0;
    return QCoreApplication::exec();
}

void CWinApp::OnAppExit()
{
    // The window goes after the event that asked for it; then the loop ends.
    if (auto* frame = dynamic_cast<CFrameWnd*>(m_pMainWnd); frame && frame->GetSafeHwnd())
        frame->GetSafeHwnd()->hide();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [this] {
            CloseAllDocuments();
            QCoreApplication::exit(0);
        },
        Qt::QueuedConnection);
}

void CWinApp::CloseAllDocuments()
{
    if (m_pDocTemplate)
        m_pDocTemplate->CloseAllDocuments();
}

void CWinApp::OnOpenRecentFile(UINT nID)
{
    if (!m_pRecentFileList)
        return;
    const int index = int(nID - ID_FILE_MRU_FILE1);
    if (index < 0 || index >= m_pRecentFileList->GetSize())
        return;
    const QString path = (*m_pRecentFileList)[index];
    if (!path.isEmpty() && !OpenDocumentFile(path))
        m_pRecentFileList->Remove(index);
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    auto* ui = dynamic_cast<CMenuCmdUI*>(pCmdUI);
    if (!ui || !ui->m_pMenu || !ui->m_pAction) {
        pCmdUI->Enable(m_pRecentFileList && !(*m_pRecentFileList)[0].isEmpty());
        return;
    }
    QMenu* menu = ui->m_pMenu;
    QAction* placeholder = ui->m_pAction;
    // Entries after the first come and go with the list.
    for (QAction* action : menu->actions()) {
        const UINT id = action->data().toUInt();
        if (action != placeholder && id > ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_FILE16)
            delete action;
    }
    const QString currentDir = QDir::currentPath();
    QAction* before = nullptr;
    const QList<QAction*> actions = menu->actions();
    const qsizetype at = actions.indexOf(placeholder);
    if (at + 1 < actions.size())
        before = actions[at + 1];

    int shown = 0;
    for (int i = 0; m_pRecentFileList && i < m_pRecentFileList->GetSize(); ++i) {
        QString name;
        if (!m_pRecentFileList->GetDisplayName(name, i, currentDir))
            break;
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString text = QStringLiteral("&%1 ").arg(i + 1) + name;
        QAction* action = placeholder;
        if (shown > 0) {
            action = new QAction(menu);
            menu->insertAction(before, action);
            action->setData(UINT(ID_FILE_MRU_FILE1 + i));
            action->setStatusTip(AfxLoadString(ID_FILE_MRU_FILE1 + i));
            auto* frame = dynamic_cast<CFrameWnd*>(m_pMainWnd);
            const UINT id = ID_FILE_MRU_FILE1 + i;
            QObject::connect(action, &QAction::triggered, menu, [frame, id] {
                if (frame)
                    frame->OnCommand(id);
            });
        }
        action->setText(text);
        action->setEnabled(true);
        ++shown;
    }
    if (shown == 0) {
        placeholder->setText(placeholder->property("templateText").toString());
        placeholder->setEnabled(false);
    }
    pCmdUI->m_bEnableChanged = true;
}

// ---- Real dialogs -------------------------------------------------------------------

namespace {

QWidget* mainWidget()
{
    CWnd* main = AfxGetMainWnd();
    QWidget* widget = main ? main->GetSafeHwnd() : nullptr;
    return widget && widget->isVisible() ? widget : nullptr;
}

// A platform without a screen that anybody looks at (offscreen, minimal).
bool nobodyCanAnswer()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

int showMessageBox(const QString& caption, const QString& text, UINT type)
{
    // Without a window on the screen (the print switches, a failed start) the text may
    // go unseen: it goes to standard error as well.
    QWidget* owner = mainWidget();
    if (!owner || nobodyCanAnswer())
        std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    // Nobody could press its button: the box would wait for ever.
    if (nobodyCanAnswer())
        return (type & MB_TYPEMASK) == MB_OKCANCEL ? IDCANCEL : IDOK;
    QMessageBox box(owner);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        box.setIcon(QMessageBox::Critical);
        break;
    case MB_ICONQUESTION:
        box.setIcon(QMessageBox::Question);
        break;
    case MB_ICONASTERISK:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::Warning);
        break;
    }
    if ((type & MB_TYPEMASK) == MB_OKCANCEL) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int result = AfxRunModal(box);
    return result == QMessageBox::Cancel ? IDCANCEL : IDOK;
}

std::optional<QString> showFileDialog(const FileDialogRequest& request)
{
    QFileDialog dialog(mainWidget(),
                       request.title.isEmpty() ? AfxLoadString(AFX_IDS_OPENFILE) : request.title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // "*.*" would pass over files without a dot here: the pattern that counts is "*", the
    // text shown stays the resource's.
    const QString filter =
        request.filterName.isEmpty() ? AfxLoadString(AFX_IDS_ALLFILTER) : request.filterName;
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(filter + QStringLiteral(" (*)"));
    if (AfxRunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::cleanPath(QDir::current().absoluteFilePath(dialog.selectedFiles().first()));
}

} // namespace

void AfxInstallGuiHandlers()
{
    AfxSetMessageBoxHandler(showMessageBox);
    AfxSetFileDialogHandler(showFileDialog);
}

int AfxWinMain(CWinApp& app)
{
    app.m_pszAppName = AfxGetAppName();
    app.m_pszProfileName = AfxProfileFileName(QCoreApplication::applicationFilePath());
    if (app.m_nCmdShow < 0)
        app.m_nCmdShow = SW_SHOWNORMAL;
    if (!app.InitInstance()) {
        app.CloseAllDocuments();
        return app.ExitInstance();
    }
    app.Run();
    app.CloseAllDocuments();
    return app.ExitInstance();
}
