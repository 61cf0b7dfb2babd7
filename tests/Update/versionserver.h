#pragma once
// A small HTTP server on 127.0.0.1 for the updater's tests: it answers
// every request with one configured status and body, or never answers.
#include <QByteArray>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

namespace tavo::update::testing {

class VersionServer : public QObject {
 public:
  VersionServer() {
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
      }
    });
  }

  // Listens on a free port of a loopback address (127.0.0.1 unless told).
  bool listen(const QHostAddress& address = QHostAddress::LocalHost) {
    address_ = address;
    return server_.listen(address, 0);
  }
  // The address with its scheme, as TAVO_WEB_HOST holds it.
  QString host() const { return QStringLiteral("http://%1:%2").arg(address_.toString()).arg(server_.serverPort()); }

  // Answers the requests of path (of every path when empty) with a
  // redirect to location; the others get the answer set before.
  void redirect(const QByteArray& location, const QByteArray& path = {}) {
    location_ = location;
    redirectedPath_ = path;
  }

  void answer(int status, const QByteArray& body) {
    status_ = status;
    body_ = body;
    location_.clear();
    silent_ = false;
  }
  void neverAnswer() { silent_ = true; }

  // The request lines received, e.g. "GET /tavo.txt HTTP/1.1".
  QStringList requests;

 private:
  void serve(QTcpSocket* socket) {
    QByteArray& pending = buffers_[socket];
    pending += socket->readAll();
    const qsizetype headerEnd = pending.indexOf("\r\n\r\n");
    if (headerEnd < 0) return;
    const QByteArray requestLine = pending.left(pending.indexOf("\r\n"));
    requests << QString::fromLatin1(requestLine);
    pending.clear();
    if (silent_) return;
    const QList<QByteArray> parts = requestLine.split(' ');
    const bool redirected =
        !location_.isEmpty() && (redirectedPath_.isEmpty() || (parts.size() > 1 && parts.at(1) == redirectedPath_));
    const QByteArray body = redirected ? QByteArray() : body_;
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(redirected ? 302 : status_) + " Status\r\n";
    if (redirected) reply += "Location: " + location_ + "\r\n";
    reply += "Content-Type: text/plain\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n";
    reply += "Connection: close\r\n\r\n" + body;
    socket->write(reply);
    socket->disconnectFromHost();
  }

  QTcpServer server_;
  QHostAddress address_;
  QByteArray location_;
  QByteArray redirectedPath_;
  QHash<QTcpSocket*, QByteArray> buffers_;
  int status_ = 200;
  QByteArray body_;
  bool silent_ = false;
};

}  // namespace tavo::update::testing
