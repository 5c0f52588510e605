// The story's scripts in English: the same speakers, pieces, labels and
// codes as scripts_main.cpp, with the lines and pages broken for English.
// A speech opens with the speaker's name, as `Name: "`.
#include "story/scripts.h"

namespace moki {

namespace {

// clang-format off
constexpr const char32_t kOpening[] =
    U"Mokimoki: \"Kua (our hero), the day has finally come!#,"
    U"The tournament we've been waiting for!#,"
    U"Let's pull together and go for the title.#,"
    U"Let's do our best, Kua!#?ab"
    U"#aMokimoki: \"Right! Let's go!#Y1#GE"
    U"#bMokimoki: \"You won't \"do your best\"?!#,"
    U"Come on, \"do your best\", Kua!#Y0#E";

constexpr const char32_t kReceptionLeague[] =
    U"#A8"
    U"#0Receptionist: \"This is the match reception desk.#,"
    U"Would you like to see the current ranking first?#?ab"
    U"#a#R"
    U"#bWould you like to play a match?#?cd"
    U"#cYou are currently number #P in the ranking.#,"
    U"On match-day #N your opponent is #O.#,"
    U"Would you like to play the match?#?ed"
    U"#dVery well. Please call on me again when you feel up to it.#GE"
    U"#eWill you play forward or back?#,"
    U"Forward?#?fg"
    U"#f#Z1#Gm"
    U"#gThen back?#?hi"
    U"#h#Z2#Gm"
    U"#iThen manager?#?jk"
    U"#j#Z0#Gm"
    U"#kSo... forward after all?#?fg"
    U"#mVery well then, let's match!#B#GE";

constexpr const char32_t kReceptionFinal[] =
    U"#1Receptionist: \"Congratulations!#,"
    U"You have won the league without losing a single match!#."
    U"Please accept the winner's prize of 15000 dolls.#U4#."
    U"Santa: \"Heh heh, congrats, pal.#,"
    U"But the real contest starts right here.#,"
    U"Your last opponents? That'd be us.#."
    U"Receptionist: \"Well then, will you play a match against us?#?en"
    U"#nThen please go and get ready (say your prayers).#U1#GE"
    U"#2Receptionist: \"All of the matches are now over.#."
    U"#RYou finished in place number #P.#,"
    U"Unfortunately, that was not enough for the title.#,"
    U"We look forward to your next attempt.#."
    U"Game over!#U0#GE"
    U"#3Receptionist: \"Are you ready (prepared to die) to play us?#?en"
    U"#4Receptionist: \"Congratulations!#,"
    U"You are the true champions.#."
    U"If you wish to take on challengers, please speak to me again.#U2#GE";

constexpr const char32_t kReceptionChampion[] =
    U"#5Receptionist: \"Oh dear. So that was all you had in you...#."
    U"It's over! Game ovah!#U0#GE"
    U"#6Receptionist: \"Champions, a challenge has arrived from #U3.#."
    U"Will you play a match against #U3?#?ed"
    U"#7Receptionist: \"Congratulations, you have won again.#,"
    U"Your title as champions is safe.#,"
    U"I will let you know when a new challenger arrives.#U2#GE"
    U"#8Receptionist: \"What a pity (lol).#,"
    U"So you have finally lost...#."
    U"Anyway, game ovah!#U0#E";

constexpr const char32_t kSeller[] =
    U"#A1"
    U"#0Santa: \"Lemme \"sell\" you a present!#?ab"
    U"#aGot some good stuff in again this time, heh heh.#,"
    U"Get this: \"#IN\", #IK of 'em, all for #IM dolls.#,"
    U"You buyin'?#?cb"
    U"#c#Cde"
    U"#bIt's good stuff, y'know...#GE"
    U"#eDude, you're short on cash. Save up and come back.#GE"
    U"#dOK, so which key you puttin' it on?#,"
    U"Actually, wanna see the status screen first?#?fg"
    U"#f#S"
    U"#gOn the Z key?#?hi"
    U"#h#K0OK, I put #IN on the Z key.#Gp"
    U"#iOn the X key?#?jk"
    U"#j#K1OK, I put #IN on the X key.#Gp"
    U"#kOn the C key?#?lm"
    U"#l#K2OK, I put #IN on the C key.#Gp"
    U"#mSo you wanna forget the whole thing?#?no"
    U"#nSeriously, you're bailing on me?#,"
    U"Unbelievable. Fine, whatever.#GE"
    U"#oThen make up your mind already.#."
    U"Wanna see the status screen?#?fg"
    U"#p#.Pleasure doin' business!#M#GE"
    U"#1Santa: \"Sold out for now!#E";

constexpr const char32_t kItemExplainer[] =
    U"Peace: \"Please, let me explain the items you've got!#?ab"
    U"#aPeace: \"Thank you, thank you!#,"
    U"Let's see...#."
    U"On your Z key you have:#,"
    U"#XP0#."
    U"On your X key you have:#,"
    U"#XP1#."
    U"On your C key you have:#,"
    U"#XP2#."
    U"Peace: \"And that's that.#,"
    U"Ah, there's nothing like explaining things.#GE"
    U"#bPeace: \"Of course. Who'd want a total stranger#,"
    U"explaining things to them...#E";

constexpr const char32_t kRulesOpening[] =
    U"It may take a while, but shall I explain the rules of a match?#?ab"
    U"#aA match is played between teams of two, a forward and a back.#,"
    U"A match lasts 60 counts.#."
    U"The goal is the whole line behind the other team's back.#,"
    U"In the differently coloured middle of the line a goal scores 2,#,"
    U"and anywhere else on the line it scores 1.#."
    U"After a goal, the ball comes straight back into play#,"
    U"from the back of the team that scored.#,"
    U"So don't let your guard down.#."
    U"The forward can move anywhere on the field.#,"
    U"The back can only move up and down#,"
    U"in front of his own goal.#."
    U"The forward: Up on the cursor keys speeds him up,#,"
    U"Down brakes,#,"
    U"and Left and Right turn him.#."
    U"The back: Up and Down on the cursor keys#,"
    U"speed him up that way,#,"
    U"and Left and Right choose where he sends the ball.#."
    U"Hold Shift as you play#,"
    U"and both speed and turning go twice as fast.#."
    U"The red line coming out of a player#,"
    U"shows where the ball will fly when he hits it.#,"
    U"Take a good look and aim.#.";

constexpr const char32_t kRulesRest[] =
    U"You choose forward or back at the reception desk before a match.#,"
    U"Choose manager and you leave both to your teammates#,"
    U"and just watch the match.#."
    U"Parts of the field are water, ice or sand,#,"
    U"and there you can't move the way you want.#."
    U"You can put items on the Z, X and C keys, one on each,#,"
    U"three in all.#,"
    U"Press the key during a match to use its item.#."
    U"The number keys 1, 2 and 3 on the top row of the keyboard#,"
    U"work just like Z, X and C.#,"
    U"The number pad doesn't work, so be careful.#."
    U"Press Ctrl and the status screen comes up,#,"
    U"and the game stops while it is up.#,"
    U"Press it again to carry on.#."
    U"A draw when time runs out goes to extra time.#,"
    U"In extra time, the first team to score wins.#."
    U"Win a match and you get the goal difference x 200 dolls.#,"
    U"The bigger the win, the more you make.#."
    U"Trap items are set at your forward's feet.#,"
    U"Move your forward and set them wherever you like.#."
    U"If you said at the start you weren't motivated, you're in \"no-motivation mode\".#,"
    U"It's a beginners' course with weaker opponents,#,"
    U"and the ball is black.#."
    U"Well, sorry for going on so long.#,"
    U"Mokimoki: \"(That really was long...)#GE"
    U"#bSorry for butting in.#E";

constexpr const char32_t kBearHost[] =
    U"#A3"
    U"#0This is the bear's secret basement!#,"
    U"Want a very special item?#?ab"
    U"#aBut I can't just give it away, you know.#,"
    U"So here's the deal: play my big brother, and if you win, it's yours.#,"
    U"Oh, and it costs 100 dolls.#."
    U"Will you play?#?cb"
    U"#c#Cde"
    U"#bYou chicken! My big brother would never...#GE"
    U"#eYou pauper!#,"
    U"You don't even have 100 dolls? Come back when you do.#GE"
    U"#dI don't need to explain the rules, right?#?fg"
    U"#g(What a pain...)#."
    U"The rules are simple! If a flying fireball hits you, you lose.#,"
    U"Touch my big brother and you lose too.#."
    U"But if you get the fireball to hit my big brother, you win.#,"
    U"The fireball chases you, so lead it into him.#."
    U"You move just like the forward in a match,#,"
    U"but you can't use items.#."
    U"#fShall we start, then?#?hi"
    U"#hReady, set, go!#V#GE"
    U"#iYou're not starting?!#,"
    U"Don't break the flow!#,"
    U"I'm starting it anyway.#.#Gh"
    U"#1Congratulaaations!#,"
    U"As promised, here is the very special item \"#IN\"!#K#."
    U"#XK#."
    U"Yay! With this you're as strong as a hundred!#,"
    U"Ha ha ha...#GE"
    U"#2Too baaad!#,"
    U"Big brother wins!#GE"
    U"#3Big brotheeer!#,"
    U"Whyyy?!#,"
    U"Boo hoo hoo...#E";
// clang-format on

}  // namespace

ScriptPieces StoryScriptPiecesEn(int speaker) {
  switch (speaker) {
    case 1:
      return {kOpening};
    case 2:
      return {kReceptionLeague, kReceptionFinal, kReceptionChampion};
    case 3:
      return {kSeller};
    case 16:
      return {kItemExplainer};
    case 19:
      return {kRulesOpening, kRulesRest};
    case 22:
      return {kBearHost};
    default:
      return {};
  }
}

}  // namespace moki
