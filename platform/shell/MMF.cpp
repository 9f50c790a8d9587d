#include "platform/shell/MMF.h"

#include <QLocalSocket>

#include <memory>

#include <unistd.h>

namespace {

constexpr int kConnectTimeoutMs = 1000;
// An open command holds one path; anything longer is not from an instance.
constexpr qint64 kMaxCommandBytes = 64 * 1024;
// Ends every command text; no path holds it.
constexpr char kEndMark = '\0';

// True when an instance answers on name.
bool IsServerAlive(const QString& name) {
    QLocalSocket probe;
    probe.connectToServer(name);
    const bool alive = probe.waitForConnected(kConnectTimeoutMs);
    probe.abort();
    return alive;
}

} // namespace

QString CMMF::DisplayKey() {
    // The display the windows go to: a Wayland display where there is one,
    // else the X display. Letters, digits and dots only, so that
    // "localhost:10.0" makes a valid socket name.
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    QString key;
    for (const QChar c : display)
        key += c.isLetterOrNumber() || c == u'.' ? c : u'_';
    return key;
}

QString CMMF::ServerNameFor(const QString& applicationName) {
    // Local socket names share one folder between users; the user id keeps
    // each user's instances apart, and the display each of his sessions: a
    // start on another display is a librarian of its own there, not a
    // window brought forward on a screen nobody looks at.
    return applicationName + u'-' + QString::number(::getuid()) + u'-' + DisplayKey();
}

CMMF::CMMF(const QString& name) : name_(name) {
    if (IsServerAlive(name_)) {
        isFirstInstance_ = false;
        return;
    }
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &CMMF::OnNewConnection);
    if (server_.listen(name_))
        return;
    if (server_.serverError() != QAbstractSocket::AddressInUseError)
        return;
    // Another instance may have started in the meantime; otherwise the
    // socket is what a crashed instance left behind.
    if (IsServerAlive(name_)) {
        isFirstInstance_ = false;
        return;
    }
    QLocalServer::removeServer(name_);
    server_.listen(name_);
}

CMMF::~CMMF() { server_.close(); }

bool CMMF::SendCommand(const QString& text, int timeoutMs) {
    if (isFirstInstance_)
        return false;
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(text.toUtf8() + kEndMark);
    if (socket.bytesToWrite() > 0 && !socket.waitForBytesWritten(timeoutMs))
        return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return true;
}

void CMMF::SetCommandHandler(CommandHandler handler) {
    handler_ = std::move(handler);
    if (!handler_)
        return;
    std::vector<QString> pending;
    pending.swap(pending_);
    for (const QString& text : pending)
        handler_(text);
}

void CMMF::OnNewConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        auto received = std::make_shared<QByteArray>();
        auto take = [socket, received] {
            received->append(socket->readAll());
            if (received->size() > kMaxCommandBytes) {
                received->clear();
                socket->abort();
            }
        };
        // The text is complete when the other instance hangs up after its end
        // mark; a connection that only looked whether an instance runs, or
        // broke off, carries no command.
        auto finish = [this, socket, received] {
            socket->deleteLater();
            if (received->endsWith(kEndMark))
                Deliver(QString::fromUtf8(received->chopped(1)));
        };
        connect(socket, &QLocalSocket::readyRead, this, take);
        connect(socket, &QLocalSocket::disconnected, this, finish);
        if (socket->bytesAvailable() > 0)
            take();
        if (socket->state() == QLocalSocket::UnconnectedState) {
            socket->disconnect(this);
            finish();
        }
    }
}

void CMMF::Deliver(const QString& text) {
    if (handler_)
        handler_(text);
    else
        pending_.push_back(text);
}
