#include "Update/ui/updaterprogram.h"

#include "Update/core/updatelog.h"
#include "Update/core/updaterwindowtexts.h"
#include "Update/ui/form1.h"
#include "common/desktopseam.h"

namespace tavo::update {

UpdaterProgram::UpdaterProgram(const QString& host, tavo::DesktopSeam& desktop, int timeoutMs)
    : host_(host), desktop_(desktop), timeoutMs_(timeoutMs), form_(std::make_unique<Form1>()) {
  form_->setHomeAddress(host_);
  connect(form_.get(), &Form1::Label4Clicked, this, &UpdaterProgram::OpenProductPage);
  connect(form_.get(), &Form1::cmdCloseClicked, this, &UpdaterProgram::endProgram);
  connect(form_.get(), &Form1::queryUnload, this, &UpdaterProgram::endProgram);
}

UpdaterProgram::~UpdaterProgram() = default;

bool UpdaterProgram::start(const QStringList& arguments) {
  const auto read = ReadUpdaterArguments(arguments);
  if (!read) {
    ended_ = true;
    return false;
  }
  arguments_ = *read;
  ApplyUpdaterLanguage();
  if (!CheckPublishedVersion()) {
    ended_ = true;
    return false;
  }
  return true;
}

void UpdaterProgram::ApplyUpdaterLanguage() {
  form_->applyTexts(updaterWindowTexts(!isEnglish(arguments_.LanguageCode), arguments_.ProductToken));
}

bool UpdaterProgram::CheckPublishedVersion() {
  form_->setCurrentVersion(arguments_.InstalledVersion);
  const auto product = findUpdateProduct(arguments_.ProductToken);
  // Without a product there is nothing to ask: the body stays empty,
  // which is never a newer version.
  if (!product) return false;
  fetch_.get(hostUrl(host_, product->versionFile), timeoutMs_,
             [this](const std::optional<QByteArray>& body) { publishedVersionArrived(body); });
  return true;
}

void UpdaterProgram::publishedVersionArrived(const std::optional<QByteArray>& body) {
  // A failed request has nothing to show, like any answer that is not a
  // newer version: the program ends without a word.
  if (!body) qCInfo(updateLog) << "no answer from" << host_;
  const std::optional<QString> version = body ? publishedVersion(*body) : std::nullopt;
  if (!version || !isNewerPublishedVersion(*version, arguments_.InstalledVersion)) {
    endProgram();
    return;
  }
  form_->setPublishedVersion(*version);
  form_->show();
}

void UpdaterProgram::OpenProductPage() {
  const auto product = findUpdateProduct(arguments_.ProductToken);
  if (!product) return;
  // A browser that does not open has nothing more to tell the user: the
  // address stays on the label to be typed by hand.
  const QUrl page = hostUrl(host_, product->productPage);
  if (!desktop_.openUrl(page)) qCWarning(updateLog) << "no browser took" << page;
}

void UpdaterProgram::endProgram() {
  if (ended_) return;
  ended_ = true;
  form_->hide();
  desktop_.quit();
}

}  // namespace tavo::update
