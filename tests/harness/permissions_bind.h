#pragma once
// File and folder permissions bind root only when it gives up its powers over them. While a
// PermissionsBind lives, the calling thread has no CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH or
// CAP_FOWNER in effect, so a file it may not read or a folder it may not write stops it as it
// stops an ordinary user; the powers come back at the end of the scope. Work done on other
// threads keeps them. For an ordinary user it does nothing.
namespace scoreink::test {

class PermissionsBind {
 public:
  PermissionsBind();
  ~PermissionsBind();
  PermissionsBind(const PermissionsBind&) = delete;
  PermissionsBind& operator=(const PermissionsBind&) = delete;

  // False when root could not give the powers up (the test is then skipped).
  bool active() const { return active_; }

 private:
  bool active_ = true;
  bool dropped_ = false;
};

}  // namespace scoreink::test
