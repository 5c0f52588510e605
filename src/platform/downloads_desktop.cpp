// With the desktop's backend and the headless one (in the benchmark's page
// too), the files the game makes for the player stay in the player's folders:
// nothing is handed over as a download.
#include "platform/downloads.h"

namespace plat {

bool OfferDownload(const std::string&, const std::string&) {
  return false;
}

bool FilesAreDownloaded() {
  return false;
}

}  // namespace plat
