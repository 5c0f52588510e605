#include "items/item_schedule.h"

#include "core/numeric.h"
#include "items/item_use.h"
#include "platform/platform.h"

namespace moki {

namespace {

// The leading digits of a text as a number; none reads as 0.
int LeadingNumber(const WString& text) {
  int n = 0;
  for (char32_t c : text) {
    if (c < U'0' || c > U'9') break;
    n = n * 10 + int(c - U'0');
  }
  return n;
}

}  // namespace

void ScheduleStep(Form1& f, int side) {
  GameState& gs = f.gs;
  // The away side plays one count in three; the home side one in five, or
  // one in three when the hero is motivated.
  const int odds = side == 1 ? 3 : 5 - 2 * gs.motivated;
  if (Int(plat::Rnd() * odds) != 0) return;
  const int cast = side == 1 ? gs.opponentCast : gs.homeCastIndex;
  static const WString kNone;
  const WString& schedule =
      (cast >= 0 && cast < kTeamCastCount) ? gs.ComputerItemSchedule[size_t(cast)] : kNone;
  i16& cursor = gs.scheduleCursor[size_t(side)];  // 1-based
  const size_t at = size_t(cursor > 0 ? cursor - 1 : 0);
  const WString pair = at < schedule.size() ? schedule.substr(at, 2) : WString();
  useItem(f, side, LeadingNumber(pair));
  if (int(schedule.size()) < cursor)
    cursor = 1;
  else
    cursor = static_cast<i16>(cursor + 2);
}

}  // namespace moki
