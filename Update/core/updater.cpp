#include "Update/core/updater.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>
#include <QTimer>
#include <array>

namespace tavo::update {

std::optional<UpdaterArguments> ReadUpdaterArguments(const QStringList& arguments) {
  const QString text = arguments.mid(1).join(QLatin1Char(' '));
  if (text.isEmpty()) return std::nullopt;
  const QStringList tokens = text.split(QLatin1Char(' '), Qt::KeepEmptyParts);
  const auto token = [&tokens](qsizetype i) { return i < tokens.size() ? tokens.at(i) : QString(); };
  return UpdaterArguments{token(0), token(1), token(2)};
}

bool isEnglish(const QString& languageCode) { return languageCode == QLatin1String("EN"); }

std::optional<UpdateProduct> findUpdateProduct(const QString& token) {
  static const std::array<const char*, 12> table = {
      "Tavo",    "/tavo.txt",    "/tavo.php",   //
      "Quorbel", "/quorbel.txt", "/quorb.php",  //
      "Zenfo",   "/zenfo.txt",   "/zenf.php",   //
      "Pilmar",  "/pilmar.txt",  "/pilmar.php",
  };
  for (std::size_t i = 0; i < table.size(); i += 3)
    if (token == QLatin1String(table[i]))
      return UpdateProduct{token, QLatin1String(table[i + 1]), QLatin1String(table[i + 2])};
  return std::nullopt;
}

bool isNewerPublishedVersion(const QString& body, const QString& installed) {
  return body.size() == kVersionLength && QString::compare(body, installed, Qt::CaseSensitive) > 0;
}

std::optional<QString> publishedVersion(const QByteArray& body) {
  if (body.startsWith("\xEF\xBB\xBF")) return std::nullopt;
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = decoder.decode(body);
  if (decoder.hasError()) return std::nullopt;
  const QList<uint> characters = text.toUcs4();
  if (characters.size() != kVersionLength) return std::nullopt;
  for (const uint c : characters)
    if (!QChar::isPrint(c) || c == 0xFFFD) return std::nullopt;
  return text;
}

bool isSameOrigin(const QUrl& from, const QUrl& to) {
  return from.scheme().compare(to.scheme(), Qt::CaseInsensitive) == 0 &&
         from.host().compare(to.host(), Qt::CaseInsensitive) == 0 &&
         from.port(from.scheme() == QLatin1String("https") ? 443 : 80) ==
             to.port(to.scheme() == QLatin1String("https") ? 443 : 80);
}

QUrl hostUrl(const QString& host, const QString& path) { return QUrl(host + path); }

VersionFetch::VersionFetch(QObject* parent) : QObject(parent), manager_(std::make_unique<QNetworkAccessManager>()) {}

VersionFetch::~VersionFetch() = default;

void VersionFetch::get(const QUrl& url, int timeoutMs, Done done) {
  QNetworkRequest request(url);
  // The transfer time-out catches a silent server early; the deadline
  // below also ends one that trickles its answer byte by byte.
  request.setTransferTimeout(timeoutMs);
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  // Each redirect is looked at: only one that stays on the host asked is
  // followed.
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
  QNetworkReply* reply = manager_->get(request);
  connect(reply, &QNetworkReply::redirected, reply, [reply, url](const QUrl& target) {
    if (isSameOrigin(url, url.resolved(target))) emit reply->redirectAllowed();
    else reply->abort();
  });

  auto* deadline = new QTimer(reply);
  deadline->setSingleShot(true);
  connect(deadline, &QTimer::timeout, reply, &QNetworkReply::abort);
  deadline->start(timeoutMs);

  connect(reply, &QNetworkReply::readyRead, reply, [reply] {
    if (reply->bytesAvailable() > kMaxBodyBytes) reply->abort();
  });
  connect(reply, &QNetworkReply::finished, this, [reply, done = std::move(done)] {
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status < 200 || status > 299) {
      done(std::nullopt);
      return;
    }
    const QByteArray bytes = reply->read(kMaxBodyBytes + 1);
    if (bytes.size() > kMaxBodyBytes) {
      done(std::nullopt);
      return;
    }
    done(bytes);
  });
}

}  // namespace tavo::update
