#include "support/app_fixture.h"

#include "platform/filedialog.h"
#include "platform/gui/winapp_gui.h"
#include "platform/strings.h"

#include <QApplication>
#include <QFile>

void EnsureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "rawcast";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's own statics may go first at exit.
    new QApplication(argc, argv);
}

void AppFixture::SetUp()
{
    EnsureGuiApplication();
    AfxSetResourceLanguage(ResourceLanguage::English);
    m_profile = m_dir.filePath(QStringLiteral("rawcast.INI"));
    PrinterInfo raw;
    raw.name = QStringLiteral("raw");
    raw.driver = QStringLiteral("cups");
    raw.port = QStringLiteral("socket://127.0.0.1:9100");
    raw.isDefault = true;
    m_spooler.defaultPrinter = raw;
    m_spoolerScope = std::make_unique<ScopedSpooler>(m_spooler);

    AfxSetFileDialogHandler([this](const FileDialogRequest& request) -> std::optional<QString> {
        m_fileRequests.push_back(request);
        if (m_fileAnswers.empty())
            return std::nullopt;
        auto answer = m_fileAnswers.front();
        m_fileAnswers.pop_front();
        return answer;
    });
    AfxSetModalDialogHandler([this](QDialog& dialog) {
        m_modalTitles.push_back(dialog.windowTitle());
        return m_modal ? m_modal(dialog) : int(QDialog::Rejected);
    });
    AfxSetPrintDialogHandler([this](PRINTDLG& pd) {
        ++m_printDialogRuns;
        return m_printDialog ? m_printDialog(pd) : IDCANCEL;
    });
}

void AppFixture::TearDown()
{
    if (m_started && !m_exited)
        Exit();
    m_app.reset();
    AfxSetFileDialogHandler({});
    AfxSetModalDialogHandler({});
    AfxSetPrintDialogHandler({});
    m_spoolerScope.reset();
}

bool AppFixture::Start(const QStringList& arguments)
{
    m_app = std::make_unique<CRawcastApp>();
    m_app->m_pszAppName = AfxGetAppName();
    m_app->m_pszProfileName = m_profile;
    m_app->m_nCmdShow = m_nCmdShow;
    m_app->m_arguments = arguments;
    m_started = true;
    return m_app->InitInstance();
}

int AppFixture::Exit()
{
    m_exited = true;
    m_app->CloseAllDocuments();
    return m_app->ExitInstance();
}

CMainFrame* AppFixture::Frame() const
{
    return m_app ? dynamic_cast<CMainFrame*>(m_app->m_pMainWnd) : nullptr;
}

CRawcastView* AppFixture::View() const
{
    CMainFrame* frame = Frame();
    return frame ? dynamic_cast<CRawcastView*>(frame->GetActiveView()) : nullptr;
}

CRawcastDoc* AppFixture::Doc() const
{
    CRawcastView* view = View();
    return view ? view->GetDocument() : nullptr;
}

QWidget* AppFixture::Item(int id) const
{
    CRawcastView* view = View();
    return view ? view->GetDlgItem(id) : nullptr;
}

QString AppFixture::ProfileText() const
{
    QFile file(m_profile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

void AppFixture::WriteProfile(const QByteArray& text) const
{
    QFile file(m_profile);
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
}

void AppFixture::Command(UINT id)
{
    Frame()->OnCommand(id);
}
