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

  // Listens on a free port of the loopback address.
  bool listen() { return server_.listen(QHostAddress::LocalHost, 0); }
  // The address with its scheme, as TAVO_WEB_HOST holds it.
  QString host() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }

  void answer(int status, const QByteArray& body) {
    status_ = status;
    body_ = body;
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
    requests << QString::fromLatin1(pending.left(pending.indexOf("\r\n")));
    pending.clear();
    if (silent_) return;
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(status_) + " Status\r\n";
    reply += "Content-Type: text/plain\r\nContent-Length: " + QByteArray::number(body_.size()) + "\r\n";
    reply += "Connection: close\r\n\r\n" + body_;
    socket->write(reply);
    socket->disconnectFromHost();
  }

  QTcpServer server_;
  QHash<QTcpSocket*, QByteArray> buffers_;
  int status_ = 200;
  QByteArray body_;
  bool silent_ = false;
};

}  // namespace tavo::update::testing
