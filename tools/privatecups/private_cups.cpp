#include "private_cups.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <cups/cups.h>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The variables start() changes, to be put back by stop().
const char* const kSavedVariables[] = {"CUPS_SERVER", "LPDEST", "PRINTER"};

QString findProgram(const QString& program)
{
    if (program.contains(QLatin1Char('/')))
        return program;
    QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        path = QStandardPaths::findExecutable(
            program, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"),
                      QStringLiteral("/sbin"), QStringLiteral("/bin")});
    return path;
}

bool writeFile(const QString& path, const QByteArray& text, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size()) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

QString stateName(ipp_jstate_t state)
{
    switch (state) {
    case IPP_JSTATE_PENDING:
        return QStringLiteral("pending");
    case IPP_JSTATE_HELD:
        return QStringLiteral("held");
    case IPP_JSTATE_PROCESSING:
        return QStringLiteral("processing");
    case IPP_JSTATE_STOPPED:
        return QStringLiteral("stopped");
    case IPP_JSTATE_CANCELED:
        return QStringLiteral("canceled");
    case IPP_JSTATE_ABORTED:
        return QStringLiteral("aborted");
    case IPP_JSTATE_COMPLETED:
        return QStringLiteral("completed");
    }
    return QString::number(int(state));
}

// The last lines of a text, for error messages.
QString tail(const QString& text, int lines)
{
    QStringList all = text.split(QLatin1Char('\n'));
    if (all.size() > lines)
        all = all.mid(all.size() - lines);
    return all.join(QLatin1Char('\n'));
}

// True when user lp can pass through the folder and every folder above it.
bool traversableByOthers(const QString& path)
{
    QByteArray dir = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    for (;;) {
        struct stat info;
        if (::stat(dir.constData(), &info) < 0 || !(info.st_mode & S_IXOTH))
            return false;
        const qsizetype slash = dir.lastIndexOf('/');
        if (slash <= 0)
            return true;
        dir.truncate(slash);
    }
}

// Folders of earlier harnesses whose process died without stop() (a crash, SIGKILL): their
// cupsd went with them, the folder stayed. Only folders of a dead cupsd, untouched for ten
// minutes, so that a harness starting next to this one is never taken for one.
void removeStaleRoots(const QString& base)
{
    const QDir dir(base);
    const auto entries = dir.entryInfoList({QStringLiteral("rawcast-cups-*")},
                                           QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        if (entry.lastModified().secsTo(QDateTime::currentDateTime()) < 600)
            continue;
        QFile pidFile(entry.filePath() + QStringLiteral("/state/cupsd.pid"));
        if (pidFile.open(QIODevice::ReadOnly)) {
            const pid_t pid = pid_t(pidFile.readAll().trimmed().toLong());
            if (pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM))
                continue;
        }
        QDir(entry.filePath()).removeRecursively();
    }
}

} // namespace

PrivateCups::PrivateCups() = default;

PrivateCups::~PrivateCups()
{
    stop();
}

QString PrivateCups::serverSocket() const
{
    return m_socket;
}

QString PrivateCups::rootDir() const
{
    return m_root;
}

bool PrivateCups::start(QString* error)
{
    if (m_pid > 0)
        return true;
    QString ignored;
    if (!error)
        error = &ignored;

    const QString cupsd = findProgram(QStringLiteral("cupsd"));
    if (cupsd.isEmpty()) {
        *error = QStringLiteral("cupsd not found (install cups-daemon)");
        return false;
    }

    // A short base keeps the socket path within the 108 bytes a Unix socket allows; a
    // private TMPDIR (0700 somewhere above) would lock the backends out.
    QString base = QDir::tempPath();
    if (base.size() > 60 || !QFileInfo(base).isDir() || !traversableByOthers(base))
        base = QStringLiteral("/tmp");
    removeStaleRoots(base);
    QByteArray pattern = QFile::encodeName(base + QStringLiteral("/rawcast-cups-XXXXXX"));
    if (!::mkdtemp(pattern.data())) {
        *error = QStringLiteral("cannot create a folder in %1: %2")
                     .arg(base, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    m_root = QFile::decodeName(pattern);
    // Backends run as lp: every folder on the way must be traversable by it.
    ::chmod(pattern.constData(), 0755);
    m_socket = m_root + QStringLiteral("/cups.sock");
    if (!writeConfig(error)) {
        stop();
        return false;
    }

    const QByteArray program = QFile::encodeName(cupsd);
    const QByteArray conf = QFile::encodeName(m_root + QStringLiteral("/cupsd.conf"));
    const QByteArray files = QFile::encodeName(m_root + QStringLiteral("/cups-files.conf"));
    const QByteArray output = QFile::encodeName(m_root + QStringLiteral("/cupsd.out"));
    const int outFd = ::open(output.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int nullFd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    const pid_t parent = ::getpid();

    const pid_t pid = ::fork();
    if (pid < 0) {
        *error = QStringLiteral("fork: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        if (outFd >= 0)
            ::close(outFd);
        if (nullFd >= 0)
            ::close(nullFd);
        stop();
        return false;
    }
    if (pid == 0) {
        // Only async-signal-safe calls from here to exec.
        ::setpgid(0, 0); // out of the terminal's way: Ctrl+C reaches our process, not cupsd
        ::prctl(PR_SET_PDEATHSIG, SIGTERM); // cupsd dies with the process that started it
        if (::getppid() != parent)
            ::_exit(127);
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        ::signal(SIGINT, SIG_DFL);
        ::signal(SIGTERM, SIG_DFL);
        ::signal(SIGPIPE, SIG_DFL);
        if (nullFd >= 0)
            ::dup2(nullFd, 0);
        if (outFd >= 0) {
            ::dup2(outFd, 1);
            ::dup2(outFd, 2);
        }
        ::execl(program.constData(), "cupsd", "-f", "-c", conf.constData(), "-s", files.constData(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    if (outFd >= 0)
        ::close(outFd);
    if (nullFd >= 0)
        ::close(nullFd);
    m_pid = pid;

    if (!waitUntilAnswering(20000, error)) {
        stop();
        return false;
    }

    // This process's libcups now talks to the private server only.
    m_savedEnvironment.clear();
    for (const char* name : kSavedVariables) {
        const char* value = std::getenv(name);
        m_savedEnvironment.emplace_back(value != nullptr, value ? QByteArray(value) : QByteArray());
    }
    ::setenv("CUPS_SERVER", QFile::encodeName(m_socket).constData(), 1);
    ::unsetenv("LPDEST");
    ::unsetenv("PRINTER");
    cupsSetServer(QFile::encodeName(m_socket).constData()); // also drops a cached connection
    return true;
}

bool PrivateCups::writeConfig(QString* error)
{
    const QByteArray root = QFile::encodeName(m_root);
    for (const char* sub : {"spool", "tmp", "cache", "state", "ppd"}) {
        const QByteArray dir = root + '/' + sub;
        if (::mkdir(dir.constData(), 0755) < 0) {
            *error = QStringLiteral("cannot create %1").arg(QFile::decodeName(dir));
            return false;
        }
    }
    const QByteArray files = "# Written by PrivateCups: everything lives under this folder.\n"
                             "ServerRoot " +
                             root +
                             "\n"
                             "RequestRoot " +
                             root +
                             "/spool\n"
                             "TempDir " +
                             root +
                             "/tmp\n"
                             "CacheDir " +
                             root +
                             "/cache\n"
                             "StateDir " +
                             root +
                             "/state\n"
                             "ErrorLog " +
                             root +
                             "/error_log\n"
                             "AccessLog " +
                             root +
                             "/access_log\n"
                             "PageLog " +
                             root +
                             "/page_log\n"
                             "Printcap " +
                             root +
                             "/printcap\n"
                             "ServerBin /usr/lib/cups\n"
                             "DataDir /usr/share/cups\n"
                             "FileDevice Yes\n"
                             "User lp\n"
                             "Group lp\n"
                             "SystemGroup root\n"
                             "LogFileGroup root\n"
                             "CreateSelfSignedCerts no\n";
    const QByteArray conf = "# Written by PrivateCups: a Unix socket only, no web, no browsing.\n"
                            "LogLevel " +
                            m_logLevel.toLatin1() +
                            "\n"
                            "MaxLogSize 0\n"
                            "Listen " +
                            QFile::encodeName(m_socket) +
                            "\n"
                            "Browsing No\n"
                            "BrowseLocalProtocols none\n"
                            "WebInterface No\n"
                            "DefaultAuthType None\n"
                            "DefaultEncryption Never\n"
                            "PreserveJobHistory Yes\n"
                            "PreserveJobFiles No\n"
                            "MaxJobs 0\n"
                            "ErrorPolicy abort-job\n"
                            "<Location />\n"
                            "  Order allow,deny\n"
                            "  Allow all\n"
                            "</Location>\n"
                            "<Policy default>\n"
                            "  JobPrivateAccess all\n"
                            "  JobPrivateValues none\n"
                            "  SubscriptionPrivateAccess all\n"
                            "  SubscriptionPrivateValues none\n"
                            "  <Limit All>\n"
                            "    Order deny,allow\n"
                            "  </Limit>\n"
                            "</Policy>\n";
    return writeFile(m_root + QStringLiteral("/cups-files.conf"), files, error) &&
           writeFile(m_root + QStringLiteral("/cupsd.conf"), conf, error);
}

bool PrivateCups::waitUntilAnswering(int timeoutMs, QString* error)
{
    QElapsedTimer timer;
    timer.start();
    const QByteArray socket = QFile::encodeName(m_socket);
    for (;;) {
        int status = 0;
        if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            *error = failureText(
                WIFEXITED(status)
                    ? QStringLiteral("cupsd exited with status %1").arg(WEXITSTATUS(status))
                    : QStringLiteral("cupsd died of signal %1").arg(WTERMSIG(status)));
            return false;
        }
        if (QFileInfo::exists(m_socket)) {
            http_t* http = httpConnect2(socket.constData(), 0, nullptr, AF_UNSPEC,
                                        HTTP_ENCRYPTION_NEVER, 1, 1000, nullptr);
            if (http) {
                ipp_t* response = cupsDoRequest(http, ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/");
                httpClose(http);
                if (response) {
                    ippDelete(response);
                    return true;
                }
            }
        }
        if (timer.elapsed() > timeoutMs) {
            *error =
                failureText(QStringLiteral("cupsd did not answer within %1 ms").arg(timeoutMs));
            return false;
        }
        QThread::msleep(10);
    }
}

QString PrivateCups::failureText(const QString& what) const
{
    QString text = what + QStringLiteral(" (root %1)").arg(m_root);
    QFile out(m_root + QStringLiteral("/cupsd.out"));
    if (out.open(QIODevice::ReadOnly)) {
        const QString output = QString::fromLocal8Bit(out.readAll()).trimmed();
        if (!output.isEmpty())
            text += QStringLiteral("\ncupsd output:\n") + tail(output, 20);
    }
    const QString log = errorLog().trimmed();
    if (!log.isEmpty())
        text += QStringLiteral("\nerror_log:\n") + tail(log, 40);
    return text;
}

void PrivateCups::stop()
{
    if (m_pid > 0) {
        ::kill(m_pid, SIGTERM);
        QElapsedTimer timer;
        timer.start();
        bool reaped = false;
        while (!reaped && timer.elapsed() < 5000) {
            int status = 0;
            const pid_t r = ::waitpid(m_pid, &status, WNOHANG);
            if (r == m_pid || (r < 0 && errno == ECHILD))
                reaped = true;
            else
                QThread::msleep(5);
        }
        if (!reaped) {
            ::kill(-m_pid, SIGKILL); // cupsd and whatever it left in its process group
            ::kill(m_pid, SIGKILL);
            int status = 0;
            while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
            }
        }
        m_pid = -1;
    }
    // The sinks go after cupsd, so no backend is left writing to them.
    m_sinks.clear();

    if (!m_savedEnvironment.empty()) {
        for (std::size_t i = 0; i < m_savedEnvironment.size(); ++i) {
            const auto& [set, value] = m_savedEnvironment[i];
            if (set)
                ::setenv(kSavedVariables[i], value.constData(), 1);
            else
                ::unsetenv(kSavedVariables[i]);
        }
        m_savedEnvironment.clear();
        cupsSetServer(nullptr); // back to the environment's server, dropping the connection
    }

    if (!m_root.isEmpty()) {
        if (qEnvironmentVariableIntValue("RAWCAST_KEEP_PRIVATE_CUPS") == 0)
            QDir(m_root).removeRecursively();
        m_root.clear();
        m_socket.clear();
    }
}

LoopbackSink* PrivateCups::addRawQueue(const QString& name, QString* error)
{
    auto sink = std::make_unique<LoopbackSink>();
    if (!sink->start(error))
        return nullptr;
    if (!addQueue(name, QStringLiteral("socket://127.0.0.1:%1").arg(sink->port()), error))
        return nullptr;
    LoopbackSink* raw = sink.get();
    m_sinks[name] = std::move(sink);
    return raw;
}

bool PrivateCups::addQueue(const QString& name, const QString& deviceUri, QString* error)
{
    int code = -1;
    const QString output = runTool(
        QStringLiteral("lpadmin"),
        {QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"), deviceUri}, &code);
    if (code != 0) {
        if (error)
            *error =
                QStringLiteral("lpadmin -p %1 failed (%2): %3").arg(name).arg(code).arg(output);
        return false;
    }
    return true;
}

bool PrivateCups::removeQueue(const QString& name)
{
    int code = -1;
    runTool(QStringLiteral("lpadmin"), {QStringLiteral("-x"), name}, &code);
    if (code == 0)
        m_sinks.erase(name);
    return code == 0;
}

bool PrivateCups::setDefault(const QString& name)
{
    int code = -1;
    runTool(QStringLiteral("lpadmin"), {QStringLiteral("-d"), name}, &code);
    return code == 0;
}

std::vector<PrivateCups::JobRecord> PrivateCups::jobs()
{
    std::vector<JobRecord> records;
    if (m_pid <= 0)
        return records;
    http_t* http = httpConnect2(QFile::encodeName(m_socket).constData(), 0, nullptr, AF_UNSPEC,
                                HTTP_ENCRYPTION_NEVER, 1, 10000, nullptr);
    if (!http)
        return records;
    cups_job_t* list = nullptr;
    const int count = cupsGetJobs2(http, &list, nullptr, 0, CUPS_WHICHJOBS_ALL);
    for (int i = 0; i < count; ++i) {
        const cups_job_t& job = list[i];
        records.push_back({job.id, QString::fromUtf8(job.title), QString::fromUtf8(job.format),
                           stateName(job.state), QString::fromUtf8(job.dest)});
    }
    cupsFreeJobs(count, list);
    httpClose(http);
    std::sort(records.begin(), records.end(),
              [](const JobRecord& a, const JobRecord& b) { return a.id < b.id; });
    return records;
}

bool PrivateCups::waitForIdle(int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        const auto all = jobs();
        const bool busy = std::any_of(all.begin(), all.end(), [](const JobRecord& job) {
            return job.state == QLatin1String("pending") ||
                   job.state == QLatin1String("processing");
        });
        if (!busy)
            return m_pid > 0;
        if (timer.elapsed() > timeoutMs)
            return false;
        QThread::msleep(20);
    }
}

QString PrivateCups::runTool(const QString& program, const QStringList& args, int* exitCode)
{
    if (exitCode)
        *exitCode = -1;
    const QString path = findProgram(program);
    if (path.isEmpty())
        return QStringLiteral("%1: not found").arg(program);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!m_socket.isEmpty())
        env.insert(QStringLiteral("CUPS_SERVER"), m_socket);
    process.setProcessEnvironment(env);
    process.setProgram(path);
    process.setArguments(args);
    process.start();
    if (!process.waitForStarted(10000))
        return QStringLiteral("%1: %2").arg(program, process.errorString());
    process.closeWriteChannel();
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished(5000);
        return QStringLiteral("%1: did not finish").arg(program);
    }
    const QString output = QString::fromLocal8Bit(process.readAllStandardOutput()) +
                           QString::fromLocal8Bit(process.readAllStandardError());
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return output;
}

LoopbackSink* PrivateCups::sink(const QString& queue) const
{
    const auto it = m_sinks.find(queue);
    return it == m_sinks.end() ? nullptr : it->second.get();
}

QString PrivateCups::errorLog() const
{
    if (m_root.isEmpty())
        return QString();
    QFile log(m_root + QStringLiteral("/error_log"));
    if (!log.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(log.readAll());
}
