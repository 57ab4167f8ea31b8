#include "harness/permissions_bind.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdint>

namespace scoreink::test {

namespace {

// The powers that let root past permission bits.
constexpr std::uint32_t kPermissionPowers =
    (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

// The raw calls act on the calling thread only, which is what is wanted here.
bool ReadCaps(__user_cap_data_struct (&data)[2]) {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  return ::syscall(SYS_capget, &header, data) == 0;
}

bool WriteCaps(__user_cap_data_struct (&data)[2]) {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  return ::syscall(SYS_capset, &header, data) == 0;
}

bool SetPowers(bool on) {
  __user_cap_data_struct data[2]{};
  if (!ReadCaps(data)) return false;
  if (on)
    data[0].effective |= kPermissionPowers & data[0].permitted;
  else
    data[0].effective &= ~kPermissionPowers;
  return WriteCaps(data);
}

}  // namespace

PermissionsBind::PermissionsBind() {
  if (::geteuid() != 0) return;
  dropped_ = SetPowers(false);
  active_ = dropped_;
}

PermissionsBind::~PermissionsBind() {
  if (dropped_) SetPowers(true);
}

}  // namespace scoreink::test
