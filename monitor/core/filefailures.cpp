#include "monitor/core/filefailures.h"

#include <QDir>

namespace tavo::monitor {

void FileFailures::failed(const FileFailure& failure) {
  if (collecting_ && !collected_.contains(failure)) collected_.append(failure);
  if (told_.contains(failure)) return;
  told_.append(failure);
  emit newFailure(failure);
}

void FileFailures::succeeded(const QString& path) {
  told_.removeIf([&](const FileFailure& f) { return f.path == path; });
}

QString fileFailureText(const FileFailure& f, bool fr) {
  using A = FileFailure::Action;
  QString head;
  QString tail;
  switch (f.action) {
    case A::WriteSessionLine:
      head = fr ? QStringLiteral(" Tavo ne peut pas \u00e9crire la session en cours dans : ")
                : QStringLiteral(" Tavo cannot write the current session in: ");
      tail = fr ? QStringLiteral(" Tavo garde la session en m\u00e9moire et r\u00e9essaie chaque minute. ")
                : QStringLiteral(" Tavo keeps the session in memory and tries again every minute. ");
      break;
    case A::MoveSessionLines:
      head = fr ? QStringLiteral(" Tavo ne peut pas ajouter les sessions termin\u00e9es \u00e0 : ")
                : QStringLiteral(" Tavo cannot add the closed sessions to: ");
      tail =
          fr ? QStringLiteral(
                   " Elles attendent dans session_stats.csv; Tavo r\u00e9essaie chaque minute et au prochain "
                   "d\u00e9marrage. ")
             : QStringLiteral(" They wait in session_stats.csv; Tavo tries again every minute and at its next start. ");
      break;
    case A::ReadSessionLines:
      head = fr ? QStringLiteral(" Tavo ne peut pas lire les sessions en attente dans : ")
                : QStringLiteral(" Tavo cannot read the waiting sessions in: ");
      tail = fr ? QStringLiteral(" Le fichier est gard\u00e9 tel quel et Tavo r\u00e9essaie chaque minute. ")
                : QStringLiteral(" The file is kept as it is and Tavo tries again every minute. ");
      break;
    case A::KeptAside:
      head = fr ? QStringLiteral(" Ce fichier ne contient pas de lignes de session : ")
                : QStringLiteral(" This file does not hold session lines: ");
      tail = (fr ? QStringLiteral(" Tavo l'a gard\u00e9 sous le nom : \n\n %1 \n\n et en commence un nouveau. ")
                 : QStringLiteral(" Tavo kept it under the name: \n\n %1 \n\n and starts a new one. "))
                 .arg(QDir::toNativeSeparators(f.newPath));
      break;
    case A::SessionLineLost:
      head = fr ? QStringLiteral(" Tavo n'a pas pu enregistrer la session en cours dans : ")
                : QStringLiteral(" Tavo could not save the current session in: ");
      tail = fr ? QStringLiteral(" Les chiffres de cette session sont perdus. ")
                : QStringLiteral(" The figures of this session are lost. ");
      break;
    case A::SaveSettings:
      head = fr ? QStringLiteral(" Tavo ne peut pas enregistrer ses r\u00e9glages dans : ")
                : QStringLiteral(" Tavo cannot save its settings in: ");
      tail = fr ? QStringLiteral(" Les r\u00e9glages actuels ne seront pas repris au prochain d\u00e9marrage. ")
                : QStringLiteral(" The current settings will not be used at the next start. ");
      break;
    case A::MakeLogsFolder:
      head = fr ? QStringLiteral(" Tavo ne peut pas cr\u00e9er le dossier des journaux : ")
                : QStringLiteral(" Tavo cannot create the logs folder: ");
      tail = fr ? QStringLiteral(" Les d\u00e9bits ne sont pas journalis\u00e9s. ")
                : QStringLiteral(" The rates are not logged. ");
      break;
    case A::AppendLogLine:
      head = fr ? QStringLiteral(" Tavo ne peut pas ajouter de ligne au journal des d\u00e9bits : ")
                : QStringLiteral(" Tavo cannot add a line to the rate log: ");
      tail = fr ? QStringLiteral(
                      " Les minutes manqu\u00e9es ne sont pas journalis\u00e9es; Tavo r\u00e9essaie chaque minute. ")
                : QStringLiteral(" The missed minutes are not logged; Tavo tries again every minute. ");
      break;
  }
  QString text = head + QStringLiteral("\n\n ") + QDir::toNativeSeparators(f.path) + QStringLiteral(" \n\n");
  QString reason = f.reason;
  // The monitor's own reasons follow its language; the system's stand as given.
  if (fr && reason == QLatin1String(kNotSessionLines)) reason = QStringLiteral("pas des lignes de session");
  if (fr && reason == QLatin1String(kNotRegularFile)) reason = QStringLiteral("pas un fichier ordinaire");
  if (!reason.isEmpty()) text += QStringLiteral(" (") + reason + QStringLiteral(") \n\n");
  return text + tail;
}

}  // namespace tavo::monitor
