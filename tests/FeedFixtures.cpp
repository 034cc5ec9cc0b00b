#include "tests/FeedFixtures.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSslSocket>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace feedtest {

namespace {

constexpr qint64 EndlessChunk = 64 * 1024;

QByteArray readFile(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

QByteArray statusLine(int status)
{
    return "HTTP/1.1 " + QByteArray::number(status) + " Test\r\nConnection: close\r\n";
}

} // namespace

QByteArray run(const QString& program, const QStringList& args, const QString& dir)
{
    QProcess process;
    process.setWorkingDirectory(dir);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, args);
    const bool done = process.waitForFinished(60'000);
    EXPECT_TRUE(done && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        << program.toStdString() << ' ' << args.join(u' ').toStdString() << ": "
        << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

Signer Signer::make(const QString& dir)
{
    QDir().mkpath(dir);
    Signer signer{dir};
    run(u"minisign"_s, {u"-G"_s, u"-W"_s, u"-p"_s, signer.pub(), u"-s"_s, signer.sec()}, dir);
    return signer;
}

QByteArray Signer::sign(const QByteArray& bytes, const QString& trustedComment, bool legacy) const
{
    const QString file = dir + u"/signed"_s;
    writeFile(file, bytes);
    QStringList args{u"-S"_s, u"-s"_s, sec(), u"-m"_s, file, u"-t"_s, trustedComment};
    if (legacy)
        args << u"-l"_s;
    run(u"minisign"_s, args, dir);
    return readFile(file + u".minisig"_s);
}

QByteArray Signer::publicKeyFile() const
{
    return readFile(pub());
}

TestAuthority TestAuthority::make(const QString& dir)
{
    QDir().mkpath(dir);
    const QString ec = u"ec_paramgen_curve:prime256v1"_s;
    run(u"openssl"_s,
        {u"req"_s, u"-x509"_s, u"-newkey"_s, u"ec"_s, u"-pkeyopt"_s, ec, u"-nodes"_s, u"-keyout"_s, u"ca.key"_s,
         u"-out"_s, u"ca.crt"_s, u"-days"_s, u"2"_s, u"-subj"_s, u"/CN=Tallyvane test authority"_s, u"-addext"_s,
         u"basicConstraints=critical,CA:TRUE"_s, u"-addext"_s, u"keyUsage=critical,keyCertSign"_s},
        dir);
    run(u"openssl"_s,
        {u"req"_s, u"-newkey"_s, u"ec"_s, u"-pkeyopt"_s, ec, u"-nodes"_s, u"-keyout"_s, u"server.key"_s, u"-out"_s,
         u"server.csr"_s, u"-subj"_s, u"/CN=127.0.0.1"_s},
        dir);
    writeFile(dir + u"/server.ext"_s, "subjectAltName=IP:127.0.0.1\nextendedKeyUsage=serverAuth\n");
    run(u"openssl"_s,
        {u"x509"_s, u"-req"_s, u"-in"_s, u"server.csr"_s, u"-CA"_s, u"ca.crt"_s, u"-CAkey"_s, u"ca.key"_s,
         u"-CAcreateserial"_s, u"-out"_s, u"server.crt"_s, u"-days"_s, u"2"_s, u"-extfile"_s, u"server.ext"_s},
        dir);
    return TestAuthority{QSslCertificate(readFile(dir + u"/ca.crt"_s)),
                         QSslCertificate(readFile(dir + u"/server.crt"_s)),
                         QSslKey(readFile(dir + u"/server.key"_s), QSsl::Ec)};
}

QSslConfiguration TestAuthority::clientConfig() const
{
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    config.setCaCertificates({ca});
    return config;
}

LoopbackHttps::LoopbackHttps(const TestAuthority& authority)
    : certificate_(authority.server)
    , key_(authority.serverKey)
{
    EXPECT_TRUE(listen(QHostAddress::LocalHost, 0)) << errorString().toStdString();
}

QUrl LoopbackHttps::url(const QString& path) const
{
    return QUrl(u"https://127.0.0.1:%1%2"_s.arg(serverPort()).arg(path));
}

void LoopbackHttps::incomingConnection(qintptr descriptor)
{
    auto* socket = new QSslSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    socket->setLocalCertificate(certificate_);
    socket->setPrivateKey(key_);
    connect(socket, &QSslSocket::readyRead, this, [this, socket] { readRequest(socket); });
    connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
    // A client that refuses the certificate ends the handshake; so be it.
    connect(socket, &QSslSocket::errorOccurred, socket, &QObject::deleteLater);
    socket->startServerEncryption();
}

void LoopbackHttps::readRequest(QSslSocket* socket)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n") || socket->property("answered").toBool())
        return;
    socket->setProperty("answered", true);
    const QString path = QString::fromLatin1(request.split(' ').value(1));
    ++requests_[path];
    answer(socket, routes_.value(path, Route{.status = 404, .body = "no such file"}));
}

void LoopbackHttps::answer(QSslSocket* socket, const Route& route)
{
    const QByteArray length = "Content-Length: ";
    switch (route.kind) {
    case Route::Kind::Body:
        socket->write(statusLine(route.status) + length + QByteArray::number(route.body.size()) + "\r\n\r\n"
                      + route.body);
        return socket->disconnectFromHost();
    case Route::Kind::Cut:
        socket->write(statusLine(200) + length + QByteArray::number(route.body.size() + 1000) + "\r\n\r\n"
                      + route.body);
        return socket->disconnectFromHost();
    case Route::Kind::Announce:
        socket->write(statusLine(200) + length + QByteArray::number(route.announced) + "\r\n\r\n" + route.body);
        return;
    case Route::Kind::Silent:
        return;
    case Route::Kind::Endless:
        socket->write(statusLine(200) + "\r\n");
        connect(socket, &QSslSocket::bytesWritten, this, [this, socket] { feedEndless(socket); });
        connect(socket, &QSslSocket::encryptedBytesWritten, this, [this, socket] { feedEndless(socket); });
        return feedEndless(socket);
    case Route::Kind::Redirect:
        socket->write(statusLine(302) + "Location: " + route.location + "\r\n" + length + "0\r\n\r\n");
        return socket->disconnectFromHost();
    }
}

void LoopbackHttps::feedEndless(QSslSocket* socket)
{
    // Keep about one chunk waiting: what was written before is out of the socket.
    if (socket->state() != QAbstractSocket::ConnectedState
        || socket->bytesToWrite() + socket->encryptedBytesToWrite() >= EndlessChunk)
        return;
    socket->write(QByteArray(EndlessChunk, 'x'));
    endlessSent_ += EndlessChunk;
}

} // namespace feedtest
