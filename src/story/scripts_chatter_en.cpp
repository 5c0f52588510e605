// What the other league players say when the heroes talk to them, in
// English. Each script is a list of short speeches, one per conversation
// state: "#An" picks the speech, "#GE" ends it. The states move on as the
// tournament goes (after certain match-days, after the final) and, for some
// players, after each talk. Every speech holds the same codes and pages as its
// Japanese twin; only the line breaks are set for the English words.
#include "story/scripts.h"

namespace moki {

namespace {

// Elegance, the queen of the hall, and her devoted teammate Wee Dumpling.
// After the tournament she has taken up cooking.
constexpr const char32_t kYuugaLeagueEn[] =
    U"#A3"
    U"#0Elegance: Oh-ho-ho-ho! Ohohohoho!#,"
    U"I am the most beautiful player in this whole tournament,#,"
    U"and, as my very name tells you, the most elegant.#."
    U"To think that the likes of you may speak with me!#,"
    U"You should feel honoured. Ohohohoho!#GE"
    U"#1Elegance: Ohohohoho! You simply cannot resist talking to me.#,"
    U"And who could blame you, with refinement such as mine?#."
    U"But in our match, I shan't go easy on you.#GE";

constexpr const char32_t kYuugaAfterEn[] =
    U"#2Elegance: Ohohohoho! I see you have fallen under my spell.#,"
    U"The tournament may be over,#,"
    U"but my radiance shall never fade.#GE"
    U"#3Elegance: Roast the bird's beak slowly, until golden brown...#,"
    U"then add a pinch of salt...#."
    U"Oh my, you have caught me at it.#,"
    U"It's a punishment dish for Wee Dumpling. Oh-ho-ho-ho!#E";

constexpr const char32_t kBeckerEn[] =
    U"#A2"
    U"#0Becker: Well, well, well, well, wellll!#,"
    U"Who'd have thought I'd meet you in a place like this!#."
    U"The way you move, that look in your eyes...#,"
    U"Truly, you are the master of my soul!#GE"
    U"#1Becker: Master of my soul...#,"
    U"I shall learn from your example.#,"
    U"Please go easy on me in our match.#GE"
    U"#2Becker: That's the master of my soul for you!#,"
    U"You actually beat those two!#."
    U"I shall follow your example, Master,#,"
    U"and train myself again from scratch.#E";

// Clearence hides under a coat and bandages: without them nobody can see
// him. His shy partner Invi comes from the same country.
constexpr const char32_t kTwoMeEn[] =
    U"#A2"
    U"#0Clearence: For today, I brought my partner from back home.#,"
    U"His name's Invi, but he's a shy one.#."
    U"Eh? My face?#,"
    U"Under these bandages... you're better off not looking.#GE"
    U"#1Clearence: I take it all off for matches.#,"
    U"Coat, hat, bandages, the lot.#."
    U"That way, nobody can see me at all.#GE"
    U"#2Clearence: Not good enough, still not good enough.#,"
    U"I'll practise harder, and one day I'll beat you two. You'll see.#E";

constexpr const char32_t kTakeEn[] =
    U"#A2"
    U"#0Taki: Hey, hey, y'know what? I'm gonna win this tournament,#,"
    U"and then my mum's gonna say I did good!#."
    U"So, um, I'm not gonna lose to you big guys!#GE"
    U"#1Taki: Hey, hey, y'know what? That last team was super strong.#,"
    U"But, um, I didn't cry!#GE"
    U"#2Taki: Hey, hey, y'know what? I can't go home till I win.#,"
    U"I promised my mum!#."
    U"So, um, I'll come back next year too!#E";

// Senpai and Kohai play together; each worries about the other as the
// league goes on, and after the final the two have sorted it out.
constexpr const char32_t kSenpaiEn[] =
    U"#A5"
    U"#0Senpai: What does he... think of me, I wonder...#,"
    U"...Hm? Oh, it's just you guys.#,"
    U"I-it's nothing, okay?#GE"
    U"#1Senpai: What do I do... Is it better if we just stay as we are...?#,"
    U"...Never mind. Just talking to myself.#GE"
    U"#2Senpai: Maybe we should sit down and talk it out, just once...#,"
    U"No, but still...#GE"
    U"#3Senpai: Argh... Thinking about it is getting me nowhere.#,"
    U"So I'll just have to tell him how I feel in the match!#GE"
    U"#4Senpai: Ahh... I'm so nervous. Maybe a drink for courage...#,"
    U"No, drinking before a match is a bad idea.#."
    U"Right. Today's the day I tell him.#GE"
    U"#5Senpai: Heh heh heh. I didn't need to worry so much after all.#,"
    U"Turns out he felt the same way.#."
    U"We'll keep on being the best duo around!#E";

constexpr const char32_t kShinnenEn[] =
    U"#A2"
    U"#0Conviction: Yo! Pleased to meet you!#,"
    U"I have only one conviction: speed.#GE"
    U"#1Conviction: I even cut my hair in the pursuit of speed.#,"
    U"With less drag, I should be at least 0.1 seconds faster.#GE"
    U"#2Conviction: I intend to pursue speed further and further.#,"
    U"Next, I'm thinking of shaving off my eyebrows.#E";

// Eli, heir of an old house, reads his fortune of the day from entry 3 on,
// over and over.
constexpr const char32_t kEllyLeagueEn[] =
    U"#A6"
    U"#0Eli: Oh my, commoners. How do you do.#,"
    U"I come from a family of distinguished lineage, you see.#,"
    U"A tournament like this is a mere pastime for me.#GE"
    U"#1Eli: Haaah... How I envy cats.#,"
    U"They can sleep all day long and nobody scolds them.#."
    U"Being the heir to a great house is no easy thing, you know.#GE"
    U"#2Eli: ...it's... .....#,"
    U"...It's awful. I came dead last in today's horoscope...#."
    U"Not that I care about commoners' fortune-telling, of course.#GE"
    U"#3Eli: Beware of eye trouble and mouth ulcers.#,"
    U"Above all, beware of germs.#,"
    U"...So says today's horoscope.#,"
    U"I never skip washing my hands and gargling.#GE";

constexpr const char32_t kEllyAfterEn[] =
    U"#4Eli: A rival in love appears.#,"
    U"...So says today's horoscope.#,"
    U"A rival? For me? Surely not.#GE"
    U"#5Eli: You will learn that nothing costs more than free.#,"
    U"...So says today's horoscope.#,"
    U"A great house has no use for free things anyway.#GE"
    U"#6Eli: How the heck does the great me not get to be champ...#,"
    U"...Ahem. Pardon me.#,"
    U"I'm afraid I quite lost my composure.#E";

constexpr const char32_t kHonshitsuEn[] =
    U"#A2"
    U"#0Essence: Fwoh-ho-ho! So you young'uns are contestants too?#,"
    U"For many a year I have pursued the essence of the ball.#."
    U"I won't lose to youngsters just yet!#GE"
    U"#1Essence: Fwoh-ho-ho! The ball might just break, you know...#,"
    U"if I were to hit it for real.#GE"
    U"#2Essence: You young'uns have taught me that some things#,"
    U"matter more than hitting the ball hard.#."
    U"What they are, you must work out for yourselves. Fwoh-ho-ho!#E";

constexpr const char32_t kJiddyEn[] =
    U"#A2"
    U"#0Jiddy: .....#,"
    U"........#GE"
    U"#1Jiddy: Pfft.#,"
    U"You look weak.#GE"
    U"#2Jiddy: Tch...#,"
    U"Can't believe losers like you are the champions.#E";

constexpr const char32_t kWeeDangoEn[] =
    U"#A1"
    U"#0Wee Dumpling: Oh, punish me more, Lady Elegance...#,"
    U"That cold, cold gaze... I just can't get enough...#GE"
    U"#1Wee Dumpling: Anyone will do now...#,"
    U"Somebody, please scold me...#E";

// Dogra only barks.
constexpr const char32_t kInuraEn[] =
    U"#A1"
    U"#0Dogra: Woof! Grrrrrr...#GE"
    U"#1Dogra: Bwaaarn! Bok-bok-bok-bok...#E";

// Invi speaks only in stiff capitals.
constexpr const char32_t kInviEn[] =
    U"#A4"
    U"#0Invi: HELLO. I AM TRULY VERY SORRY.#,"
    U"I AM PARTNER OF MISTER CLEARENCE.#GE"
    U"#1Invi: PLEASE DO NOT LOOK AT ME.#,"
    U"IT IS EMBARRASSING...#GE"
    U"#2Invi: PLEASE BE GENTLE WITH ME.#,"
    U"I COME FROM FAR AWAY COUNTRY.#GE"
    U"#3Invi: PLEASE LET ME GO HOME.#,"
    U"I WANT TO GO BACK TO MY COUNTRY...#GE"
    U"#4Invi: PLEASE PRETEND YOU DID NOT SEE ME.#,"
    U"I BEG OF YOU.#E";

constexpr const char32_t kKouhaiEn[] =
    U"#A5"
    U"#0Kohai: Gonna feed Senpai some nice passes again this time!#,"
    U"Senpai always praises my passes, y'know.#GE"
    U"#1Kohai: Senpai's been kinda down lately.#,"
    U"Wonder what's up...#GE"
    U"#2Kohai: Maybe something's bugging him.#,"
    U"I'd totally hear him out, if he wanted.#GE"
    U"#3Kohai: I kinda feel like Senpai's ignoring me...#,"
    U"Did I do something...?#GE"
    U"#4Kohai: Got a feeling something good's gonna happen today.#,"
    U"My sign came top in the morning horoscope, too.#GE"
    U"#5Kohai: Ba-dump, ba-dump... No way...#,"
    U"Senpai actually said that to me...#."
    U"Uh, I mean, it's nothing!#E";

constexpr const char32_t kKatsuodoriEn[] =
    U"#A1"
    U"#0Booby: Fmyaaah! (bird call)#,"
    U"Fmyah, fmyaaah! (bird call)#GE"
    U"#1Booby: Whoopee! Whoopee! (bird call)#,"
    U"Whoopeeee! (happy bird call)#E";

// Small Fry, the turtle from a festival stall, cannot be bothered.
constexpr const char32_t kZatsugameEn[] =
    U"#A3"
    U"#0Small Fry: Whatever, man.#,"
    U"Matches, winning, losing...#,"
    U"It's all whatever.#GE"
    U"#1Small Fry: Just put me down anywhere over there...#,"
    U"Please just leave me be.#GE"
    U"#2Small Fry: Let 'em wait, I say.#,"
    U"The receptionist can wait as long as she likes...#,"
    U"...Ah, I was just talking to myself there.#GE"
    U"#3Small Fry: I mean, I'm just a turtle they sold at a festival stall...#,"
    U"Getting into the tournament at all is plenty for me.#E";

constexpr const char32_t kDokuroEn[] =
    U"#A1"
    U"#0Skully: Mister Jiddy's got real skill (shame he's a jerk), yeahhh!#,"
    U"Our team is tough, yeahhh!#GE"
    U"#1Skully: Time for the underdog to rise up!#,"
    U"One day I'll take down Mister Jiddy#,"
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
