// What the other league players say when the heroes talk to them, in
// English. Each script is a list of short speeches, one per conversation
// state: "#An" picks the speech, "#GE" ends it. The states move on as the
// tournament goes (after certain match-days, after the final) and, for some
// players, after each talk. Every speech holds the same codes and pages as its
// Japanese twin; only the line breaks are set for the English words.
#include "story/scripts.h"

namespace moki {

namespace {

// Elegance, the queen of the hall, and her devoted teammate Wee Dango. After
// the tournament she has taken up cooking.
constexpr const char32_t kYuugaLeagueEn[] =
    U"#A3"
    U"#0Elegance: \"Oh-ho-ho-ho! Ohohohoho!#,"
    U"It is I who am the most beautiful#,"
    U"and, naturally, the most elegant#,"
    U"player in this whole tournament.#."
    U"To think that the likes of you may speak#,"
    U"with me! Consider yourselves honored.#,"
    U"Ohohohoho!#GE"
    U"#1Elegance: \"Ohohohoho! You simply cannot resist#,"
    U"talking to me, can you?#,"
    U"And who could blame you?#,"
    U"Such is my refinement, after all.#."
    U"But in our match, I shall not go easy on#,"
    U"you, mind.#GE";

constexpr const char32_t kYuugaAfterEn[] =
    U"#2Elegance: \"Ohohohoho! You have fallen under my#,"
    U"spell, haven't you?#,"
    U"The tournament may be over,#,"
    U"but my radiance shall never fade.#GE"
    U"#3Elegance: \"Roast the bird's beak slowly... #,"
    U"until golden brown, then add a pinch#,"
    U"of salt...#."
    U"Oh my, you have caught me at it.#,"
    U"This is a punishment dish for#,"
    U"Wee Dango, you know.#,"
    U"Oh-ho-ho-ho!#E";

constexpr const char32_t kBeckerEn[] =
    U"#A2"
    U"#0Becker: \"Well, well, well, well, wellll!#,"
    U"Who'd have thought I'd meet you#,"
    U"in a place like this!#."
    U"The way you move, that look in your eyes...#,"
    U"You are my true master in spirit!#GE"
    U"#1Becker: \"My master in spirit...#,"
    U"I shall learn by following your example.#,"
    U"Please go easy on me in our match.#GE"
    U"#2Becker: \"That's my master in spirit!#,"
    U"You actually beat those two!#."
    U"I'll follow your example, Master,#,"
    U"and train myself again from scratch.#E";

// Toomey hides under a coat and bandages: without them nobody can see him.
// His shy partner Inbi comes from the same country.
constexpr const char32_t kTwoMeEn[] =
    U"#A2"
    U"#0Toomey: \"I brought my partner over from#,"
    U"my home country just for today.#,"
    U"His name is Inbi, but he's a shy one.#."
    U"Eh? My face?#,"
    U"You'd better not look under these#,"
    U"bandages...#GE"
    U"#1Toomey: \"I take it all off for matches.#,"
    U"Coat, hat, bandages, the lot.#."
    U"That way, nobody#,"
    U"can see me at all, you see.#GE"
    U"#2Toomey: \"Not good enough, still not good enough.#,"
    U"I'll practice harder, and one day#,"
    U"I'll beat you two, you'll see.#E";

constexpr const char32_t kTakeEn[] =
    U"#A2"
    U"#0Take: \"Hey, hey, guess what? I'm gonna win#,"
    U"this tournament, and then#,"
    U"my mom's gonna say I did good!#."
    U"So, um, I'm not gonna lose#,"
    U"to you big guys!#GE"
    U"#1Take: \"Hey, hey, guess what? The team I just#,"
    U"played was super strong.#,"
    U"But, um, I didn't cry!#GE"
    U"#2Take: \"Hey, hey, guess what? I can't go home#,"
    U"till I win. I promised my mom!#."
    U"So, um, I'll come back next year too!#E";

// Senpai and Kohai play together; each worries about the other as the
// league goes on, and after the final the two have sorted it out.
constexpr const char32_t kSenpaiEn[] =
    U"#A5"
    U"#0Senpai: \"I wonder... what does he think of me...#,"
    U"...Hm? Oh, it's just you guys.#,"
    U"I-it's nothing, okay?#GE"
    U"#1Senpai: \"What do I do... Is it better if we#,"
    U"just stay the way we are...?#,"
    U"...Never mind, just talking to myself.#GE"
    U"#2Senpai: \"Maybe we should sit down and have#,"
    U"a proper talk, just once...#,"
    U"No, but still...#GE"
    U"#3Senpai: \"Argh... Thinking about it gets me#,"
    U"nowhere. Then there's only one way left:#,"
    U"I'll tell him how I feel in the match!#GE"
    U"#4Senpai: \"Ahh... I'm so nervous. Maybe a drink#,"
    U"for courage... No, drinking before#,"
    U"a match is a bad idea.#."
    U"Right. Today's the day I tell him.#GE"
    U"#5Senpai: \"Heh heh heh. I didn't need to worry#,"
    U"so much after all.#,"
    U"Turns out he felt the same way.#."
    U"We'll keep on being the best duo around!#E";

constexpr const char32_t kShinnenEn[] =
    U"#A2"
    U"#0Conviction: \"Yo! Pleased to meet you!#,"
    U"I have only one conviction: speed.#GE"
    U"#1Conviction: \"I even cut my hair in the#,"
    U"pursuit of speed. With less air resistance,#,"
    U"I must be at least 0.1 seconds faster.#GE"
    U"#2Conviction: \"I intend to keep pursuing speed,#,"
    U"more and more. Next, I'm thinking#,"
    U"of shaving off my eyebrows.#E";

// Ellie, heir of an old house, reads his fortune of the day from entry 3 on,
// over and over.
constexpr const char32_t kEllyLeagueEn[] =
    U"#A6"
    U"#0Ellie: \"Oh my, commoners. How do you do.#,"
    U"I come from a family of distinguished#,"
    U"lineage, you see. A tournament like this#,"
    U"is merely a little pastime for me.#GE"
    U"#1Ellie: \"Haaah... How I envy cats.#,"
    U"They can sleep all day long#,"
    U"and nobody scolds them.#."
    U"Being the heir of a great house#,"
    U"is no easy thing, you know.#GE"
    U"#2Ellie: \"...last... .....#,"
    U"...Just awful. I'm dead last in today's#,"
    U"horoscope...#."
    U"Not that I pay any mind#,"
    U"to commoners' fortune-telling, of course.#GE"
    U"#3Ellie: \"Beware of eye trouble and mouth#,"
    U"sores, and above all, beware of germs.#,"
    U"...That's today's horoscope.#,"
    U"I never skip washing my hands and#,"
    U"gargling.#GE";

constexpr const char32_t kEllyAfterEn[] =
    U"#4Ellie: \"A rival in love appears.#,"
    U"...That's today's horoscope.#,"
    U"A rival? For me? Surely not.#GE"
    U"#5Ellie: \"You will learn the hard way that#,"
    U"nothing costs more than something free.#,"
    U"...That's today's horoscope.#,"
    U"A great house has no use for free#,"
    U"things anyway.#GE"
    U"#6Ellie: \"Me, the almighty me, not champion?#,"
    U"How can that be...#,"
    U"...Ahem, pardon me.#,"
    U"I quite lost my composure there.#E";

constexpr const char32_t kHonshitsuEn[] =
    U"#A2"
    U"#0Essence: \"Fwoh-ho-ho! So you young'uns are#,"
    U"contestants too? For many long years#,"
    U"I have pursued the essence of the ball.#."
    U"I won't lose to youngsters just yet!#GE"
    U"#1Essence: \"Fwoh-ho-ho! The ball might just#,"
    U"break, you know...#,"
    U"if I were to hit it for real.#GE"
    U"#2Essence: \"You young'uns have taught me that#,"
    U"there is something more important#,"
    U"than hitting the ball hard.#."
    U"As for what it is... that you must#,"
    U"work out for yourselves.#,"
    U"Fwoh-ho-ho!#E";

constexpr const char32_t kJiddyEn[] =
    U"#A2"
    U"#0Jiddy: \".....#,"
    U"........#GE"
    U"#1Jiddy: \"Pfft.#,"
    U"You look weak.#GE"
    U"#2Jiddy: \"Tch...#,"
    U"Can't believe losers like you#,"
    U"are the champions.#E";

constexpr const char32_t kWeeDangoEn[] =
    U"#A1"
    U"#0Wee Dango: \"Ah, I wish Lady Elegance would#,"
    U"punish me more... That cold, cold gaze...#,"
    U"I just can't get enough...#GE"
    U"#1Wee Dango: \"Anyone will do now...#,"
    U"Somebody, please scold me...#E";

// Dogra only barks.
constexpr const char32_t kInuraEn[] =
    U"#A1"
    U"#0Dogra: \"Woof! Grrrrrr...#GE"
    U"#1Dogra: \"Bwarn! Kokokoko...#E";

// Inbi speaks only in stiff capitals.
constexpr const char32_t kInviEn[] =
    U"#A4"
    U"#0Inbi: \"HELLO. I AM TRULY VERY SORRY.#,"
    U"I AM PARTNER OF MISTER TOOMEY.#GE"
    U"#1Inbi: \"PLEASE DO NOT LOOK AT ME.#,"
    U"IT IS EMBARRASSING...#GE"
    U"#2Inbi: \"PLEASE BE GENTLE WITH ME.#,"
    U"I COME FROM FAR AWAY COUNTRY.#GE"
    U"#3Inbi: \"PLEASE LET ME GO HOME.#,"
    U"I WANT TO GO BACK TO MY COUNTRY...#GE"
    U"#4Inbi: \"PLEASE PRETEND YOU DID NOT SEE ME.#,"
    U"I BEG OF YOU.#E";

constexpr const char32_t kKouhaiEn[] =
    U"#A5"
    U"#0Kohai: \"Gonna feed Senpai some nice passes#,"
    U"again this time! Senpai always praises#,"
    U"my passes, y'know.#GE"
    U"#1Kohai: \"Senpai's been kinda down lately.#,"
    U"Wonder what's up...#GE"
    U"#2Kohai: \"Maybe something's bugging him.#,"
    U"If he wanted, I'd totally hear him out.#GE"
    U"#3Kohai: \"I kinda feel like Senpai's ignoring#,"
    U"me... Did I do something...?#GE"
    U"#4Kohai: \"Got a feeling something good's#,"
    U"gonna happen today. My sign came first#,"
    U"in the morning horoscope, too.#GE"
    U"#5Kohai: \"Ba-dump, ba-dump... No way...#,"
    U"Senpai actually said that to me...#."
    U"Uh, I mean, it's nothing!#E";

constexpr const char32_t kKatsuodoriEn[] =
    U"#A1"
    U"#0Booby: \"Fmyaaah! (its cry)#,"
    U"Fmyah, fmyaaah! (its cry)#GE"
    U"#1Booby: \"Whoopee! Whoopee! (its cry)#,"
    U"Whoopeeee! (a happy cry)#E";

constexpr const char32_t kZatsugameEn[] =
    U"#A3"
    U"#0Zatsugame: \"Whatever, man.#,"
    U"Matches, winning, losing...#,"
    U"It's all whatever.#GE"
    U"#1Zatsugame: \"Just set me down somewhere#,"
    U"over there, that's fine...#,"
    U"Please just leave me be.#GE"
    U"#2Zatsugame: \"Just let 'em wait, I tell ya.#,"
    U"Keep the receptionist waiting all you like...#,"
    U"...Ah, I was just talking to myself there.#GE"
    U"#3Zatsugame: \"I mean, I used to be sold at#,"
    U"a festival stall... Just getting into#,"
    U"the tournament is plenty for me.#E";

constexpr const char32_t kDokuroEn[] =
    U"#A1"
    U"#0Skully: \"Mr. Jiddy's got real skill (shame#,"
    U"he's such a jerk), yeahhh!#,"
    U"Our team is tough, yeahhh!#GE"
    U"#1Skully: \"Time for the little guy to rise up.#,"
    U"One day I'll take down Mr. Jiddy#,"
    U"AND the champions, yeahhh!#E";

}  // namespace

ScriptPieces ChatterScriptPiecesEn(int speaker) {
  switch (speaker) {
    case 4:
      return {kYuugaLeagueEn, kYuugaAfterEn};
    case 5:
      return {kBeckerEn};
    case 6:
      return {kTwoMeEn};
    case 7:
      return {kTakeEn};
    case 8:
      return {kSenpaiEn};
    case 9:
      return {kShinnenEn};
    case 10:
      return {kEllyLeagueEn, kEllyAfterEn};
    case 11:
      return {kHonshitsuEn};
    case 12:
      return {kJiddyEn};
    case 13:
      return {kWeeDangoEn};
    case 14:
      return {kInuraEn};
    case 15:
      return {kInviEn};
    case 17:
      return {kKouhaiEn};
    case 18:
      return {kKatsuodoriEn};
    case 20:
      return {kZatsugameEn};
    case 21:
      return {kDokuroEn};
    default:
      return {};
  }
}

}  // namespace moki
