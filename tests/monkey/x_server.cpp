#include "x_server.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QDeadlineTimer>
#include <QStandardPaths>
#include <cerrno>
#include <csignal>
#include <vector>

namespace {

constexpr int kStartTimeoutMs = 15000;
constexpr int kStopTimeoutMs = 3000;
// The descriptor on which the server names its display.
constexpr int kDisplayFd = 3;

}  // namespace

QString findProgram(const QString& name) {
  return QStandardPaths::findExecutable(name);
}

QString XServer::start(const QString& executable) {
  int channel[2];
  if (::pipe2(channel, O_CLOEXEC) != 0) {
    return QStringLiteral("could not make a pipe for the display number");
  }
  QByteArrayList arguments = {executable.toLocal8Bit(),
                              "-displayfd",
                              QByteArray::number(kDisplayFd),
                              "-screen",
                              "0",
                              "800x600x24",
                              "-nolisten",
                              "tcp",
                              "-noreset"};
  std::vector<char*> argv;
  for (QByteArray& argument : arguments) {
    argv.push_back(argument.data());
  }
  argv.push_back(nullptr);

  const pid_t test = ::getpid();
  pid_ = ::fork();
  if (pid_ == 0) {
    // Killed with the test, however the test ends (a crash, the CTest time-out).
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != test || ::dup2(channel[1], kDisplayFd) != kDisplayFd) {
      ::_exit(126);
    }
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(channel[1]);
  if (pid_ < 0) {
    ::close(channel[0]);
    return QStringLiteral("could not fork");
  }

  // The server writes the number and a line break once it takes connections.
  QByteArray reply;
  const QDeadlineTimer deadline(kStartTimeoutMs);
  while (!reply.contains('\n') && !deadline.hasExpired()) {
    pollfd watch{channel[0], POLLIN, 0};
    const int ready = ::poll(&watch, 1, static_cast<int>(deadline.remainingTime()));
    if (ready < 0 && errno == EINTR) {
      continue;
    }
    char next = 0;
    if (ready <= 0 || ::read(channel[0], &next, 1) != 1) {
      break;
    }
    reply.append(next);
  }
  ::close(channel[0]);
  if (!reply.contains('\n')) {
    stop();
    return QStringLiteral("Xvfb named no display within %1 ms").arg(kStartTimeoutMs);
  }
  display_ = QStringLiteral(":") + QString::fromLatin1(reply.trimmed());
  return {};
}

void XServer::stop() {
  if (pid_ <= 0) {
    return;
  }
  ::kill(pid_, SIGTERM);
  for (const QDeadlineTimer deadline(kStopTimeoutMs); !deadline.hasExpired();) {
    if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
      pid_ = -1;
      return;
    }
    ::usleep(10000);
  }
  ::kill(pid_, SIGKILL);
  ::waitpid(pid_, nullptr, 0);
  pid_ = -1;
}
