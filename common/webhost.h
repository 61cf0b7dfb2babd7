#pragma once
// The maker's web host that the monitor's links and the updater's version
// check both go to, so the two always agree.
#include <QString>

namespace tavo {

// The maker's host with its scheme, without a trailing "/": the
// environment variable TAVO_WEB_HOST when set and not empty (tests,
// mirrors), else the build's setting. A host written without a scheme is
// reached over http.
QString webHost();

// The host as webHost() gives it: blanks and trailing "/" removed, http
// when no scheme is written; an empty text stays empty.
QString normalisedHost(QString host);

}  // namespace tavo
