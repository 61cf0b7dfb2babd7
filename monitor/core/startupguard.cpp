#include "monitor/core/startupguard.h"

#include "common/keyvalue.h"
#include "common/textfile.h"

#include <QDir>

namespace tavo::monitor {

StartupGuard::StartupGuard(const QString& folder)
    : folder_(folder), instance_(std::make_unique<tavo::platform::SingleInstance>(folder)) {}

StartupGuard::~StartupGuard() = default;

bool StartupGuard::admit() {
  using Lock = tavo::platform::SingleInstance::Outcome;
  refusal_ = Refusal::None;
  reason_.clear();
  const Lock lock = instance_->acquire();
  if (lock == Lock::HeldByAnother) {
    refusal_ = Refusal::AnotherMonitor;
    return false;
  }
  using Kind = tavo::platform::SingleInstance::LockFileKind;
  if (lock == Lock::Failed && instance_->lockFileKind() == Kind::Missing) {
    // No lock file and none could be made: the folder's trouble.
    refusal_ = Refusal::FolderNotWritable;
    reason_ = instance_->error();
    return false;
  }
  if (lock == Lock::Failed) {
    // The lock file's own trouble, told as such: the folder may be fine.
    refusal_ = Refusal::LockUnusable;
    reason_ = instance_->failedCall() + QStringLiteral(": ") + instance_->error();
    lockKind_ = instance_->lockFileKind();
    return false;
  }
  QString reason;
  if (!canWriteIn(folder_, &reason)) {
    instance_->release(/*forget=*/true);
    refusal_ = Refusal::FolderNotWritable;
    reason_ = reason;
    return false;
  }
  return true;
}

bool StartupGuard::refusalIsFrench(const QString& settingsPath) {
  // The language of Tavo.ini when it can be read (French also when it has
  // no Lang line, as at a normal start), English otherwise.
  bool exists = false;
  bool french = true;
  for (const auto& [key, value] : readKeyValueFile(settingsPath, &exists))
    if (key == QLatin1String("Lang")) french = value == QLatin1String("FR");
  return exists && french;
}

QString StartupGuard::refusalText(const QString& settingsPath) const {
  const bool french = refusalIsFrench(settingsPath);
  if (refusal_ == Refusal::LockUnusable) {
    using Kind = tavo::platform::SingleInstance::LockFileKind;
    QString what;
    switch (lockKind_) {
      case Kind::Folder: what = french ? QStringLiteral("c'est un dossier") : QStringLiteral("it is a folder"); break;
      case Kind::DanglingLink:
        what = french ? QStringLiteral("c'est un lien vers un fichier absent")
                      : QStringLiteral("it is a link to a missing file");
        break;
      case Kind::Pipe:
        what = french ? QStringLiteral("c'est un tube nomm\u00e9 (FIFO), pas un fichier")
                      : QStringLiteral("it is a named pipe (FIFO), not a file");
        break;
      case Kind::Special:
        what = french ? QStringLiteral("c'est un fichier sp\u00e9cial, pas un fichier ordinaire")
                      : QStringLiteral("it is a special file, not a regular file");
        break;
      case Kind::Missing:
      case Kind::File: break;
    }
    QString text = french ? QStringLiteral(
                                " Tavo ne peut pas utiliser son fichier de verrou : \n\n %1 \n\n"
                                " Supprimez-le ou rendez-le accessible, puis relancez Tavo. "
                                "Tavo va se fermer. ")
                          : QStringLiteral(
                                " Tavo cannot use its lock file: \n\n %1 \n\n"
                                " Remove it or make it accessible, then start Tavo again. "
                                "Tavo will close. ");
    text = text.arg(QDir::toNativeSeparators(instance_->lockPath()));
    text += QStringLiteral("\n\n (") + reason_;
    if (!what.isEmpty()) text += QStringLiteral("; ") + what;
    return text + QStringLiteral(") ");
  }
  const QString folder = QDir::toNativeSeparators(folder_);
  QString text = french ? QStringLiteral(
                              " Tavo ne peut pas \u00e9crire dans son dossier : \n\n %1 \n\n"
                              " Le moniteur doit pouvoir \u00e9crire dans ce dossier pour y garder ses "
                              "statistiques. Tavo va se fermer. ")
                        : QStringLiteral(
                              " Tavo cannot write in its folder: \n\n %1 \n\n"
                              " The monitor must be able to write in this folder to keep its statistics "
                              "there. Tavo will close. ");
  text = text.arg(folder);
  if (!reason_.isEmpty()) text += QStringLiteral("\n\n (") + reason_ + QStringLiteral(") ");
  return text;
}

}  // namespace tavo::monitor
