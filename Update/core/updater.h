#pragma once
// The updater's logic without widgets: its command line, the products it
// knows, the maker's host, the one request and the rule that decides
// whether a published version is newer than the installed one.
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

#include "common/webhost.h"

class QNetworkAccessManager;

namespace tavo::update {

// The three tokens of the command line. Missing tokens are empty.
struct UpdaterArguments {
  QString ProductToken;
  QString InstalledVersion;
  QString LanguageCode;
};

// arguments as QCoreApplication::arguments() gives them (program first).
// The rest is taken as one text joined by single blanks, as the monitor
// writes it, and split again at every blank: two blanks in a row give an
// empty token. Nothing when that text is empty (the program ends).
std::optional<UpdaterArguments> ReadUpdaterArguments(const QStringList& arguments);

// Only "EN", case counting, gives English.
bool isEnglish(const QString& languageCode);

// One row of the products this updater serves: the paths of its version
// file and of its page on the maker's host.
struct UpdateProduct {
  QString token;
  QString versionFile;
  QString productPage;
};

// The row of a product token (exact case), or nothing.
std::optional<UpdateProduct> findUpdateProduct(const QString& token);

// A published version is exactly this many characters.
inline constexpr int kVersionLength = 4;
// A version file is a few bytes; an answer larger than this is not one,
// and is not read further.
inline constexpr qint64 kMaxBodyBytes = 4096;
inline constexpr int kRequestTimeoutMs = 60 * 1000;

// True when body is a version (exactly four characters) that sorts after
// the installed one, character codes compared from the left.
bool isNewerPublishedVersion(const QString& body, const QString& installed);

// The version a body of the version file holds: exactly four printable
// characters of valid UTF-8 text, without a byte-order mark. Nothing for
// any other body (zeros, control characters, bytes that are no text): a
// broken or hostile server must not open the window with junk in it.
std::optional<QString> publishedVersion(const QByteArray& body);

// Whether a redirect from one address to another stays on the same host:
// the same scheme, host and port. Only such a redirect is followed, so
// the version shown is always the maker's host's own.
bool isSameOrigin(const QUrl& from, const QUrl& to);

// The maker's host, the same one the monitor's links go to.
using tavo::normalisedHost;
using tavo::webHost;
// host followed by one of the table's paths.
QUrl hostUrl(const QString& host, const QString& path);

// One GET of a small text. done receives the body's bytes, or nothing
// when the request failed in any way: no network, refused, an HTTP error
// status, the time-out, a redirect to another host, or an answer larger
// than kMaxBodyBytes.
class VersionFetch : public QObject {
  Q_OBJECT
 public:
  using Done = std::function<void(std::optional<QByteArray> body)>;
  explicit VersionFetch(QObject* parent = nullptr);
  ~VersionFetch() override;
  void get(const QUrl& url, int timeoutMs, Done done);

 private:
  std::unique_ptr<QNetworkAccessManager> manager_;
};

}  // namespace tavo::update
