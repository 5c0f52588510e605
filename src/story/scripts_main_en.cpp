// The story's scripts in English: the same speakers, pieces, labels and
// codes as scripts_main.cpp, with the lines and pages broken for English.
// A speech opens with the speaker's name, as `Name: `; words quoted inside a
// speech take single quotes.
#include "story/scripts.h"

namespace moki {

namespace {

// clang-format off
constexpr const char32_t kOpening[] =
    U"Mokimoki: Kua (main character), the day has finally come!#,"
    U"The tournament we've been waiting for all this time!#,"
    U"The two of us, together, all the way to the title.#,"
    U"Let's give it our best, Kua!#?ab"
    U"#aMokimoki: Right! Let's go!#Y1#GE"
    U"#bMokimoki: You're not gonna 'give it your best'?!#,"
    U"Come on, 'give it your best', Kua!#Y0#E";

constexpr const char32_t kReceptionLeague[] =
    U"#A8"
    U"#0Receptionist: This is the match reception desk.#,"
    U"Would you like to see the current ranking first?#?ab"
    U"#a#R"
    U"#bWould you like to play a match?#?cd"
    U"#cYou are currently ranked #P out of 10.#,"
    U"Your opponent in round #N is #O.#,"
    U"Would you like to play the match?#?ed"
    U"#dVery well. Please come back when you're feeling motivated.#GE"
    U"#eWhich will you play, forward or back? Forward?#?fg"
    U"#f#Z1#Gm"
    U"#gBack, then?#?hi"
    U"#h#Z2#Gm"
    U"#iManager, then?#?jk"
    U"#j#Z0#Gm"
    U"#kSo... forward after all?#?fg"
    U"#mVery well then, let's play ball!#B#GE";

constexpr const char32_t kReceptionFinal[] =
    U"#1Receptionist: Congratulations!#,"
    U"You have won the league with a perfect record!#."
    U"Please accept the winner's prize of 15,000 dolls.#U4#."
    U"Santa: Heh heh heh, congrats.#,"
    U"But the real contest starts right here.#,"
    U"Your final opponents? That'd be us.#."
    U"Receptionist: So, will you play a match against us?#?en"
    U"#nThen please go and get ready (to meet your doom).#U1#GE"
    U"#2Receptionist: That concludes all of the matches.#."
    U"#RYour final ranking: #P out of 10.#,"
    U"Unfortunately, that was not enough for the title.#,"
    U"We look forward to your next attempt.#."
    U"Game over!#U0#GE"
    U"#3Receptionist: Are you ready (to meet your doom) for a match with us?#?en"
    U"#4Receptionist: Congratulations!#,"
    U"You are the true champions.#."
    U"If you'd like to take on challengers, just come and talk to me.#U2#GE";

constexpr const char32_t kReceptionChampion[] =
    U"#5Receptionist: Oh, well. I guess that's all you were ever good for...#."
    U"It's over! Game ovah!#U0#GE"
    U"#6Receptionist: Champions, you have received a challenge.#,"
    U"It's from #U3.#."
    U"Will you play a match against #U3?#?ed"
    U"#7Receptionist: Congratulations, you've won again.#,"
    U"You have defended your title.#,"
    U"I'll let you know when a new challenger arrives.#U2#GE"
    U"#8Receptionist: What a shame (lol).#,"
    U"So you've finally lost...#."
    U"Anyway, game ovah!#U0#E";

constexpr const char32_t kSeller[] =
    U"#A1"
    U"#0Santa: Lemme 'sell' you a present!#?ab"
    U"#aGot some real good stuff in again this time, heh heh.#,"
    U"Get this: '#IN' x#IK, for just #IM dolls.#,"
    U"You buyin'?#?cb"
    U"#c#Cde"
    U"#bAw, and it's such good stuff, too...#GE"
    U"#eDude, you're short on cash. Save up and come back.#GE"
    U"#dOK, so which key you puttin' it on?#,"
    U"Actually, wanna check the status screen first?#?fg"
    U"#f#S"
    U"#gThe Z key?#?hi"
    U"#h#K0OK, '#IN' is on your Z key.#Gp"
    U"#iThe X key?#?jk"
    U"#j#K1OK, '#IN' is on your X key.#Gp"
    U"#kThe C key?#?lm"
    U"#l#K2OK, '#IN' is on your C key.#Gp"
    U"#mSo, wanna call the whole thing off?#?no"
    U"#nSeriously? You're backing out on me?#,"
    U"Unbelievable. Fine, whatever.#GE"
    U"#oThen make up your mind already.#."
    U"Wanna see the status screen?#?fg"
    U"#p#.Pleasure doin' business!#M#GE"
    U"#1Santa: All sold out for now!#E";

constexpr const char32_t kItemExplainer[] =
    U"Peace: Please, I beg you, let me explain your items!#?ab"
    U"#aPeace: Thank you, thank you!#,"
    U"Um, let's see...#."
    U"On your Z key you've got "
    U"#XP0#."
    U"On your X key you've got "
    U"#XP1#."
    U"On your C key you've got "
    U"#XP2#."
    U"Peace: And there you have it.#,"
    U"Ah, there's nothing like explaining things.#GE"
    U"#bPeace: Yeah, of course. Who'd want some total stranger#,"
    U"explaining things to them...#E";

constexpr const char32_t kRulesOpening[] =
    U"It might take a while, but shall I explain the rules of a match?#?ab"
    U"#aEach team has two players: a forward and a back.#,"
    U"A match lasts 60 counts.#."
    U"The goal is the whole line behind the other team's back.#,"
    U"Its middle stretch is a different colour:#,"
    U"a goal there scores 2 points, and anywhere else, 1 point.#."
    U"After a goal, the ball comes straight back into play#,"
    U"from the scoring team's back, so don't let your guard down.#."
    U"The forward can move anywhere on the field.#,"
    U"The back can only move up and down in front of his own goal.#."
    U"Playing forward: Up on the cursor keys speeds you up,#,"
    U"Down brakes, and Left and Right turn you.#."
    U"Playing back: Up and Down speed you up in that direction,#,"
    U"and Left and Right set the direction you hit the ball back.#."
    U"Hold Shift, and you move and turn twice as fast.#."
    U"The red line coming out of a player#,"
    U"shows where the ball will fly when he hits it.#,"
    U"Watch it closely and take aim.#.";

constexpr const char32_t kRulesRest[] =
    U"You choose forward or back at reception before each match.#,"
    U"If you choose manager, your teammates play both positions#,"
    U"and you sit back and watch.#."
    U"Some parts of the field are water, ice or sand,#,"
    U"and there you can't move quite the way you want.#."
    U"Items go on the Z, X and C keys, one on each, three in all.#,"
    U"Press the key during a match to use its item.#."
    U"The number keys 1, 2 and 3 along the top of the keyboard#,"
    U"work just like Z, X and C.#,"
    U"The number pad won't work, so watch out.#."
    U"Press Ctrl and the status screen comes up,#,"
    U"and the game is paused while it's up.#,"
    U"Press Ctrl again to carry on.#."
    U"If it's a draw when time runs out, you go to extra time.#,"
    U"In extra time, the first team to score wins.#."
    U"Win a match and you get 200 dolls for every point you win by.#,"
    U"The bigger the win, the more you make.#."
    U"Trap items are set down at your forward's feet.#,"
    U"Move your forward and set them wherever you like.#."
    U"If you said at the start that you wouldn't give it your best,#,"
    U"you're in 'Unmotivated mode': a beginners' course#,"
    U"with weaker opponents, where the ball is black.#."
    U"Whew, sorry for going on so long.#,"
    U"Mokimoki: (That really was long...)#GE"
    U"#bSorry for butting in.#E";

constexpr const char32_t kBearHost[] =
    U"#A3"
    U"#0Welcome to Mr. Bear's secret basement!#,"
    U"Want a very special item?#?ab"
    U"#aBut I can't just give it away, you know.#,"
    U"So here's the deal: beat my big brother, and it's yours.#,"
    U"Oh, and the fee is 100 dolls.#."
    U"Want to take him on?#?cb"
    U"#c#Cde"
    U"#bYou chicken! Why, my big brother...#GE"
    U"#eYou're flat broke!#,"
    U"You don't even have 100 dolls? Come back when you do.#GE"
    U"#dI don't need to explain the rules, right?#?fg"
    U"#g(Ugh, what a pain...)#."
    U"The rules are simple! If a flying fireball hits you, you lose.#,"
    U"Touch my big brother and you lose too.#."
    U"But if the fireball hits my big brother, you win.#,"
    U"The fireball chases you, so lead it into him.#."
    U"You move just like the forward in a match,#,"
    U"but you can't use items.#."
    U"#fShall we start, then?#?hi"
    U"#hReady, set, go!#V#GE"
    U"#iYou're not starting?!#,"
    U"Don't kill the momentum!#,"
    U"We're starting anyway, like it or not.#.#Gh"
    U"#1Congratulaaations!#,"
    U"As promised, here's your very special item, '#IN'!#K#."
    U"#XK#."
    U"Woo! With this, you've got the strength of a hundred!#,"
    U"Ha ha ha...#GE"
    U"#2Too baaad!#,"
    U"Big brother wiiins!#GE"
    U"#3Big brotheeer! Whyyy?!#,"
    U"Sob, sob, sob...#E";
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
