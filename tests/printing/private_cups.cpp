#include "private_cups.h"

#include <cups/cups.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <csignal>
#include <cstring>

namespace scoreink::test {

namespace {

constexpr const char* kCupsd = "/usr/sbin/cupsd";
constexpr const char* kCupsPdfBackend = "/usr/lib/cups/backend/cups-pdf";
constexpr const char* kCupsPdfPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
constexpr int kStartTimeoutMs = 15000;

bool WriteText(const QString& path, const QString& text) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
         file.write(text.toUtf8()) == text.toUtf8().size();
}

bool CanConnect(const QString& socketPath) {
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  if (fd < 0) return false;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray path = QFile::encodeName(socketPath);
  if (size_t(path.size()) >= sizeof(address.sun_path)) {
    close(fd);
    return false;
  }
  memcpy(address.sun_path, path.constData(), size_t(path.size()));
  const bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return connected;
}

// The cups-pdf driver description with the queue's own defaults: 600 dpi, and a printable
// area 12 points in from every edge of A4 (100 printer pixels at 600 dpi).
QString TestPrinterPpd() {
  QFile original(kCupsPdfPpd);
  if (!original.open(QIODevice::ReadOnly)) return {};
  QStringList lines = QString::fromLatin1(original.readAll()).split('\n');
  for (QString& line : lines) {
    if (line.startsWith("*DefaultResolution:")) line = "*DefaultResolution: 600dpi";
    if (line.startsWith("*ImageableArea A4/A4:")) line = "*ImageableArea A4/A4: \"12 12 583 830\"";
  }
  return lines.join('\n');
}

}  // namespace

ScopedCupsClient::ScopedCupsClient(const QString& socketPath, const QString& clientFolder) {
  const std::pair<const char*, QByteArray> settings[] = {
      {"CUPS_SERVER", QFile::encodeName(socketPath)},
      // No client.conf or lpoptions of the system's, and none of the user's.
      {"CUPS_SERVERROOT", QFile::encodeName(clientFolder)},
      {"HOME", QFile::encodeName(clientFolder)},
      {"LPDEST", {}},
      {"PRINTER", {}},
  };
  for (const auto& [name, value] : settings) {
    saved_.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
    if (value.isEmpty())
      qunsetenv(name);
    else
      qputenv(name, value);
  }
  // libcups remembers the server it first used; make it take this one now.
  cupsSetServer(socketPath.toLocal8Bit().constData());
}

ScopedCupsClient::~ScopedCupsClient() {
  for (const Saved& saved : saved_) {
    if (saved.set)
      qputenv(saved.name, saved.value);
    else
      qunsetenv(saved.name);
  }
  cupsSetServer(nullptr);  // back to what the environment says
}

PrivateCups::PrivateCups(bool accepting) {
  if (geteuid() != 0) {
    unavailable_ = "not root: cupsd and the cups-pdf backend need root";
  } else if (!QFileInfo::exists(kCupsd) || !QFileInfo::exists(kCupsPdfBackend) ||
             !QFileInfo::exists(kCupsPdfPpd)) {
    unavailable_ = "cups or printer-driver-cups-pdf is not installed (tools/setup_packages.sh)";
  } else if (!dir_.isValid()) {
    unavailable_ = "no temporary folder";
  } else if (!WriteConfiguration(accepting)) {
    unavailable_ = "cannot write the scheduler's configuration";
  } else if (Start()) {
    client_ = std::make_unique<ScopedCupsClient>(Path("cups.sock"), Path("client"));
  }
}

PrivateCups::~PrivateCups() {
  client_.reset();
  Stop();
}

bool PrivateCups::WriteConfiguration(bool accepting) {
  // cupsd runs filters as the user lp, which must reach the spool inside this folder.
  QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                         QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                         QFileDevice::ExeOther);
  for (const char* folder : {"etc/ppd", "etc/ssl", "spool/tmp", "cache", "state", "log", "pdf",
                             "pdf-spool", "gs-tmp", "client"}) {
    if (!QDir().mkpath(Path(folder))) return false;
  }
  const QString ppd = TestPrinterPpd();
  const QString root = dir_.path();
  return !ppd.isEmpty() && WriteText(Path(QString("etc/ppd/%1.ppd").arg(kQueue)), ppd) &&
         WriteText(Path("etc/cups-files.conf"), QString("ServerRoot %1/etc\n"
                                                        "RequestRoot %1/spool\n"
                                                        "TempDir %1/spool/tmp\n"
                                                        "CacheDir %1/cache\n"
                                                        "StateDir %1/state\n"
                                                        "ServerKeychain %1/etc/ssl\n"
                                                        "AccessLog %1/log/access_log\n"
                                                        "ErrorLog %1/log/error_log\n"
                                                        "PageLog %1/log/page_log\n"
                                                        "ServerBin /usr/lib/cups\n"
                                                        "DataDir /usr/share/cups\n"
                                                        "SystemGroup root\n"
                                                        "FileDevice No\n"
                                                        "Printcap %1/state/printcap\n")
                                                    .arg(root)) &&
         WriteText(Path("etc/cupsd.conf"), QString("Listen %1/cups.sock\n"
                                                   "LogLevel info\n"
                                                   "Browsing No\n"
                                                   "BrowseLocalProtocols none\n"
                                                   "DefaultShared No\n"
                                                   "WebInterface No\n")
                                               .arg(root)) &&
         WriteText(Path("etc/printers.conf"), QString("<DefaultPrinter %1>\n"
                                                      "Info ScoreInk test printer\n"
                                                      "DeviceURI cups-pdf:/\n"
                                                      "State Idle\n"
                                                      "Accepting %2\n"
                                                      "Shared No\n"
                                                      "</DefaultPrinter>\n")
                                                  .arg(kQueue, accepting ? "Yes" : "No")) &&
         WriteText(Path("etc/cups-pdf.conf"), QString("Out %1/pdf\n"
                                                      "AnonDirName %1/pdf\n"
                                                      "Spool %1/pdf-spool\n"
                                                      "Log %1/log\n"
                                                      "GSTmp %1/gs-tmp\n")
                                                  .arg(root));
}

bool PrivateCups::Start() {
  cupsd_ = std::make_unique<QProcess>();
  cupsd_->setStandardOutputFile(Path("log/cupsd.out"));
  cupsd_->setStandardErrorFile(Path("log/cupsd.out"), QIODevice::Append);
  // Ends with this process, however the test ends (the signal survives the execs below).
  cupsd_->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
  // unshare and sh exec into cupsd, so the process is cupsd itself.
  cupsd_->start("unshare", {"--mount", "--propagation", "private", "--", "sh", "-c",
                            "mount --bind \"$0\" /etc/cups && exec " + QString(kCupsd) +
                                " -f -c \"$0/cupsd.conf\" -s \"$0/cups-files.conf\"",
                            Path("etc")});
  if (!cupsd_->waitForStarted(kStartTimeoutMs)) {
    unavailable_ = "cannot run unshare: " + cupsd_->errorString();
    return false;
  }
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < kStartTimeoutMs) {
    if (cupsd_->state() == QProcess::NotRunning) {
      QFile out(Path("log/cupsd.out"));
      out.open(QIODevice::ReadOnly);
      unavailable_ = "cupsd did not start (a private mount namespace needs CAP_SYS_ADMIN): " +
                     QString::fromLocal8Bit(out.readAll()) + LogTail();
      return false;
    }
    if (CanConnect(Path("cups.sock"))) return true;
    QThread::msleep(20);
  }
  unavailable_ = "cupsd did not listen within the time allowed: " + LogTail();
  Stop();
  return false;
}

void PrivateCups::Stop() {
  if (!cupsd_ || cupsd_->state() == QProcess::NotRunning) return;
  cupsd_->terminate();
  if (!cupsd_->waitForFinished(5000)) {
    cupsd_->kill();
    cupsd_->waitForFinished(2000);
  }
}

QString PrivateCups::OutputFolder() const {
  return Path("pdf");
}

QStringList PrivateCups::Pages() const {
  QStringList pages;
  for (const QFileInfo& file :
       QDir(OutputFolder()).entryInfoList({"*.pdf"}, QDir::Files, QDir::Time | QDir::Reversed))
    pages << file.filePath();
  return pages;
}

bool PrivateCups::WaitForCompletedJobs(int count, int timeoutMs) {
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < timeoutMs) {
    QProcess lpstat;
    lpstat.start("lpstat", {"-h", Path("cups.sock"), "-W", "completed", "-o", kQueue});
    if (lpstat.waitForFinished(5000)) {
      const QList<QByteArray> lines = lpstat.readAllStandardOutput().trimmed().split('\n');
      int completed = 0;
      for (const QByteArray& line : lines) completed += line.startsWith(kQueue);
      if (completed >= count) return true;
    } else {
      lpstat.kill();
      lpstat.waitForFinished(1000);
    }
    QThread::msleep(100);
  }
  return false;
}

QString PrivateCups::LogTail() const {
  QFile log(Path("log/error_log"));
  if (!log.open(QIODevice::ReadOnly)) return {};
  const QByteArray all = log.readAll();
  return QString::fromLocal8Bit(all.right(2000));
}

}  // namespace scoreink::test
