#include "core/waits.h"

#include "platform/platform.h"

namespace moki {

void WaitWhile(const std::function<bool()>& pred) {
  while (pred()) plat::WaitEvents(-1);
}

void WaitMs(uint32_t ms) {
  uint32_t start = plat::GetTickCount();
  while (plat::GetTickCount() - start <= ms) plat::WaitEvents(int64_t(start) + ms + 1);
}

}  // namespace moki
