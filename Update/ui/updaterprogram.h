#pragma once
// The updater program: its arguments, its one request and its window.
#include <QObject>
#include <QUrl>
#include <memory>

#include "Update/core/updater.h"

namespace tavo {
class DesktopSeam;
}

namespace tavo::update {

class Form1;

class UpdaterProgram : public QObject {
  Q_OBJECT
 public:
  // host: the maker's host with its scheme (webHost()). The product page
  // opens and the program ends through desktop.
  UpdaterProgram(const QString& host, tavo::DesktopSeam& desktop, int timeoutMs = kRequestTimeoutMs);
  ~UpdaterProgram() override;

  // Reads the arguments, puts the texts on the window and asks the host
  // for the published version; nothing is shown meanwhile. False when the
  // program ends at once (no argument, a product it does not know): the
  // event loop is not needed then. Otherwise the answer either shows the
  // window or ends the program through the desktop's quit.
  bool start(const QStringList& arguments);

  // Click of Label4.
  void OpenProductPage();

  bool ended() const { return ended_; }
  const UpdaterArguments& arguments() const { return arguments_; }
  Form1& window() { return *form_; }

 private:
  void ApplyUpdaterLanguage();
  bool CheckPublishedVersion();
  void publishedVersionArrived(const std::optional<QByteArray>& body);
  void endProgram();

  QString host_;
  tavo::DesktopSeam& desktop_;
  int timeoutMs_;
  UpdaterArguments arguments_;
  std::unique_ptr<Form1> form_;
  VersionFetch fetch_;
  bool ended_ = false;
};

}  // namespace tavo::update
