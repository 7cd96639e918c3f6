#include "loopback_sink.h"

#include "sha256.h"

#include <QDir>
#include <QFile>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

struct LoopbackSink::Connection
{
    int fd = -1;
    int file = -1; // the job's file in the output folder, if any
    qint64 size = 0;
    qint64 keepLimit = 0;
    QByteArray data;
    std::unique_ptr<Sha256> hash;
};

namespace {

bool writeAll(int fd, const char* data, ssize_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

} // namespace

LoopbackSink::LoopbackSink()
{
    start();
}

LoopbackSink::~LoopbackSink()
{
    if (m_thread.joinable()) {
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        const uint64_t one = 1;
        [[maybe_unused]] ssize_t n = ::write(m_wakeFd, &one, sizeof one);
        m_thread.join();
    }
    if (m_listenFd >= 0)
        ::close(m_listenFd);
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

bool LoopbackSink::start(QString* error)
{
    if (m_listenFd >= 0)
        return true;
    auto fail = [&](const char* what) {
        if (error)
            *error = QStringLiteral("loopback sink: %1: %2")
                         .arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
        if (m_listenFd >= 0)
            ::close(m_listenFd);
        m_listenFd = -1;
        return false;
    };
    m_listenFd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_listenFd < 0)
        return fail("socket");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    if (::bind(m_listenFd, reinterpret_cast<sockaddr*>(&address), sizeof address) < 0)
        return fail("bind 127.0.0.1");
    if (::listen(m_listenFd, 16) < 0)
        return fail("listen");
    socklen_t length = sizeof address;
    if (::getsockname(m_listenFd, reinterpret_cast<sockaddr*>(&address), &length) < 0)
        return fail("getsockname");
    m_port = ntohs(address.sin_port);
    m_wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0)
        return fail("eventfd");
    m_thread = std::thread([this] { run(); });
    return true;
}

void LoopbackSink::run()
{
    std::vector<std::unique_ptr<Connection>> connections;
    std::vector<pollfd> fds;
    for (;;) {
        fds.clear();
        fds.push_back({m_wakeFd, POLLIN, 0});
        fds.push_back({m_listenFd, POLLIN, 0});
        for (const auto& c : connections)
            fds.push_back({c->fd, POLLIN, 0});
        const int ready = ::poll(fds.data(), nfds_t(fds.size()), -1);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[0].revents) {
            std::lock_guard lock(m_mutex);
            if (m_stopping)
                break;
        }
        // Connections accepted in this round are polled from the next one.
        for (std::size_t i = 2; i < fds.size(); ++i) {
            if (!fds[i].revents)
                continue;
            Connection& c = *connections[i - 2];
            if (!receive(c)) {
                ::close(c.fd);
                c.fd = -1;
                if (c.file >= 0)
                    ::close(c.file);
                Job job;
                job.size = c.size;
                job.data = std::move(c.data);
                if (c.hash)
                    job.sha256 = c.hash->result();
                std::lock_guard lock(m_mutex);
                m_jobs.push_back(std::move(job));
                --m_open;
                m_changed.notify_all();
            }
        }
        std::erase_if(connections, [](const auto& c) { return c->fd < 0; });
        while (fds[1].revents & POLLIN) {
            const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
            if (fd < 0)
                break;
            auto c = std::make_unique<Connection>();
            c->fd = fd;
            std::lock_guard lock(m_mutex);
            ++m_open;
            ++m_accepted;
            c->keepLimit = m_keepLimit;
            if (m_hashing)
                c->hash = std::make_unique<Sha256>();
            if (!m_outputDir.isEmpty()) {
                const QString name =
                    QDir(m_outputDir)
                        .filePath(
                            QStringLiteral("job-%1.prn").arg(m_accepted, 4, 10, QLatin1Char('0')));
                c->file = ::open(QFile::encodeName(name).constData(),
                                 O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            }
            connections.push_back(std::move(c));
        }
    }
    for (const auto& c : connections) {
        ::close(c->fd);
        if (c->file >= 0)
            ::close(c->file);
    }
}

bool LoopbackSink::receive(Connection& c)
{
    static thread_local std::unique_ptr<char[]> buffer(new char[1 << 18]);
    const ssize_t n = ::read(c.fd, buffer.get(), 1 << 18);
    if (n < 0)
        return errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK;
    if (n == 0)
        return false;
    c.size += n;
    if (c.hash)
        c.hash->add(QByteArrayView(buffer.get(), n));
    if (c.data.size() < c.keepLimit)
        c.data.append(buffer.get(), qsizetype(std::min<qint64>(n, c.keepLimit - c.data.size())));
    if (c.file >= 0 && !writeAll(c.file, buffer.get(), n)) {
        ::close(c.file);
        c.file = -1;
    }
    std::lock_guard lock(m_mutex);
    m_bytes += n;
    m_changed.notify_all();
    return true;
}

std::vector<LoopbackSink::Job> LoopbackSink::jobs() const
{
    std::lock_guard lock(m_mutex);
    return m_jobs;
}

bool LoopbackSink::waitForJobs(int count, int timeoutMs)
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return int(m_jobs.size()) >= count; });
}

void LoopbackSink::setKeepLimit(qint64 bytes)
{
    std::lock_guard lock(m_mutex);
    m_keepLimit = std::max<qint64>(bytes, 0);
}

void LoopbackSink::setOutputDir(const QString& dir)
{
    std::lock_guard lock(m_mutex);
    m_outputDir = dir;
}

void LoopbackSink::setHashing(bool on)
{
    std::lock_guard lock(m_mutex);
    m_hashing = on;
}

qint64 LoopbackSink::bytesReceived() const
{
    std::lock_guard lock(m_mutex);
    return m_bytes;
}

bool LoopbackSink::waitForBytes(qint64 total, int timeoutMs)
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return m_bytes >= total; });
}

int LoopbackSink::openConnections() const
{
    std::lock_guard lock(m_mutex);
    return m_open;
}

void LoopbackSink::clear()
{
    std::lock_guard lock(m_mutex);
    m_jobs.clear();
    m_bytes = 0;
}
