#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <memory>

// Streaming SHA-256 over OpenSSL's libcrypto (several times faster than QCryptographicHash
// here, which matters for the harness's hundreds of megabytes).
class Sha256
{
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void add(QByteArrayView bytes);
    QByteArray result(); // the raw 32-byte digest; ends the stream

    static QByteArray of(QByteArrayView bytes);

private:
    struct Context;
    std::unique_ptr<Context> m_context;
};
