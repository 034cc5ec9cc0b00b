#pragma once

// What the feed's tests need from outside the program, made at test time:
// minisign key pairs and signatures from Debian's minisign, a test certificate
// authority and server certificates from the openssl command line, and a small
// HTTPS server on 127.0.0.1 that answers each path as a route says, including
// the ways a server goes wrong.

#include <QByteArray>
#include <QHash>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QString>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QUrl>

class QSslSocket;

namespace feedtest {

// Runs program with args in dir; returns its standard output, or fails the
// test with what it printed.
QByteArray run(const QString& program, const QStringList& args, const QString& dir);

// A minisign key pair in a folder of its own.
struct Signer {
    QString dir;
    QString pub() const { return dir + QStringLiteral("/key.pub"); }
    QString sec() const { return dir + QStringLiteral("/key.sec"); }
    static Signer make(const QString& dir);
    // The .minisig of bytes under trustedComment; legacy signs the bytes
    // themselves rather than their hash.
    QByteArray sign(const QByteArray& bytes, const QString& trustedComment, bool legacy = false) const;
    QByteArray publicKeyFile() const;
};

// A certificate authority and a certificate for 127.0.0.1 that it signed.
struct TestAuthority {
    QSslCertificate ca;
    QSslCertificate server;
    QSslKey serverKey;
    static TestAuthority make(const QString& dir);
    // A client that trusts this authority alone.
    QSslConfiguration clientConfig() const;
};

struct Route {
    enum class Kind {
        Body,      // status, headers and the whole body
        Cut,       // Content-Length larger than the body, then close
        Announce,  // Content-Length of announced, a little body, then wait
        Silent,    // accept and never answer
        Endless,   // a body without end, without Content-Length
        Redirect,  // 302 to location
    };
    Kind kind = Kind::Body;
    int status = 200;
    QByteArray body{};
    qint64 announced = 0;
    QByteArray location{};
};

class LoopbackHttps : public QTcpServer {
public:
    explicit LoopbackHttps(const TestAuthority& authority);

    void route(const QString& path, Route route) { routes_.insert(path, std::move(route)); }
    QUrl url(const QString& path) const;
    // Body bytes an Endless route got out of its socket, over all requests.
    qint64 endlessSent() const { return endlessSent_; }
    // Requests that asked for path.
    int requests(const QString& path) const { return requests_.value(path); }

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void readRequest(QSslSocket* socket);
    void answer(QSslSocket* socket, const Route& route);
    void feedEndless(QSslSocket* socket);

    QSslCertificate certificate_;
    QSslKey key_;
    QHash<QString, Route> routes_;
    QHash<QString, int> requests_;
    qint64 endlessSent_ = 0;
};

} // namespace feedtest
