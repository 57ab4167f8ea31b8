#pragma once
// A CUPS scheduler of the test's own: its configuration, spool, logs and socket in a
// temporary folder, one cups-pdf queue as its default printer, and this process's CUPS
// client (Qt's print support included) pointed at it. It never touches a system CUPS: cupsd
// listens on its own socket only, and runs in a mount namespace of its own in which
// /etc/cups is the test's folder (cups-pdf reads its settings from there and nowhere else).
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace scoreink::test {

// Points this process's CUPS client at socketPath (a scheduler or nothing), with no
// lpoptions or client.conf of the user's or the system's in the way; restores all on leaving.
class ScopedCupsClient {
 public:
  ScopedCupsClient(const QString& socketPath, const QString& clientFolder);
  ~ScopedCupsClient();
  ScopedCupsClient(const ScopedCupsClient&) = delete;
  ScopedCupsClient& operator=(const ScopedCupsClient&) = delete;

 private:
  struct Saved {
    const char* name;
    bool set;
    QByteArray value;
  };
  std::vector<Saved> saved_;
};

class PrivateCups {
 public:
  // Starts cupsd with the queue "ScoreInkPDF" (A4, 600 dpi, 12-point margins) as its default
  // printer; accepting false makes the queue refuse every job.
  explicit PrivateCups(bool accepting = true);
  // Stops cupsd and gives the client back its own settings.
  ~PrivateCups();
  PrivateCups(const PrivateCups&) = delete;
  PrivateCups& operator=(const PrivateCups&) = delete;

  // Empty while the scheduler runs; else why it could not be started (not root, no cupsd,
  // no cups-pdf, no private mount namespace ...): the test skips.
  const QString& Unavailable() const { return unavailable_; }

  static constexpr const char* kQueue = "ScoreInkPDF";
  // Where cups-pdf writes the printed pages.
  QString OutputFolder() const;
  // PDF files in the output folder, oldest first.
  QStringList Pages() const;
  // Waits until the queue has completed count jobs; false after timeoutMs.
  bool WaitForCompletedJobs(int count, int timeoutMs);
  // The end of the scheduler's error log, for failure messages.
  QString LogTail() const;

 private:
  bool WriteConfiguration(bool accepting);
  bool Start();
  void Stop();
  QString Path(const QString& relative) const { return dir_.filePath(relative); }

  QTemporaryDir dir_;
  QString unavailable_;
  std::unique_ptr<QProcess> cupsd_;
  std::unique_ptr<ScopedCupsClient> client_;
};

}  // namespace scoreink::test
