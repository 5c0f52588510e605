// Files the game makes for the player (a fault report), where the player has
// no folder of the game's to open: the page hands them over as downloads.
#pragma once

#include <string>

namespace plat {

// Hands a file over as a download named name: true when it was, false where
// files stay in the player's folders (the desktop, headless).
bool OfferDownload(const std::string& name, const std::string& bytes);
// Whether files for the player are handed over so (the page).
bool FilesAreDownloaded();

}  // namespace plat
