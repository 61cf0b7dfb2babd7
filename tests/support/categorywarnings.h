#pragma once
// The warnings one logging category gives while this object lives: what a
// program writes to its own category instead of telling the user.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace tavo::test {

class CategoryWarnings {
 public:
  explicit CategoryWarnings(const char* category) : category_(category) {
    captured_ = this;
    previous_ = qInstallMessageHandler(&CategoryWarnings::handle);
  }
  ~CategoryWarnings() {
    qInstallMessageHandler(previous_);
    captured_ = nullptr;
  }
  const QStringList& messages() const { return messages_; }

 private:
  static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (captured_ && type == QtWarningMsg && QByteArrayView(context.category) == captured_->category_)
      captured_->messages_.append(text);
  }
  static inline CategoryWarnings* captured_ = nullptr;
  QByteArray category_;
  QStringList messages_;
  QtMessageHandler previous_ = nullptr;
};

}  // namespace tavo::test
