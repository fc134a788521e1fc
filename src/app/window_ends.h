// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QCoreApplication;

namespace parvola {

// Every way the window's process can end while a split or join runs in the background takes back what the
// job wrote before the process goes: SIGTERM, SIGHUP and SIGINT (then quit is called), the application
// quitting (the desktop session ending), and exit() (Qt's answer to a lost display connection).
void EndJobsWithTheProcess(QCoreApplication& app, std::function<void()> quit);

} // namespace parvola
