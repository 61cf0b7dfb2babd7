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
  QString reason;
  if (lock == Lock::Failed) reason = instance_->error();
  else if (!canWriteIn(folder_, &reason)) instance_->release(/*forget=*/true);
  if (!instance_->held()) {
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
  const QString folder = QDir::toNativeSeparators(folder_);
  QString text = french ? QStringLiteral(" Tavo ne peut pas \u00e9crire dans son dossier : \n\n %1 \n\n"
                                         " Le moniteur doit pouvoir \u00e9crire dans ce dossier pour y garder ses "
                                         "statistiques. Tavo va se fermer. ")
                        : QStringLiteral(" Tavo cannot write in its folder: \n\n %1 \n\n"
                                         " The monitor must be able to write in this folder to keep its statistics "
                                         "there. Tavo will close. ");
  text = text.arg(folder);
  if (!reason_.isEmpty()) text += QStringLiteral("\n\n (") + reason_ + QStringLiteral(") ");
  return text;
}

}  // namespace tavo::monitor
