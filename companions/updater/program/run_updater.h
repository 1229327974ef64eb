#pragma once

#include <QStringList>

#include "signature.h"

namespace updater {

// Installs the message box behind platform::MsgBox: a modal Qt box, the text also written to
// standard error for a user who started the updater from a terminal.
void InstallMessageBox();

// The updater program, with its application object already made: `arguments` are the program's
// ("-U" or "-R" after the program's name). Updates the program in the current folder from the
// download site, accepting only packages signed with `trustedKey`; shows a message for every
// failure. Returns the exit code: 0 updated, 1 not updated, 2 wrong arguments.
int RunUpdater(const QStringList& arguments, const PublicKey& trustedKey);

}  // namespace updater
